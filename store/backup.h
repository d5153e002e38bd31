#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <atomic>
#include <future>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3;

namespace corvanna {

class Connection;

// Copies of the working database kept in <data folder>/Backups: the close keeps one a day,
// "dbRooms-YYYY-MM-DD.mdb"; each Back Up Now makes one of its own,
// "dbRooms-YYYY-MM-DD-HHMMSS.mdb". A copy is written under a temporary name, checked by the engine
// and synced, and only then given its name, so a copy that has its name is whole.
QString backupFolderOf(const QString& dataFolder);
QString backupFileName(const QDate& day);
QString timedBackupFileName(const QDateTime& when);
// The day of a kept day's copy's file name; nothing for any other name.
std::optional<QDate> backupDayOf(const QString& fileName);
// "dbRooms-replaced-YYYY-MM-DD-HHMMSS.mdb": the working database a restore replaced.
QString replacedFileName(const QDateTime& when);

// Which kept copies rotation removes, given the days of the copies and today. Kept: the 14 newest
// copies, and the first copy of each month for the current month and the 12 before it. When a
// copy is dated after today the clock is wrong (now or when it was made): nothing is removed.
std::vector<QDate> backupsToRemove(std::vector<QDate> days, const QDate& today);

enum class CopyKind { Daily, Timed, Replaced };
struct BackupCopy {
    QDate day;
    QString path;
    QDateTime made; // from the name; a day's copy: when it was last written
    CopyKind kind = CopyKind::Daily;
};
// The copies of a backup folder a restore can take (day's, Back Up Now's and replaced working
// databases), newest first.
std::vector<BackupCopy> keptBackups(const QString& folder);
// The kept copy dated after `today` with the latest date, if any: a sign of a wrong clock.
std::optional<BackupCopy> copyAfter(const std::vector<BackupCopy>& copies, const QDate& today);
// What the desk is told, once a run, when rotation leaves the copies alone for that reason.
QString wrongClockNotice(const BackupCopy& future, const QDate& today);

// How the reservations of a working database differ from those of a copy (by id, every column
// compared). Nothing when either cannot be read.
struct ReservationDifference {
    qint64 onlyInWorking = 0;
    qint64 onlyInCopy = 0;
    qint64 changed = 0;
};
std::optional<ReservationDifference> compareReservations(const QString& working,
                                                         const QString& copy);

// The engine's integrity check of a database file: "ok" when sound, else what it found (or why the
// file could not be read). Never changes the file.
QString integrityCheckOf(const QString& path);
// The number of reservations in a database file; nothing when it cannot be read.
std::optional<qint64> reservationCountOf(const QString& path);

// Writes a consistent copy of the open database `source` as the day's copy in `folder` (made
// 0700 when missing; the copy 0600) and returns its path. Throws Failure, with the working
// database and every kept copy untouched, when the copy cannot be written or fails its check.
QString backUp(sqlite3* source, const QString& folder, const QDate& day);
// The same as a copy of its own named for `when` (a later second when that name is taken); it
// never replaces a file.
QString backUpNow(sqlite3* source, const QString& folder, const QDateTime& when);
// Removes the copies rotation no longer keeps: day's copies by backupsToRemove, and Back Up Now's
// copies older than 24 hours (unless one is the last copy of a day that is kept). With a copy
// dated after today nothing is removed and the notice is returned, else the empty text. Throws
// Failure naming a copy it could not remove.
QString rotateBackups(const QString& folder, const QDateTime& now);

// How a copy reads the working database: `pages` pages a step (-1: all in one), each step a short
// read of its own, `pauseMs` between steps for the desk's own work; `stop` abandons the copy.
struct CopyPace {
    int pages = -1;
    int pauseMs = 0;
    const std::atomic<bool>* stop = nullptr;
};

// True when today's copy was made after the working file last changed (and no copy is dated
// after today): it holds the same reservations, and the day's copy has nothing to add.
bool dailyCopyIsCurrent(const QString& working, const QString& folder, const QDate& today);

// The day's copy and then the rotation, for the automatic backups: the empty text when both were
// done (or today's copy is newer than the working file's last change), else the description of
// what failed. When a copy is dated after today the day's copy is made as a copy of its own (an
// existing copy of another day is never replaced), nothing is rotated, and `notice` says why.
QString keepDailyCopy(sqlite3* source, const QString& folder, const QDateTime& now,
                      QString* notice = nullptr, const CopyPace& pace = {});

// The day's copy (keepDailyCopy) of the working file made on a thread of its own, from a
// connection of its own, so the desk's window never waits for it: gently (low priority, small
// steps with pauses) after saves, at full pace at the close. One copy at a time.
class BackgroundCopy {
public:
    struct Outcome {
        QDate day;
        QString failure; // empty when the copy was made or not needed
        QString notice;
        bool stopped = false; // abandoned by stop(): nothing to report
    };
    BackgroundCopy() = default;
    ~BackgroundCopy();
    BackgroundCopy(const BackgroundCopy&) = delete;
    BackgroundCopy& operator=(const BackgroundCopy&) = delete;

    void start(const QString& working, const QString& folder, const QDateTime& now, bool gently);
    // A copy was started and its outcome not yet taken.
    bool running() const { return m_copy.valid(); }
    bool finished() const;
    // The outcome of the copy started last, waiting for it if it still runs.
    Outcome take();
    // Abandons a running copy (its partial file goes) and waits for it to end.
    void stop();

private:
    std::future<Outcome> m_copy;
    std::shared_ptr<std::atomic<bool>> m_stop;
};

// A restore killed part-way leaves "<working>.restoring" behind; it is removed once the working
// database opens and passes the quick check (else it is left alone). True when it was removed.
bool removeLeftoverRestore(const QString& working);

// Why a restore is refused while another program has the working database open.
QString openElsewhereRefusal();

// Replaces the working database named by the connection string with a kept copy, only while no
// other program has it open (see lockDatabaseInUse): the copy must pass its integrity check; the
// replaced file is kept in `folder` as replacedFileName(now); the connection is closed for the
// exchange and opened again. Returns the replaced file's path. Throws Failure, leaving the working
// database as it was, when any of it cannot be done.
QString restoreBackup(Connection& connection, const QString& connectionString, const QString& copy,
                      const QString& folder, const QDateTime& now);

// What the automatic backups report once a run: a failure, and the notice of a wrong clock.
class BackupSchedule {
public:
    // True the first time only: whether this failure is the one to report.
    bool reportFailure() { return !std::exchange(m_failureReported, true); }
    // The same for the notice of a wrong clock.
    bool reportClock() { return !std::exchange(m_clockReported, true); }

private:
    bool m_failureReported = false;
    bool m_clockReported = false;
};

} // namespace corvanna
