#pragma once
// What the saver processes confirmed, and the check of a database against it.

#include <QHash>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace corvanna::test {

struct SavedRow {
    QString name;
    QString address;
};

class Ledger {
public:
    // Reads a saver's stdout; only complete lines count (a save is confirmed once its line is out).
    // Returns the number of saves it confirmed. `mode` gets the saver's "M" line, when there is
    // one.
    int take(const QByteArray& output, QString* mode = nullptr);

    // Compares the database with the confirmed saves. Up to `inFlight` rows may differ, each from a
    // save that was under way when its saver died (their names or addresses start with one of
    // `inFlightPrefixes`); such rows are then taken as saved. Returns the problems found.
    // `database` is a file or a PostgreSQL server's URL.
    QStringList reconcile(const QString& database, int inFlight,
                          const QStringList& inFlightPrefixes);

    int size() const { return int(m_rows.size()); }

private:
    QStringList compare(QStringList problems, const QHash<qint64, SavedRow>& found, int inFlight,
                        const QStringList& inFlightPrefixes);
    QHash<qint64, SavedRow> m_rows;
};

// PRAGMA integrity_check of a database file ("ok" when sound).
QString integrityOf(const QString& database);

// Where the saver program lives.
QString saverProgram();

} // namespace corvanna::test
