#include "connection.h"

#include "base/cardmask.h"
#include "base/failure.h"
#include "literals.h"
#include "schemahistory.h"

#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <future>
#include <libpq-fe.h>
#include <mutex>
#include <sqlite3.h>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace corvanna {

namespace {
const QString kSourceKey = QStringLiteral("data source=");

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
} // namespace

struct Connection::BackgroundCheck {
    std::mutex mutex;
    sqlite3* db = nullptr; // the check's own connection while it runs
    bool stopped = false;
    std::future<Finding> finding;
};

namespace {
constexpr bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr qint64 julianDay(int y, int m, int d) {
    const int a = m <= 2 ? 1 : 0;
    const qint64 yy = qint64(y) + 4800 - a;
    const int mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}
static_assert(julianDay(2000, 1, 1) == 2451545);
} // namespace

qint64 isoDayNumber(const char* text, qsizetype size) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    if (size != 10 || !s || s[4] != '-' || s[7] != '-') return 0;
    int v[8];
    static constexpr int at[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i) {
        const unsigned c = unsigned(s[at[i]]) - '0';
        if (c > 9) return 0;
        v[i] = int(c);
    }
    const int y = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
    const int m = v[4] * 10 + v[5];
    const int d = v[6] * 10 + v[7];
    static constexpr int monthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y == 0 || m < 1 || m > 12 || d < 1 || d > monthDays[m] + (m == 2 && isLeap(y) ? 1 : 0))
        return 0;
    return julianDay(y, m, d);
}

QString connectionString(const QString& commonDataFolder) {
    return QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + commonDataFolder +
           QStringLiteral("/Pellworth/") + QStringLiteral("Corvanna") +
           QStringLiteral("/dbRooms.mdb;JET OLEDB:Database Password=");
}

QString dataSourceOf(const QString& connectionString) {
    const qsizetype start = connectionString.indexOf(kSourceKey, 0, Qt::CaseInsensitive);
    if (start < 0) return {};
    const qsizetype from = start + kSourceKey.size();
    const qsizetype end = connectionString.indexOf(QLatin1Char(';'), from);
    return connectionString.mid(from, end < 0 ? -1 : end - from);
}

Connection::Connection(QString name)
    : m_name(std::move(name)) {}

Connection::~Connection() {
    close();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::removeDatabase(m_name);
}

void Connection::open(const QString& connectionString) {
    stopBackgroundCheck();
    if (isServerTarget(connectionString)) {
        close();
        if (!m_server) m_server = std::make_unique<ServerLink>();
        m_server->open(connectionString.trimmed(), collationLanguageOf(QLocale().name()));
        return;
    }
    m_server.reset();
    const QString path = dataSourceOf(connectionString);
    m_damaged = false;
    m_checked = false;
    QSqlDatabase db = QSqlDatabase::contains(m_name)
                          ? QSqlDatabase::database(m_name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    if (!db.isValid()) throw Failure(QStringLiteral("The SQLite database driver is not available"));
    // mode=rw: never create a missing file, whatever the driver would do by default.
    db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (path.isEmpty() || !db.open()) {
        const QString text = path.isEmpty() ? QStringLiteral("unable to open database file")
                                            : engineText(db.lastError());
        db.close();
        throw Failure(text);
    }
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
    // Full sync with the rollback journal: a confirmed save survives a crash or a power cut. The
    // engine answers the journal setting with the mode it now uses; a file it keeps in another
    // mode (one held open in write-ahead mode elsewhere) is refused rather than used unsafely.
    QString refusal;
    if (!probe.exec(QStringLiteral("PRAGMA synchronous=FULL")) ||
        !probe.exec(QStringLiteral("PRAGMA journal_mode=DELETE")))
        refusal = engineText(probe.lastError());
    else if (const QString mode = probe.next() ? probe.value(0).toString() : QString();
             mode.compare(QLatin1String("delete"), Qt::CaseInsensitive) != 0)
        refusal =
            QStringLiteral("cannot change into delete mode: the journal mode is %1").arg(mode);
    probe.finish();
    if (!refusal.isEmpty()) {
        probe = QSqlQuery();
        db.close();
        throw Failure(refusal);
    }
    // A database written by a newer program is never used, let alone changed.
    try {
        refuseNewerFile(handle());
    } catch (const Failure&) {
        probe = QSqlQuery();
        db.close();
        throw;
    }
}

// The whole file is checked on a read-only connection of its own while the desk works; a check
// that cannot run (another program holds the file) runs again at the first write.
void Connection::startBackgroundCheck() {
    sqlite3* own = handle();
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

void Connection::stopBackgroundCheck() {
    if (!m_background) return;
    {
        const std::lock_guard lock(m_background->mutex);
        m_background->stopped = true;
        if (m_background->db) sqlite3_interrupt(m_background->db);
    }
    m_background->finding.wait();
    m_background.reset();
}

int Connection::state() const {
    if (m_server) return m_server->isOpen() ? 1 : 0;
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen() ? 1 : 0;
}

void Connection::close() {
    stopBackgroundCheck();
    if (m_server) m_server->close();
    if (QSqlDatabase::contains(m_name)) QSqlDatabase::database(m_name, false).close();
}

int Connection::execute(const QString& statement) {
    if (state() == 0) throw Failure(kObjectClosed);
    if (m_server) return m_server->execute(statement);
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

int Connection::execute(const QString& statement, const QVariantList& values) {
    if (state() == 0) throw Failure(kObjectClosed);
    // The file's placeholders mean nothing to the server: its text comes as an OwnStatement.
    if (m_server) throw Failure(QStringLiteral("This statement has no text for a database server"));
    checkBeforeFirstWrite();
    if (m_damaged) throw Failure(kDamaged);
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    bool ok = query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!ok || !query.exec()) {
        const QSqlError error = query.lastError();
        noteFailure(error.nativeErrorCode().toInt());
        throw Failure(engineText(error));
    }
    return query.numRowsAffected();
}

int Connection::execute(const OwnStatement& statement, const QVariantList& values) {
    if (ServerLink* link = server()) {
        QStringList texts;
        for (const QVariant& value : values)
            texts << (value.isNull() ? QString() : value.toString());
        PGresult* r = link->run(QString::fromUtf8(statement.server), texts);
        const int rows = QByteArray(PQcmdTuples(r)).toInt();
        PQclear(r);
        return rows;
    }
    const QString file = QString::fromUtf8(statement.file);
    return values.isEmpty() ? execute(file) : execute(file, values);
}

void Connection::noteFailure(int engineCode) {
    if (isDamage(engineCode)) m_damaged = true;
}

// Writing into a damaged file spreads the damage and can lose rows that are still readable, so
// the whole file is checked once before this connection first writes to it: a save that comes
// while the check started at the open still runs waits for it.
void Connection::checkBeforeFirstWrite() {
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
    const CheckResult result = quickCheck(handle());
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

ServerLink& Connection::serverLink() {
    if (!m_server) m_server = std::make_unique<ServerLink>();
    return *m_server;
}

sqlite3* Connection::handle() const {
    if (m_server || state() == 0) return nullptr;
    const QVariant handle = QSqlDatabase::database(m_name, false).driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(handle.data());
}

ResultSet::~ResultSet() {
    close();
}

void ResultSet::open(const QString& statement, Connection& connection) {
    close();
    if (ServerLink* server = connection.server()) {
        auto cursor = std::make_unique<ServerCursor>();
        cursor->open(statement, *server);
        m_server = std::move(cursor);
        m_connection = &connection;
        return;
    }
    prepare(translateDates(statement).toUtf8(), {}, connection);
}

void ResultSet::open(const OwnStatement& statement, const QStringList& parameters,
                     Connection& connection) {
    close();
    if (ServerLink* server = connection.server()) {
        auto cursor = std::make_unique<ServerCursor>();
        cursor->open(statement.server, parameters, *server);
        m_server = std::move(cursor);
        m_connection = &connection;
        return;
    }
    prepare(QByteArray(statement.file), parameters, connection);
}

void ResultSet::prepare(const QByteArray& sql, const QStringList& parameters,
                        Connection& connection) {
    close();
    sqlite3* db = connection.handle();
    if (!db) throw Failure(kObjectClosed);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK ||
        !stmt) {
        connection.noteFailure(sqlite3_errcode(db));
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
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QByteArray value = parameters[i].toUtf8();
        if (sqlite3_bind_text(stmt, int(i + 1), value.constData(), int(value.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK) {
            const QString text = engineText(db);
            sqlite3_finalize(stmt);
            throw Failure(text);
        }
    }
    m_statement = stmt;
    m_db = db;
    m_connection = &connection;
    moveNext();
}

bool ResultSet::eof() const {
    check();
    return m_server ? m_server->eof() : m_eof;
}

void ResultSet::moveNext() {
    check();
    if (m_server) {
        m_server->moveNext();
        return;
    }
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW) {
        m_eof = false;
    } else if (rc == SQLITE_DONE) {
        m_eof = true;
    } else {
        m_eof = true;
        const QString text = engineText(m_db);
        if (m_connection) m_connection->noteFailure(rc);
        close();
        throw Failure(text);
    }
}

void ResultSet::close() {
    m_server.reset();
    if (m_statement) sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_db = nullptr;
    m_connection = nullptr;
    m_eof = true;
}

void ResultSet::check() const {
    if (!state()) throw Failure(kObjectClosed);
}

int ResultSet::columnIndex(const char* column) const {
    check();
    if (m_server) {
        const int i = m_server->columnOf(column);
        if (i >= 0) return i;
    }
    const int count = m_server ? 0 : sqlite3_column_count(m_statement);
    for (int i = 0; i < count; ++i)
        if (sqlite3_stricmp(sqlite3_column_name(m_statement, i), column) == 0) return i;
    throw Failure(QStringLiteral(
        "Item cannot be found in the collection corresponding to the requested name or ordinal."));
}

bool ResultSet::isNull(const char* column) const {
    const int i = columnIndex(column);
    if (eof())
        throw Failure(
            QStringLiteral("Either BOF or EOF is True, or the current record has been deleted."));
    if (m_server) return m_server->isNull(i);
    return sqlite3_column_type(m_statement, i) == SQLITE_NULL;
}

int ResultSet::columnCount() const {
    if (m_server) return m_server->columnCount();
    return m_statement ? sqlite3_column_count(m_statement) : 0;
}

const char* ResultSet::columnName(int column) const {
    if (m_server) return m_server->columnName(column);
    return sqlite3_column_name(m_statement, column);
}

CursorValue ResultSet::value(int column, CursorValue::Type wanted) const {
    if (m_server) return m_server->value(column, wanted);
    CursorValue v;
    // One call into the connection per value (the serialized library locks it on every call);
    // the value is then read as it stands. Reads run on the connection's only thread.
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

QString ResultSet::text(const char* column) const {
    if (isNull(column)) return {};
    const int i = columnIndex(column);
    if (m_server) return QString::fromUtf8(m_server->text(i), m_server->length(i));
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, i));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, i));
}

} // namespace corvanna
