#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3;

namespace corvanna {

class Connection;

// Copies of the working database kept in <data folder>/Backups, one per day at most:
// "dbRooms-YYYY-MM-DD.mdb". A copy is written under a temporary name, checked by the engine and
// synced, and only then given its name, so a copy that has its name is whole.
QString backupFolderOf(const QString& dataFolder);
QString backupFileName(const QDate& day);
// The day of a kept copy's file name; nothing for any other name.
std::optional<QDate> backupDayOf(const QString& fileName);
// "dbRooms-replaced-YYYY-MM-DD-HHMMSS.mdb": the working database a restore replaced.
QString replacedFileName(const QDateTime& when);

// Which kept copies rotation removes, given the days of the copies and today. Kept: the 14 newest
// copies, and the first copy of each month for the current month and the 12 before it. A copy
// dated after today (a clock that was wrong) is never removed.
std::vector<QDate> backupsToRemove(std::vector<QDate> days, const QDate& today);

struct BackupCopy {
    QDate day;
    QString path;
};
// The kept copies of a backup folder, newest first.
std::vector<BackupCopy> keptBackups(const QString& folder);

// The engine's integrity check of a database file: "ok" when sound, else what it found (or why the
// file could not be read). Never changes the file.
QString integrityCheckOf(const QString& path);
// The number of reservations in a database file; nothing when it cannot be read.
std::optional<qint64> reservationCountOf(const QString& path);

// Writes a consistent copy of the open database `source` as the day's copy in `folder` (made
// 0700 when missing; the copy 0600) and returns its path. Throws Failure, with the working
// database and every kept copy untouched, when the copy cannot be written or fails its check.
QString backUp(sqlite3* source, const QString& folder, const QDate& day);
// Removes the copies rotation no longer keeps. Throws Failure naming a copy it could not remove.
void rotateBackups(const QString& folder, const QDate& today);

// The day's copy and then the rotation, for the automatic backups: the empty text when both were
// done (or today's copy is newer than the working file's last change), else the description of
// what failed.
QString keepDailyCopy(sqlite3* source, const QString& folder, const QDate& today);

// Replaces the working database named by the connection string with a kept copy: the copy must
// pass its integrity check; the replaced file is kept in `folder` as replacedFileName(now); the
// connection is closed for the exchange and opened again. Returns the replaced file's path.
// Throws Failure, leaving the working database as it was, when any of it cannot be done.
QString restoreBackup(Connection& connection, const QString& connectionString, const QString& copy,
                      const QString& folder, const QDateTime& now);

// When the automatic backups are due: at every close, and at the first save of a day the program
// has run into past midnight. A failure is reported once a run.
class BackupSchedule {
public:
    explicit BackupSchedule(const QDate& started)
        : m_lastDay(started) {}
    bool dueAfterSave(const QDate& today) const { return today != m_lastDay; }
    void backedUp(const QDate& day) { m_lastDay = day; }
    // True the first time only: whether this failure is the one to report.
    bool reportFailure() { return !std::exchange(m_failureReported, true); }

private:
    QDate m_lastDay;
    bool m_failureReported = false;
};

} // namespace corvanna
