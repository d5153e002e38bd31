#pragma once

#include "base/dialogs.h"
#include "base/places.h"
#include "store/statements.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <functional>

namespace corvanna::test {

// Dialogs that record every message and answer questions from a script (Yes by default).
class ScriptedDialogs : public Dialogs {
public:
    QList<Message> shown;
    QList<Answer> answers; // consumed in order by questions
    Answer defaultAnswer = Answer::Yes;
    std::function<void(const Message&)>
        onShow; // runs when a box shows (for instance to act meanwhile)

    QStringList passwords;       // consumed in order by password prompts; none left: Cancel
    QStringList passwordPrompts; // "title|prompt" of each password prompt

    QStringList texts() const;
    void clear() { shown.clear(); }

protected:
    Answer present(const Message& message) override;
    std::optional<QString> askPassword(const QString& prompt, const QString& title) override;
};

// A throw-away program folder and common data folder; the program folder gets the shipped
// database unless told otherwise.
struct TempPlaces {
    QTemporaryDir root;
    Places places;
    explicit TempPlaces(bool withShippedDatabase = true);
    QString path(const QString& relative) const { return root.filePath(relative); }
};

// Creates a database file with the program's schema.
void createDatabase(const QString& path);
// Writes the working database of the places (making its folders) with the program's schema.
void createWorkingDatabase(const Places& places);
// Runs statements on a database file directly (not through the program's connection).
void execOn(const QString& path, const QString& sql);
// Reads one value (first column of the first row) of a query on a database file.
QString queryValue(const QString& path, const QString& sql);
// Reads the first column of every row of a query on a database file, in the query's order.
QStringList queryColumn(const QString& path, const QString& sql);

// A reservation's values for tests: fills every text with something recognisable.
GuestValues sampleGuest(const QString& name, const QDate& checkIn, const QDate& checkOut);

// The description of the Failure an action throws, or the empty text when it throws none.
QString failureOf(const std::function<void()>& action);

// The exact error report text for a location and line, for comparisons.
QString reportFor(const QString& description, const QString& procedure, int line);

} // namespace corvanna::test
