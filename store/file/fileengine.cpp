#include "fileengine.h"

#include "base/cardmask.h"
#include "base/failure.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/schemahistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <atomic>
#include <fcntl.h>
#include <future>
#include <mutex>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#endif

#include <QCoreApplication>

namespace corvanna {

namespace {
QString engineText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

QString engineText(sqlite3* db) {
    return QString::fromUtf8(sqlite3_errmsg(db));
}

bool isDamage(int engineCode) {
    const int primary = engineCode & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

// The engine's words about a failed statement, without the digits of any value the statement
// carries: a card number the engine quotes never reaches an error report.
QString withoutValues(const QString& engineWords, const QString& statement) {
    return withoutDigitsOf(engineWords, textLiterals(statement));
}

const QString kDamaged = QStringLiteral("database disk image is malformed");

enum class Finding { Sound, Damaged, NotRun };

// A value that breaks a column rule (a CHECK or NOT NULL) is a finding about one row, not
// damage: the file is sound and can be written.
bool isConstraintFinding(const char* line) {
    return qstrncmp(line, "CHECK constraint failed in ", 27) == 0 ||
           qstrncmp(line, "NULL value in ", 14) == 0;
}

struct CheckResult {
    Finding finding = Finding::NotRun;
    int code = SQLITE_OK; // the engine's result when the check could not run to its end
    QString words;
};

// The engine's quick check of the whole file. Every answer other than "ok" and the constraint
// findings (pages, b-trees, indexes) is damage, as are the engine's corruption results.
CheckResult quickCheck(sqlite3* db) {
    CheckResult result;
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &st, nullptr);
    bool damaged = false;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const auto* line = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            if (!line || (qstrcmp(line, "ok") != 0 && !isConstraintFinding(line))) damaged = true;
        }
    }
    if (rc == SQLITE_DONE) {
        result.finding = damaged ? Finding::Damaged : Finding::Sound;
    } else {
        result.code = rc;
        result.words = engineText(db);
        result.finding = isDamage(rc) ? Finding::Damaged : Finding::NotRun;
    }
    sqlite3_finalize(st);
    return result;
}

// The whole-file check gives way to the window and to the desk's own work.
void lowerThisThreadsPriority() {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, id_t(syscall(SYS_gettid)), 10);
#endif
}

// A reader waits for another connection's lock as long as the desk's connection does, in short
// sleeps, unless it is cancelled meanwhile.
int readerBusyWait(void* stop, int count) {
    constexpr int kPauseMs = 10;
    if (static_cast<const std::atomic<bool>*>(stop)->load()) return 0;
    if (count * kPauseMs >= Connection::kBusyTimeoutMs) return 0;
    sqlite3_sleep(kPauseMs);
    return 1;
}

qulonglong nextEngineNumber() {
    static std::atomic<qulonglong> number{0};
    return ++number;
}

// The rows of one select on the file, read as the engine gives them.
class FileCursor final : public EngineCursor {
public:
    FileCursor(FileEngine& engine, sqlite3* db, sqlite3_stmt* statement,
               std::weak_ptr<KeptSelects> keep = {}, QByteArray kept = {})
        : m_engine(engine)
        , m_db(db)
        , m_statement(statement)
        , m_keep(std::move(keep))
        , m_kept(std::move(kept)) {}
    // A statement of our own goes back to be run again while its file is open; any other is
    // finalised.
    ~FileCursor() override {
        const std::shared_ptr<KeptSelects> keep = m_keep.lock();
        if (!keep || keep->idle.count(m_kept)) {
            sqlite3_finalize(m_statement);
            return;
        }
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
        keep->idle.emplace(m_kept, m_statement);
    }
    FileCursor(const FileCursor&) = delete;
    FileCursor& operator=(const FileCursor&) = delete;

    bool eof() const override { return m_eof; }
    void moveNext() override {
        const int rc = sqlite3_step(m_statement);
        if (rc == SQLITE_ROW) {
            m_eof = false;
        } else if (rc == SQLITE_DONE) {
            m_eof = true;
        } else {
            m_eof = true;
            const QString text = engineText(m_db);
            m_engine.noteFailure(rc);
            throw Failure(text);
        }
    }
    int columnOf(const char* name) const override {
        for (int i = 0; i < sqlite3_column_count(m_statement); ++i)
            if (sqlite3_stricmp(sqlite3_column_name(m_statement, i), name) == 0) return i;
        return -1;
    }
    int columnCount() const override { return sqlite3_column_count(m_statement); }
    const char* columnName(int column) const override {
        return sqlite3_column_name(m_statement, column);
    }
    CursorValue value(int column, CursorValue::Type wanted) const override {
        CursorValue v;
        // One call into the connection per value (the serialized library locks it on every
        // call); the value is then read as it stands. Reads run on the connection's only thread.
        sqlite3_value* value = sqlite3_column_value(m_statement, column);
        const int type = value ? sqlite3_value_type(value) : SQLITE_NULL;
        if (type == SQLITE_NULL) return v;
        if (wanted == CursorValue::Integer && type == SQLITE_INTEGER) {
            v.type = CursorValue::Integer;
            v.number = sqlite3_value_int64(value);
            return v;
        }
        v.bytes = reinterpret_cast<const char*>(sqlite3_value_text(value));
        v.size = sqlite3_value_bytes(value);
        // Dates are stored as ISO text.
        if (wanted == CursorValue::Day) {
            if (const qint64 day = isoDayNumber(v.bytes, v.size)) {
                v.type = CursorValue::Day;
                v.number = day;
                return v;
            }
        }
        v.type = CursorValue::Text;
        return v;
    }

private:
    FileEngine& m_engine;
    sqlite3* m_db;
    sqlite3_stmt* m_statement;
    std::weak_ptr<KeptSelects> m_keep;
    QByteArray m_kept;
    bool m_eof = true;
};

constexpr const char* kReadRow =
    "select GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, NoOfPersons, "
    "CheckInDate, CheckOutDate, CreditCardType, CreditCardNo, PhoneNumber, Address "
    "from tblRooms where id = ?1";

// How long taking the in-use lock may wait for another program's brief hold of it alone (a restore
// exchanging the file, a program at its close).
constexpr int kInUseWaitMs = 500;
constexpr int kInUsePauseMs = 10;

QByteArray inUseName(const QString& database) {
    return QFile::encodeName(database + QStringLiteral(".inuse"));
}

bool statementUnderWay(sqlite3* db) {
    if (!sqlite3_get_autocommit(db)) return true;
    for (sqlite3_stmt* st = sqlite3_next_stmt(db, nullptr); st; st = sqlite3_next_stmt(db, st))
        if (sqlite3_stmt_busy(st)) return true;
    return false;
}
} // namespace

int lockDatabaseInUse(const QString& database, bool alone) {
    const QByteArray name = inUseName(database);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = ::open(name.constData(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0) return -1;
        if (::flock(fd, (alone ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0) {
            // The last holder may have removed the file between the open and the lock: only a
            // lock on the file that has the name counts.
            struct stat held = {};
            struct stat named = {};
            if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino)
                return fd;
        }
        ::close(fd);
        if (waited.elapsed() > kInUseWaitMs) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(kInUsePauseMs));
    }
}

void unlockDatabaseInUse(int fd, const QString& database) {
    if (fd < 0) return;
    // Held alone, it is the last hold: the name goes with it, so no lock file outlives the run.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(inUseName(database).constData());
    ::close(fd);
}

struct FileEngine::BackgroundCheck {
    std::mutex mutex;
    sqlite3* db = nullptr; // the check's own connection while it runs
    bool stopped = false;
    std::future<Finding> finding;
};

namespace {
// Full sync with the rollback journal: a confirmed save survives a crash or a power cut. The
// engine answers the journal setting with the mode it now uses; a file it keeps in another mode
// (one held open in write-ahead mode elsewhere) is refused rather than used unsafely. Returns
// why it cannot be so, or nothing.
QString useRollbackJournal(QSqlQuery& probe) {
    if (!probe.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
        !probe.exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
        return engineText(probe.lastError());
    if (const QString mode = probe.next() ? probe.value(0).toString() : QString();
        mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("cannot change into delete mode: the journal mode is %1").arg(mode);
    return {};
}
} // namespace

// Each engine has a Qt connection of its own, also where two desks of one process (or two
// connections) share a name: opening one would otherwise close the other's file under it.
FileEngine::FileEngine(QString connectionName)
    : m_name(connectionName + QStringLiteral("#%1").arg(nextEngineNumber())) {}

void FileEngine::open(const QString& path, bool readOnly) {
    stopBackgroundCheck();
    unlockDatabaseInUse(std::exchange(m_inUse, -1), m_path);
    m_path = path;
    m_damaged = false;
    m_checked = false;
    dropKeptStatements();
    QSqlDatabase db = QSqlDatabase::contains(m_name)
                          ? QSqlDatabase::database(m_name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid())
        throw Failure(QCoreApplication::translate("FileEngine",
                                                  "The SQLite database driver is not available"));
    // mode=rw or ro: never create a missing file, whatever the driver would do by default.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                       (readOnly ? QStringLiteral("?mode=ro") : QStringLiteral("?mode=rw")));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(Connection::kBusyTimeoutMs));
    if (path.isEmpty() || !db.open()) {
        const QString text = path.isEmpty() ? QStringLiteral("unable to open database file")
                                            : engineText(db.lastError());
        db.close();
        throw Failure(text);
    }
    // A reader's waits for a lock (from the first read of the schema on) end at its stop.
    if (m_readerStop)
        sqlite3_busy_handler(fileHandle(), readerBusyWait,
                             const_cast<std::atomic<bool>*>(m_readerStop));
    // A file that is not a database opens without complaint; reading its schema tells. An empty
    // file, or a database without the reservation table, is not the reservation database either.
    QSqlQuery probe(db);
    const bool read = probe.exec(QStringLiteral(
        "select count(*) from sqlite_master where type = 'table' and name = 'tblRooms'"));
    if (!read || !probe.next() || probe.value(0).toInt() == 0) {
        const QString text =
            read ? QString::fromUtf8(sqlite3_errstr(SQLITE_NOTADB)) : engineText(probe.lastError());
        probe.finish();
        probe = QSqlQuery();
        db.close();
        throw Failure(text);
    }
    probe.finish();
    // A file opened only to read is never written: its journal does not matter.
    QString refusal;
    if (!readOnly) refusal = useRollbackJournal(probe);
    probe.finish();
    if (!refusal.isEmpty()) {
        probe = QSqlQuery();
        db.close();
        throw Failure(refusal);
    }
    // A database written by a newer program is never used, let alone changed.
    try {
        refuseNewerFile(fileHandle());
    } catch (const Failure&) {
        probe = QSqlQuery();
        db.close();
        throw;
    }
    if (m_readerStop) return;
    // Without the lock file (a folder that may not be written) the file is used as before.
    m_inUse = lockDatabaseInUse(path, false);
}

ReaderFactory FileEngine::reader() const {
    sqlite3* own = fileHandle();
    const char* file = own ? sqlite3_db_filename(own, "main") : nullptr;
    if (!file || !*file || m_path.isEmpty()) return {};
    return [name = m_name, path = m_path](const std::atomic<bool>& stop) {
        auto engine = std::make_unique<FileEngine>(name);
        engine->m_readerStop = &stop;
        engine->open(path, true);
        return std::unique_ptr<Engine>(std::move(engine));
    };
}

std::function<void()> FileEngine::canceller() {
    sqlite3* db = fileHandle();
    if (!db) return {};
    return [db] { sqlite3_interrupt(db); };
}

bool FileEngine::openElsewhere() {
    if (m_inUse < 0) return false;
    const bool alone = ::flock(m_inUse, LOCK_EX | LOCK_NB) == 0;
    // Back to the shared lock; a change of lock may give the old one up first, so a lock that
    // cannot be had again at once is taken anew.
    if (::flock(m_inUse, LOCK_SH | LOCK_NB) != 0) {
        ::close(m_inUse);
        m_inUse = lockDatabaseInUse(m_path, false);
    }
    return !alone;
}

// The whole file is checked on a read-only connection of its own while the desk works; a check
// that cannot run (another program holds the file) runs again at the first write.
void FileEngine::startBackgroundCheck() {
    sqlite3* own = fileHandle();
    const char* file = own ? sqlite3_db_filename(own, "main") : nullptr;
    if (m_background || m_checked || m_damaged || !file || !*file) return;
    m_background = std::make_unique<BackgroundCheck>();
    BackgroundCheck* check = m_background.get();
    check->finding = std::async(std::launch::async, [check, file = QByteArray(file)] {
        lowerThisThreadsPriority();
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return Finding::NotRun;
        }
        {
            const std::lock_guard lock(check->mutex);
            if (check->stopped) {
                sqlite3_close(db);
                return Finding::NotRun;
            }
            check->db = db;
        }
        const Finding finding = quickCheck(db).finding;
        {
            const std::lock_guard lock(check->mutex);
            check->db = nullptr;
        }
        sqlite3_close(db);
        return finding;
    });
}

void FileEngine::stopBackgroundCheck() {
    if (!m_background) return;
    {
        const std::lock_guard lock(m_background->mutex);
        m_background->stopped = true;
        if (m_background->db) sqlite3_interrupt(m_background->db);
    }
    m_background->finding.wait();
    m_background.reset();
}

FileEngine::~FileEngine() {
    close();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::removeDatabase(m_name);
}

bool FileEngine::isOpen() const {
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void FileEngine::close() {
    stopBackgroundCheck();
    dropKeptStatements();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::database(m_name, false).close();
    unlockDatabaseInUse(std::exchange(m_inUse, -1), m_path);
}

int FileEngine::execute(const QString& statement) {
    checkBeforeFirstWrite();
    if (m_damaged) throw Failure(kDamaged);
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    if (!query.exec(translateDates(statement))) {
        const QSqlError error = query.lastError();
        noteFailure(error.nativeErrorCode().toInt());
        throw Failure(withoutValues(engineText(error), statement));
    }
    return query.numRowsAffected();
}

int FileEngine::execute(const OwnStatement& statement, const QVariantList& values) {
    const QString sql = QString::fromUtf8(statement.file);
    if (values.isEmpty()) return execute(sql);
    checkBeforeFirstWrite();
    if (m_damaged) throw Failure(kDamaged);
    const QByteArray key(statement.file);
    auto prepared = m_prepared.find(key);
    if (prepared == m_prepared.end()) {
        QSqlQuery query(QSqlDatabase::database(m_name, false));
        if (!query.prepare(sql)) {
            const QSqlError error = query.lastError();
            noteFailure(error.nativeErrorCode().toInt());
            throw Failure(engineText(error));
        }
        prepared = m_prepared.emplace(key, std::move(query)).first;
    }
    QSqlQuery& query = prepared->second;
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    const bool ok = query.exec();
    const QSqlError error = query.lastError();
    const int rows = ok ? query.numRowsAffected() : 0;
    query.finish(); // reset: a statement left under way would hold the file
    if (!ok) {
        noteFailure(error.nativeErrorCode().toInt());
        throw Failure(engineText(error));
    }
    return rows;
}

std::unique_ptr<EngineCursor> FileEngine::select(const QString& statement) {
    return prepare(translateDates(statement).toUtf8(), {});
}

std::unique_ptr<EngineCursor> FileEngine::select(const OwnStatement& statement,
                                                 const QStringList& values) {
    return prepare(QByteArray(statement.file), values, true);
}

KeptSelects::~KeptSelects() {
    for (const auto& [sql, statement] : idle)
        sqlite3_finalize(statement);
}

void FileEngine::dropKeptStatements() {
    m_keptSelects.reset();
    m_prepared.clear();
}

std::unique_ptr<EngineCursor> FileEngine::prepare(const QByteArray& sql, const QStringList& values,
                                                  bool keep) {
    sqlite3* db = fileHandle();
    if (!db) throw Failure(kObjectClosed);
    sqlite3_stmt* stmt = nullptr;
    // A select of our own read before runs again as prepared then.
    if (keep && !m_keptSelects) m_keptSelects = std::make_shared<KeptSelects>();
    auto* idle = keep ? &m_keptSelects->idle : nullptr;
    if (const auto found = idle ? idle->find(sql) : decltype(idle->find(sql))();
        idle && found != idle->end()) {
        stmt = found->second;
        idle->erase(found);
    } else if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) !=
                   SQLITE_OK ||
               !stmt) {
        noteFailure(sqlite3_errcode(db));
        const QString text =
            stmt ? engineText(db)
                 : (sqlite3_errcode(db) == SQLITE_OK ? QStringLiteral("Empty statement")
                                                     : engineText(db));
        sqlite3_finalize(stmt);
        throw Failure(withoutValues(text, QString::fromUtf8(sql)));
    }
    if (!sqlite3_stmt_readonly(stmt)) {
        sqlite3_finalize(stmt);
        throw Failure(QStringLiteral("A result set can only read"));
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toUtf8();
        if (sqlite3_bind_text(stmt, int(i + 1), value.constData(), int(value.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK) {
            const QString text = engineText(db);
            sqlite3_finalize(stmt);
            throw Failure(text);
        }
    }
    auto cursor = keep ? std::make_unique<FileCursor>(*this, db, stmt, m_keptSelects, sql)
                       : std::make_unique<FileCursor>(*this, db, stmt);
    cursor->moveNext();
    return cursor;
}

bool FileEngine::schemaBehind(const std::vector<SchemaStep>& steps) {
    try {
        sqlite3* db = fileHandle();
        return db && sqlite3_db_readonly(db, "main") != 1 &&
               fileSchemaVersion(db, steps) < newestSchemaVersion(steps);
    } catch (const Failure&) {
        return false; // the upgrade itself reports it
    }
}

void FileEngine::upgradeSchema(const std::vector<SchemaStep>& steps) {
    upgradeFileSchema(*this, steps);
}

std::optional<RowVersion> FileEngine::readRow(const QString& id) {
    sqlite3* db = fileHandle();
    if (!db) throw Failure(kObjectClosed);
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, kReadRow, -1, &st, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_bind_int64(st, 1, id.toLongLong());
    if (rc == SQLITE_OK) rc = sqlite3_step(st);
    std::optional<RowVersion> row;
    if (rc == SQLITE_ROW) {
        row.emplace();
        // The version tells every stored difference, a value's type included (2 and '2').
        QByteArray version;
        for (int c = 0; c < sqlite3_column_count(st); ++c) {
            const int type = sqlite3_column_type(st, c); // before the text form converts it
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st, c));
            const int size = sqlite3_column_bytes(st, c);
            row->values << QString::fromUtf8(text, size);
            version += QByteArray::number(type) + ':' + QByteArray::number(size) + ':' +
                       QByteArray(text, size) + ';';
        }
        row->version = QString::fromLatin1(version.toHex());
        rc = SQLITE_DONE;
    }
    const QString words = QString::fromUtf8(sqlite3_errmsg(db));
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) {
        noteFailure(rc);
        throw Failure(words);
    }
    return row;
}

void FileEngine::run(const char* sql) {
    sqlite3* db = fileHandle();
    if (!db) throw Failure(kObjectClosed);
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        noteFailure(rc);
        throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
    }
}

std::optional<RowVersion> FileEngine::lockRow(const QString& id) {
    // The write lock at once: another program may still read, but not write, until the end.
    run("begin immediate");
    try {
        return readRow(id);
    } catch (...) {
        rollback();
        throw;
    }
}

void FileEngine::commit() {
    run("commit");
}

bool FileEngine::inTransaction() const {
    sqlite3* db = fileHandle();
    return db && !sqlite3_get_autocommit(db);
}

void FileEngine::rollback() noexcept {
    if (sqlite3* db = fileHandle(); db && !sqlite3_get_autocommit(db))
        sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
}

// The engine's data version of a connection changes only when another connection committed to
// the file, never by the connection's own saves, so a save of this program is never taken for
// one. A writer holding the file is not waited for: the poll must never hold up the window.
bool FileEngine::takeChanges() {
    sqlite3* db = fileHandle();
    if (!db) {
        m_watched = nullptr;
        return false;
    }
    if (statementUnderWay(db)) return false;
    const bool reopened = reopenWhenReplaced(db);
    if (reopened) db = fileHandle();
    if (!db) return false;
    sqlite3_busy_timeout(db, 0);
    sqlite3_stmt* st = nullptr;
    std::optional<qint64> version;
    if (sqlite3_prepare_v2(db, "PRAGMA data_version", -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        version = sqlite3_column_int64(st, 0);
    sqlite3_finalize(st);
    sqlite3_busy_timeout(db, Connection::kBusyTimeoutMs);
    if (!version) return false;
    // A connection opened anew (a restore) counts its versions afresh.
    const bool changed = reopened || (db == m_watched && *version != m_dataVersion);
    m_watched = db;
    m_dataVersion = *version;
    return changed;
}

// The engine's connection stays on the file it opened, whatever now has its name; the engine
// tells when the name is another file's (or no file's).
bool FileEngine::reopenWhenReplaced(sqlite3* db) {
    int moved = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || !moved)
        return false;
    const QString path = m_path;
    close();
    m_watched = nullptr;
    try {
        open(path);
    } catch (const Failure& failure) {
        throw Failure(QCoreApplication::translate(
                          "FileEngine", "The database %1 was replaced by another program and "
                                        "could not be opened again: %2")
                          .arg(QDir::toNativeSeparators(path), failure.description()));
    }
    startBackgroundCheck();
    return true;
}

void FileEngine::setLockWait(int ms) {
    if (sqlite3* db = fileHandle()) sqlite3_busy_timeout(db, ms);
}

void FileEngine::noteFailure(int engineCode) {
    if (isDamage(engineCode)) m_damaged = true;
}

// Writing into a damaged file spreads the damage and can lose rows that are still readable, so
// the whole file is checked once before this connection first writes to it: a save that comes
// while the check started at the open still runs waits for it.
void FileEngine::checkBeforeFirstWrite() {
    if (m_checked || m_damaged) return;
    if (m_background) {
        const Finding finding = m_background->finding.get();
        m_background.reset();
        if (finding != Finding::NotRun) {
            m_checked = true;
            m_damaged = finding == Finding::Damaged;
            return;
        }
    }
    const CheckResult result = quickCheck(fileHandle());
    if (result.finding != Finding::NotRun) {
        m_checked = true;
        m_damaged = result.finding == Finding::Damaged;
        return;
    }
    // Another program holds the file: the statement would wait for the same lock again, so the
    // save fails now; the check runs again at the next write.
    const int primary = result.code & 0xff;
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) throw Failure(result.words);
}

sqlite3* FileEngine::fileHandle() const {
    if (!isOpen()) return nullptr;
    const QVariant handle = QSqlDatabase::database(m_name, false).driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

} // namespace corvanna
