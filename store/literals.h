#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace corvanna {

// Each single quote doubled, so the text can stand between single quotes in a statement.
QString doubleQuotes(const QString& text);
// The text between single quotes, its quotes doubled: O'Brien -> 'O''Brien'. A text holding
// NUL characters becomes its quoted pieces joined by char(0): 'AAA'||char(0)||'BBB'.
QString quoteText(const QString& text);
// A date as "#mm/dd/yyyy#", month first whatever the user's regional settings.
QString dateLiteral(const QDate& date);

// Turns every #mm/dd/yyyy# that stands outside quoted text into SQLite's 'yyyy-mm-dd'; nothing
// else changes. Run on each statement just before it is sent to the engine.
// The texts that stand between single quotes in a statement, each quote undoubled.
QStringList textLiterals(const QString& statement);

QString translateDates(const QString& statement);
// The same step for a PostgreSQL server: #mm/dd/yyyy# becomes DATE 'yyyy-mm-dd' and a bracketed
// name a bare one ([GuestName] -> GuestName; a name that is no plain word becomes a "quoted"
// name). Text in single quotes and names in double quotes are left as they are.
QString translateForServer(const QString& statement);

} // namespace corvanna
