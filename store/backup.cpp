#include "backup.h"

#include "base/failure.h"
#include "base/privatefiles.h"
#include "connection.h"
#include "file/fileengine.h"
#include "schemahistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <set>
#include <sqlite3.h>
#include <thread>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#endif

namespace corvanna {

namespace {

constexpr int kDailyCopies = 14;
constexpr int kMonthsBack = 12;
constexpr qint64 kRecentSeconds = 24 * 60 * 60; // Back Up Now's copies all kept for a day
constexpr int kNameTries = 60;                  // seconds tried for a free copy name
const QString kPartialPrefix = QStringLiteral(".backup-");
const QString kPartialSuffix = QStringLiteral(".partial");
constexpr auto kFileMode = QFile::ReadOwner | QFile::WriteOwner;
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd-HHmmss");
constexpr int kBusyPauseMs = 50;
// A copy read in steps starts again whenever another connection writes between two of them;
// after this many new starts the rest is read in one step, so a busy desk cannot starve it.
constexpr int kRestartsBeforeOneStep = 4;
// The background copy's steps: 1 MiB of 4 KiB pages, then a breath for the desk's own work.
constexpr int kGentlePages = 256;
constexpr int kGentlePauseMs = 2;
// The close's copy in larger steps: other programs still get the file between them.
constexpr int kClosingPages = 4096;
constexpr int kLowerPriority = 10;

// The partial copies this process is writing now (a copy after a save and Back Up Now may run
// together): they are not another run's leftovers.
std::mutex g_partialMutex;
std::set<QString> g_partialNames;
// Rotation removes files: one at a time in this process.
std::mutex g_rotationMutex;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

int monthNumber(const QDate& day) {
    return day.year() * 12 + day.month() - 1;
}

// Waits until what is written to the file or folder is on the disk (a rename is only as durable
// as its folder).
bool syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// Gives a new name to a file, replacing a file of that name in one step.
bool replaceByRename(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Makes the folder (0700) unless it is there; true when it was made now. A folder that is there
// keeps the group's rights an administrator gave it; only every other account's are taken.
bool makeFolder(const QString& folder) {
    bool made = false;
    if (!QFileInfo::exists(folder)) {
        try {
            makePrivateFolder(folder);
            made = true;
        } catch (const Failure& failure) {
            if (!QFileInfo::exists(folder))
                throw Failure(
                    QCoreApplication::translate("Backup", "The folder %1 could not be made: %2")
                        .arg(native(folder), failure.description()));
        }
    }
    if (!QFileInfo(folder).isDir())
        throw Failure(
            QCoreApplication::translate("Backup", "%1 is not a folder").arg(native(folder)));
    narrowToOwner(folder, true);
    return made;
}

// A new, empty file only the owner may read and write.
void createPrivateFile(const QString& path) {
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kFileMode))
        throw Failure(QCoreApplication::translate("Backup", "%1 could not be written: %2")
                          .arg(native(path), file.errorString()));
}

// Partial copies left by a run that was killed while it wrote them (not those of a run that is
// still going).
void removeAbandonedCopies(const QString& folder) {
    const QStringList partial = QDir(folder).entryList(
        {kPartialPrefix + QLatin1Char('*') + kPartialSuffix}, QDir::Files | QDir::Hidden);
    for (const QString& name : partial) {
        const QString middle = name.mid(kPartialPrefix.size(), name.size() - kPartialPrefix.size() -
                                                                   kPartialSuffix.size());
        bool ok = false;
        const pid_t pid = pid_t(middle.section(QLatin1Char('-'), 0, 0).toLongLong(&ok));
        const QString path = QDir(folder).filePath(name);
        if (pid == ::getpid()) {
            const std::lock_guard lock(g_partialMutex);
            if (g_partialNames.count(path)) continue;
        }
        if (!ok || pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH))
            QFile::remove(path);
    }
}

// An engine connection of its own to a file, closed when it goes.
class EngineFile {
public:
    EngineFile(const QString& path, int flags) {
        m_rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
        if (m_db) sqlite3_busy_timeout(m_db, Connection::kBusyTimeoutMs);
    }
    ~EngineFile() { sqlite3_close_v2(m_db); }
    EngineFile(const EngineFile&) = delete;
    EngineFile& operator=(const EngineFile&) = delete;

    bool opened() const { return m_rc == SQLITE_OK; }
    sqlite3* db() const { return m_db; }
    QString words() const {
        return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                    : QString::fromUtf8(sqlite3_errstr(m_rc));
    }
    // The first column of every row of a statement, or nothing with the engine's words.
    bool rows(const char* sql, QStringList* out, QString* words) const {
        sqlite3_stmt* st = nullptr;
        int rc = sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr);
        if (rc == SQLITE_OK)
            while ((rc = sqlite3_step(st)) == SQLITE_ROW)
                *out << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        if (rc != SQLITE_DONE && rc != SQLITE_OK) *words = this->words();
        sqlite3_finalize(st);
        return rc == SQLITE_DONE || rc == SQLITE_OK;
    }

private:
    sqlite3* m_db = nullptr;
    int m_rc = SQLITE_ERROR;
};

QString integrityCheckOf(const EngineFile& file, const char* check = "PRAGMA integrity_check") {
    if (!file.opened()) return file.words();
    QStringList found;
    QString words;
    if (!file.rows(check, &found, &words)) return words;
    if (found.isEmpty()) return QStringLiteral("the integrity check gave no answer");
    if (found.first() != QLatin1String("ok")) return found.join(QLatin1Char('\n'));
    // A sound database without the reservation table is no copy of the desk's file.
    QStringList count;
    if (!file.rows("select count(*) from tblRooms", &count, &words)) return words;
    return found.first();
}

// Copies a file's bytes into a new private file and syncs it.
void copyPrivately(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        throw Failure(QCoreApplication::translate("Backup", "%1 could not be read: %2")
                          .arg(native(from), source.errorString()));
    createPrivateFile(to);
    QFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        throw Failure(QCoreApplication::translate("Backup", "%1 could not be written: %2")
                          .arg(native(to), target.errorString()));
    QByteArray chunk;
    while (!(chunk = source.read(1 << 20)).isEmpty()) {
        if (target.write(chunk) != chunk.size()) {
            const QString why = target.errorString();
            target.close();
            QFile::remove(to);
            throw Failure(QCoreApplication::translate("Backup", "%1 could not be written: %2")
                              .arg(native(to), why));
        }
    }
    const bool readAll = source.error() == QFileDevice::NoError;
    target.close();
    if (!readAll || !syncPath(to)) {
        QFile::remove(to);
        throw Failure(
            QCoreApplication::translate("Backup", "%1 could not be copied").arg(native(from)));
    }
}

} // namespace

QString backupFolderOf(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/Backups");
}

QString backupFileName(const QDate& day) {
    return QStringLiteral("dbRooms-") + day.toString(QStringLiteral("yyyy-MM-dd")) +
           QStringLiteral(".mdb");
}

QString timedBackupFileName(const QDateTime& when) {
    return QStringLiteral("dbRooms-") + when.toString(kTimeFormat) + QStringLiteral(".mdb");
}

std::optional<QDate> backupDayOf(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^dbRooms-(\\d{4})-(\\d{2})-(\\d{2})\\.mdb$"));
    const QRegularExpressionMatch m = pattern.match(fileName);
    if (!m.hasMatch()) return std::nullopt;
    const QDate day(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!day.isValid()) return std::nullopt;
    return day;
}

QString replacedFileName(const QDateTime& when) {
    return QStringLiteral("dbRooms-replaced-") + when.toString(kTimeFormat) +
           QStringLiteral(".mdb");
}

std::vector<QDate> backupsToRemove(std::vector<QDate> days, const QDate& today) {
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    if (!days.empty() && days.back() > today) return {};
    const auto past = std::upper_bound(days.begin(), days.end(), today);
    std::vector<bool> keep(size_t(past - days.begin()), false);
    // The newest copies, one a day.
    for (size_t i = keep.size(), kept = 0; i > 0 && kept < size_t(kDailyCopies); --i, ++kept)
        keep[i - 1] = true;
    // The first copy of each month, for this month and the twelve before it.
    int lastMonth = -1;
    for (size_t i = 0; i < keep.size(); ++i) {
        const int month = monthNumber(days[i]);
        if (month != lastMonth && monthNumber(today) - month <= kMonthsBack) keep[i] = true;
        lastMonth = month;
    }
    std::vector<QDate> removed;
    for (size_t i = 0; i < keep.size(); ++i)
        if (!keep[i]) removed.push_back(days[i]);
    return removed;
}

std::vector<BackupCopy> keptBackups(const QString& folder) {
    static const QRegularExpression timed(
        QStringLiteral("^dbRooms-(replaced-)?(\\d{4}-\\d{2}-\\d{2}-\\d{6})\\.mdb$"));
    std::vector<BackupCopy> copies;
    const QDir dir(folder);
    for (const QFileInfo& file :
         dir.entryInfoList({QStringLiteral("dbRooms-*.mdb")}, QDir::Files, QDir::Name)) {
        if (const auto day = backupDayOf(file.fileName())) {
            copies.push_back({*day, file.filePath(), file.lastModified(), CopyKind::Daily});
            continue;
        }
        const QRegularExpressionMatch m = timed.match(file.fileName());
        const QDateTime made = QDateTime::fromString(m.captured(2), kTimeFormat);
        if (!m.hasMatch() || !made.isValid()) continue;
        copies.push_back({made.date(), file.filePath(), made,
                          m.capturedLength(1) ? CopyKind::Replaced : CopyKind::Timed});
    }
    std::sort(copies.begin(), copies.end(), [](const BackupCopy& a, const BackupCopy& b) {
        return a.day != b.day ? a.day > b.day : a.made > b.made;
    });
    return copies;
}

std::optional<BackupCopy> copyAfter(const std::vector<BackupCopy>& copies, const QDate& today) {
    std::optional<BackupCopy> latest;
    for (const BackupCopy& copy : copies)
        if (copy.kind != CopyKind::Replaced && copy.day > today &&
            (!latest || copy.day > latest->day))
            latest = copy;
    return latest;
}

QString wrongClockNotice(const BackupCopy& future, const QDate& today) {
    return QCoreApplication::translate(
               "Backup",
               "No old backups were removed, because the backup %1 is dated after today (%2); "
               "if the computer's clock is wrong, correct it.")
        .arg(QFileInfo(future.path).fileName(), today.toString(Qt::ISODate));
}

std::optional<ReservationDifference> compareReservations(const QString& working,
                                                         const QString& copy) {
    if (!QFileInfo(working).isFile() || !QFileInfo(copy).isFile()) return std::nullopt;
    EngineFile db(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI);
    if (!db.opened()) return std::nullopt;
    // Both files read-only, through bound names.
    for (const auto& [path, name] : {std::pair{working, "w"}, std::pair{copy, "c"}}) {
        sqlite3_stmt* st = nullptr;
        const QByteArray uri =
            QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded).toUtf8() + "?mode=ro";
        sqlite3_prepare_v2(db.db(), "attach database ? as ?", -1, &st, nullptr);
        sqlite3_bind_text(st, 1, uri.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 2, name, -1, SQLITE_STATIC);
        const int rc = sqlite3_step(st);
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE) return std::nullopt;
    }
    // The columns both have (a copy of an older program may lack later ones).
    QStringList workingColumns, copyColumns;
    QString words;
    if (!db.rows("select name from pragma_table_info('tblRooms', 'w')", &workingColumns, &words) ||
        !db.rows("select name from pragma_table_info('tblRooms', 'c')", &copyColumns, &words))
        return std::nullopt;
    QStringList common;
    for (const QString& column : std::as_const(workingColumns))
        if (copyColumns.contains(column, Qt::CaseInsensitive))
            common << QLatin1Char('"') +
                          QString(column).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                          QLatin1Char('"');
    if (common.isEmpty()) return std::nullopt;
    const QString columns = common.join(QLatin1Char(','));
    const QString counts =
        QStringLiteral("select (select count(*) from w.tblRooms where id not in "
                       "(select id from c.tblRooms)), (select count(*) from c.tblRooms where id "
                       "not in (select id from w.tblRooms)), (select count(*) from (select %1 "
                       "from w.tblRooms where id in (select id from c.tblRooms) except select %1 "
                       "from c.tblRooms))")
            .arg(columns);
    sqlite3_stmt* st = nullptr;
    std::optional<ReservationDifference> difference;
    if (sqlite3_prepare_v2(db.db(), counts.toUtf8().constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        difference = ReservationDifference{sqlite3_column_int64(st, 0), sqlite3_column_int64(st, 1),
                                           sqlite3_column_int64(st, 2)};
    sqlite3_finalize(st);
    return difference;
}

QString integrityCheckOf(const QString& path) {
    if (!QFileInfo(path).isFile())
        return QCoreApplication::translate("Backup", "%1 was not found").arg(native(path));
    return integrityCheckOf(EngineFile(path, SQLITE_OPEN_READONLY));
}

std::optional<qint64> reservationCountOf(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    const EngineFile file(path, SQLITE_OPEN_READONLY);
    QStringList count;
    QString words;
    if (!file.opened() || !file.rows("select count(*) from tblRooms", &count, &words) ||
        count.isEmpty())
        return std::nullopt;
    return count.first().toLongLong();
}

namespace {

// Gives the whole copy a free name: `name(n)` for n = 0, 1, ... until one is not taken; with
// `replace`, the first name, whatever is there.
bool placeCopy(const QString& partial, const QString& folder,
               const std::function<QString(int)>& name, bool replace, QString* target) {
    if (replace) {
        *target = QDir(folder).filePath(name(0));
        return replaceByRename(partial, *target);
    }
    for (int n = 0; n < kNameTries; ++n) {
        *target = QDir(folder).filePath(name(n));
        if (::link(QFile::encodeName(partial).constData(),
                   QFile::encodeName(*target).constData()) == 0) {
            QFile::remove(partial);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// The background copy gives way to the window and to the desk's own work.
void lowerThisThreadsPriority() {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), kLowerPriority);
#endif
}

// The engine's online backup of `source` into `copy`, step by step as `pace` says: each step
// reads under a short read lock, so the database is copied as one moment left it (a write by
// another connection between steps starts the copy again) while other programs keep working.
// Returns the engine's last result: SQLITE_DONE when whole, SQLITE_INTERRUPT when stopped.
int copyPages(sqlite3_backup* backup, const CopyPace& pace) {
    QElapsedTimer waited;
    waited.start();
    int restarts = 0;
    int remaining = -1;
    for (;;) {
        if (pace.stop && pace.stop->load()) return SQLITE_INTERRUPT;
        const int rc =
            sqlite3_backup_step(backup, restarts >= kRestartsBeforeOneStep ? -1 : pace.pages);
        if (rc == SQLITE_DONE) return rc;
        if (rc == SQLITE_OK) {
            const int left = sqlite3_backup_remaining(backup);
            if (remaining >= 0 && left > remaining) ++restarts;
            remaining = left;
            waited.restart();
            if (pace.pauseMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(pace.pauseMs));
            continue;
        }
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) ||
            waited.elapsed() > Connection::kBusyTimeoutMs)
            return rc;
        std::this_thread::sleep_for(std::chrono::milliseconds(kBusyPauseMs));
    }
}

// A name of its own for each copy being written (".backup-<pid>.partial", numbered when another
// copy of this process is being written too), known to this process while it is written.
class PartialCopy {
public:
    explicit PartialCopy(const QString& folder) {
        const QString pid = QString::number(::getpid());
        const std::lock_guard lock(g_partialMutex);
        m_path = QDir(folder).filePath(kPartialPrefix + pid + kPartialSuffix);
        for (int n = 1; g_partialNames.count(m_path); ++n)
            m_path = QDir(folder).filePath(kPartialPrefix + pid + QLatin1Char('-') +
                                           QString::number(n) + kPartialSuffix);
        g_partialNames.insert(m_path);
    }
    ~PartialCopy() {
        const std::lock_guard lock(g_partialMutex);
        g_partialNames.erase(m_path);
    }
    PartialCopy(const PartialCopy&) = delete;
    PartialCopy& operator=(const PartialCopy&) = delete;
    const QString& path() const { return m_path; }

private:
    QString m_path;
};

QString writeCopy(sqlite3* source, const QString& folder, const std::function<QString(int)>& name,
                  bool replace, const CopyPace& pace = {}) {
    if (!source) throw Failure(kObjectClosed);
    // A file whose name another program gave to another file is no longer the database.
    const auto replaced = [source] {
        int moved = 0;
        return sqlite3_file_control(source, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
               moved;
    };
    const QString notTheDatabase = QCoreApplication::translate(
        "Backup", "The working database was replaced by another program; the "
                  "file it replaced was not copied.");
    if (replaced()) throw Failure(notTheDatabase);
    const bool madeFolder = makeFolder(folder);
    const PartialCopy partialCopy(folder);
    const QString& partial = partialCopy.path();
    removeAbandonedCopies(folder);
    // A failed first copy leaves no empty folder behind.
    const auto fail = [&](const QString& problem) {
        QFile::remove(partial);
        if (madeFolder) QDir().rmdir(folder);
        throw Failure(problem);
    };
    // The engine's words follow what could not be done, and where.
    const auto notWritten = [&](const QString& words) {
        return QCoreApplication::translate("Backup",
                                           "The backup could not be written to the folder %1: %2")
            .arg(native(folder), words);
    };
    try {
        createPrivateFile(partial);
    } catch (const Failure& failure) {
        fail(failure.description());
    }

    // The copy is made by the engine's online backup, page by page under a read lock, so it is
    // the database as one moment left it, whatever other programs do meanwhile.
    QString problem;
    {
        const EngineFile copy(partial, SQLITE_OPEN_READWRITE);
        if (!copy.opened()) {
            problem = notWritten(copy.words());
        } else {
            // Nothing to roll back in a file no one sees before it is whole.
            sqlite3_exec(copy.db(), "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr,
                         nullptr, nullptr);
            sqlite3_backup* backup = sqlite3_backup_init(copy.db(), "main", source, "main");
            if (!backup) {
                problem = notWritten(copy.words());
            } else {
                const int rc = copyPages(backup, pace);
                sqlite3_backup_finish(backup);
                if (rc != SQLITE_DONE) problem = notWritten(QString::fromUtf8(sqlite3_errstr(rc)));
            }
            // The quick check reads every page and every b-tree of the copy, which is where a
            // copy can go wrong (a short write, a bad sector); what it leaves out, that each
            // index matches its table, is the same in the copy as in the working file the pages
            // came from, and costs most of the full check's time on a large file.
            if (problem.isEmpty()) {
                const QString check = integrityCheckOf(copy, "PRAGMA quick_check");
                if (check != QLatin1String("ok"))
                    problem = QCoreApplication::translate("Backup",
                                                          "The copy failed its integrity check: %1")
                                  .arg(check);
            }
        }
    }
    if (problem.isEmpty() && replaced()) problem = notTheDatabase;
    if (problem.isEmpty() && !syncPath(partial))
        problem = QCoreApplication::translate("Backup", "%1 could not be written to the disk")
                      .arg(native(partial));
    QString target;
    if (problem.isEmpty() && !placeCopy(partial, folder, name, replace, &target))
        problem =
            QCoreApplication::translate("Backup", "%1 could not be renamed").arg(native(partial));
    if (!problem.isEmpty()) fail(problem);
    syncPath(folder);
    return target;
}

} // namespace

QString backUp(sqlite3* source, const QString& folder, const QDate& day) {
    return writeCopy(
        source, folder, [&](int) { return backupFileName(day); }, true);
}

QString backUpNow(sqlite3* source, const QString& folder, const QDateTime& when) {
    return writeCopy(
        source, folder, [&](int n) { return timedBackupFileName(when.addSecs(n)); }, false);
}

QString rotateBackups(const QString& folder, const QDateTime& now) {
    const std::lock_guard rotating(g_rotationMutex);
    const QDate today = now.date();
    const std::vector<BackupCopy> copies = keptBackups(folder);
    if (const auto future = copyAfter(copies, today)) return wrongClockNotice(*future, today);
    std::vector<QDate> days;
    std::set<QDate> daily;
    for (const BackupCopy& copy : copies) {
        if (copy.kind == CopyKind::Replaced) continue;
        days.push_back(copy.day);
        if (copy.kind == CopyKind::Daily) daily.insert(copy.day);
    }
    const std::vector<QDate> removedDays = backupsToRemove(days, today);
    const std::set<QDate> removed(removedDays.begin(), removedDays.end());
    std::set<QDate> lastOfDayKept; // days kept by a Back Up Now copy, for want of a day's copy
    for (const BackupCopy& copy : copies) { // newest first
        bool remove = false;
        if (copy.kind == CopyKind::Daily) {
            remove = removed.count(copy.day) > 0;
        } else if (copy.kind == CopyKind::Timed && copy.made.secsTo(now) > kRecentSeconds) {
            remove = removed.count(copy.day) || daily.count(copy.day) ||
                     !lastOfDayKept.insert(copy.day).second;
        } else if (copy.kind == CopyKind::Timed) {
            lastOfDayKept.insert(copy.day);
        }
        if (remove && !QFile::remove(copy.path) && QFileInfo::exists(copy.path))
            throw Failure(
                QCoreApplication::translate("Backup", "The old backup %1 could not be removed")
                    .arg(native(copy.path)));
    }
    return {};
}

bool dailyCopyIsCurrent(const QString& working, const QString& folder, const QDate& today) {
    if (copyAfter(keptBackups(folder), today)) return false;
    const QFileInfo copy(QDir(folder).filePath(backupFileName(today)));
    const QFileInfo file(working);
    return copy.exists() && file.exists() && file.lastModified() < copy.lastModified();
}

QString keepDailyCopy(sqlite3* source, const QString& folder, const QDateTime& now, QString* notice,
                      const CopyPace& pace) {
    const QDate today = now.date();
    try {
        // A copy dated after today: the clock is wrong, and the day's copy of this date may be
        // one of another day that is kept. The reservations get a copy of their own.
        if (const auto future = copyAfter(keptBackups(folder), today)) {
            backUpNow(source, folder, now);
            if (notice) *notice = wrongClockNotice(*future, today);
            return {};
        }
        // A close after a day of looking only does not copy (and check) a large file again.
        if (dailyCopyIsCurrent(QString::fromUtf8(sqlite3_db_filename(source, "main")), folder,
                               today))
            return {};
        writeCopy(
            source, folder, [&](int) { return backupFileName(today); }, true, pace);
        const QString rotated = rotateBackups(folder, now);
        if (notice) *notice = rotated;
        return {};
    } catch (const Failure& failure) {
        return failure.description();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
}

BackgroundCopy::~BackgroundCopy() {
    stop();
}

void BackgroundCopy::start(const QString& working, const QString& folder, const QDateTime& now,
                           bool gently) {
    if (running()) return;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_copy = std::async(std::launch::async, [working, folder, now, gently, stop = m_stop] {
        if (gently) lowerThisThreadsPriority();
        Outcome outcome{now.date(), {}, {}, false};
        {
            const EngineFile source(working, SQLITE_OPEN_READONLY);
            if (!source.opened())
                outcome.failure = QStringLiteral("%1: %2").arg(native(working), source.words());
            else
                outcome.failure = keepDailyCopy(source.db(), folder, now, &outcome.notice,
                                                {gently ? kGentlePages : kClosingPages,
                                                 gently ? kGentlePauseMs : 0, stop.get()});
        }
        outcome.stopped = stop->load();
        return outcome;
    });
}

bool BackgroundCopy::finished() const {
    return running() && m_copy.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

BackgroundCopy::Outcome BackgroundCopy::take() {
    if (!running()) return {QDate(), {}, {}, true};
    return m_copy.get();
}

void BackgroundCopy::stop() {
    if (!running()) return;
    m_stop->store(true);
    m_copy.get();
}

bool removeLeftoverRestore(const QString& working) {
    const QString leftover = working + QStringLiteral(".restoring");
    if (!QFileInfo::exists(leftover) || !QFileInfo(working).isFile()) return false;
    {
        const EngineFile file(working, SQLITE_OPEN_READONLY);
        QStringList found;
        QString words;
        if (!file.opened() || !file.rows("PRAGMA quick_check", &found, &words) ||
            found != QStringList{QStringLiteral("ok")})
            return false;
    }
    return QFile::remove(leftover);
}

QString openElsewhereRefusal() {
    return QCoreApplication::translate(
        "Backup",
        "The backup cannot be restored while another program has the reservation database "
        "open. Close the program everywhere else, then restore again.");
}

QString restoreBackup(Connection& connection, const QString& connectionString, const QString& copy,
                      const QString& folder, const QDateTime& now) {
    const QString working = dataSourceOf(connectionString);
    // Told before the copy is made; the exchange below holds the file alone in any case.
    if (connection.state() && connection.engine().openElsewhere())
        throw Failure(openElsewhereRefusal());
    const QString incoming = working + QStringLiteral(".restoring");
    makeFolder(folder);
    // What becomes the working database is checked, not only the copy it came from.
    copyPrivately(copy, incoming);
    const QString check = integrityCheckOf(incoming);
    if (check != QLatin1String("ok")) {
        QFile::remove(incoming);
        throw Failure(
            QCoreApplication::translate("Backup", "The copy %1 failed its integrity check: %2")
                .arg(native(copy), check));
    }
    // A copy written by a newer program would be refused at the next open: it is not restored.
    try {
        refuseNewerFile(EngineFile(incoming, SQLITE_OPEN_READONLY).db());
    } catch (const Failure&) {
        QFile::remove(incoming);
        throw;
    }

    connection.close();
    // No other program may have the file open while it is exchanged: one that did would stay on
    // the replaced file.
    int alone = lockDatabaseInUse(working, true);
    const auto giveUp = [&](const QString& why) {
        QFile::remove(incoming);
        unlockDatabaseInUse(std::exchange(alone, -1), working);
        connection.open(connectionString);
        throw Failure(why);
    };
    if (alone < 0) giveUp(openElsewhereRefusal());
    // A write left unfinished by a program that stopped would be rolled into the restored file.
    if (QFileInfo::exists(working + QStringLiteral("-journal")))
        giveUp(QCoreApplication::translate(
            "Backup", "The working database has an unfinished write; start and close the "
                      "program once, then restore again"));
    // The replaced file keeps its name in the folder of copies before the working name moves on,
    // so at every moment both files are whole and one of them is the working database.
    const QString replaced = QDir(folder).filePath(replacedFileName(now));
    QFile::remove(replaced);
    if (::link(QFile::encodeName(working).constData(), QFile::encodeName(replaced).constData()) !=
        0) {
        try {
            copyPrivately(working, replaced);
        } catch (const Failure& failure) {
            giveUp(failure.description());
        }
    }
    // Linked, it is the working file itself: its group's rights stay as an administrator set them.
    narrowToOwner(replaced, false);
    if (!replaceByRename(incoming, working)) {
        QFile::remove(replaced);
        giveUp(
            QCoreApplication::translate("Backup", "%1 could not be replaced").arg(native(working)));
    }
    syncPath(QFileInfo(working).absolutePath());
    syncPath(folder);
    unlockDatabaseInUse(alone, working);
    connection.open(connectionString);
    return replaced;
}

} // namespace corvanna
