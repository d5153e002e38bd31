#include "serverlink.h"

#include "base/failure.h"
#include "store/literals.h"
#include "store/schemahistory.h"

#include <libpq-fe.h>

namespace corvanna {

namespace {

const QString& kClosed = kObjectClosed;
const char* const kLockNotAvailable = "55P03"; // SQLSTATE of a lock_timeout that ran out

// libpq's own words for a connection that failed, without its trailing line break.
QString connectionError(const PGconn* conn) {
    return conn ? QString::fromUtf8(PQerrorMessage(conn)).trimmed()
                : QStringLiteral("out of memory");
}

// The server's words for a failed statement: its primary message (the "ERROR:" prefix and the
// statement's position are libpq's decoration), or libpq's when the server said nothing.
QString resultError(const PGresult* result, const PGconn* conn) {
    // A lock wait that ran out is said as the file says it, so the desk reads one message.
    const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
    if (state && qstrcmp(state, kLockNotAvailable) == 0)
        return QStringLiteral("database is locked");
    const char* primary = result ? PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    if (primary && *primary) return QString::fromUtf8(primary).trimmed();
    const char* message = result ? PQresultErrorMessage(result) : nullptr;
    if (message && *message) return QString::fromUtf8(message).trimmed();
    return connectionError(conn);
}

struct Result {
    PGresult* r;
    explicit Result(PGresult* result)
        : r(result) {}
    ~Result() { PQclear(r); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
};

bool succeeded(const PGresult* r) {
    const ExecStatusType s = PQresultStatus(r);
    return s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK;
}

// One statement of a schema change: a refusal rolls back the transaction under way and throws
// the server's words. True when the first value is true (a presence check).
bool schemaStep(PGconn* conn, const QString& sql) {
    Result r(PQexec(conn, sql.toUtf8().constData()));
    if (!succeeded(r.r)) {
        const QString text = resultError(r.r, conn);
        if (PQtransactionStatus(conn) != PQTRANS_IDLE) PQclear(PQexec(conn, "rollback"));
        throw Failure(text);
    }
    return PQntuples(r.r) > 0 && qstrcmp(PQgetvalue(r.r, 0, 0), "t") == 0;
}

} // namespace

bool isServerTarget(const QString& target) {
    const QString t = target.trimmed();
    if (t.startsWith(QStringLiteral("postgresql://"), Qt::CaseInsensitive) ||
        t.startsWith(QStringLiteral("postgres://"), Qt::CaseInsensitive))
        return true;
    // key=value form: a libpq keyword first. The file's connection string names a provider.
    static const char* const kKeys[] = {
        "host=", "hostaddr=", "dbname=", "service=", "port=", "user="};
    for (const char* key : kKeys)
        if (t.startsWith(QLatin1String(key), Qt::CaseInsensitive)) return true;
    return false;
}

QString collationLanguageOf(const QString& localeName) {
    QString tag = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    if (tag.isEmpty() || tag == QLatin1String("C") || tag == QLatin1String("POSIX"))
        return QStringLiteral("und");
    for (const QChar c : tag)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-'))
            return QStringLiteral("und");
    return tag;
}

QStringList serverSchema(const QString& language) {
    const QString tag = collationLanguageOf(language);
    return {
        // Guest names follow the desk's language: accents beside their letters, case second.
        QStringLiteral("create collation if not exists corvanna_names "
                       "(provider = icu, locale = '%1')")
            .arg(tag),
        QStringLiteral("create table tblRooms ("
                       " id bigint generated always as identity (no cycle) primary key,"
                       " GuestName text collate corvanna_names,"
                       " Accommodation text,"
                       " NoOfRooms integer,"
                       " Type text,"
                       " ServiceIncluded text,"
                       " NoOfPersons integer,"
                       " CheckInDate date,"
                       " CheckOutDate date,"
                       " CreditCardType text,"
                       " CreditCardNo text,"
                       " PhoneNumber text,"
                       " Address text)"),
        // The date range reads through this index, as on the file.
        QStringLiteral("create index idxRoomsStay on tblRooms (CheckInDate, CheckOutDate)"),
        // Every change tells the listening desks; the notice names no row, a desk refills.
        QStringLiteral("create or replace function corvanna_rooms_changed() returns trigger "
                       "language plpgsql as $$ begin perform pg_notify('%1', ''); "
                       "return null; end $$")
            .arg(QLatin1String(ServerLink::changeChannel())),
        QStringLiteral("create trigger trgRoomsChanged after insert or update or delete or "
                       "truncate on tblRooms for each statement "
                       "execute function corvanna_rooms_changed()"),
    };
}

namespace {
constexpr const char* kReadRow =
    "select xmin::text, GuestName, Accommodation, NoOfRooms::text, Type, ServiceIncluded, "
    "NoOfPersons::text, CheckInDate::text, CheckOutDate::text, CreditCardType, CreditCardNo, "
    "PhoneNumber, Address from tblRooms where id = $1::bigint";

// A statement's values as libpq takes them: UTF-8 texts, a null QString as SQL null.
class BoundValues {
public:
    explicit BoundValues(const QStringList& values) {
        m_bytes.reserve(size_t(values.size()));
        for (const QString& v : values) {
            m_bytes.push_back(v.toUtf8());
            m_params.push_back(v.isNull() ? nullptr : m_bytes.back().constData());
        }
    }
    int count() const { return int(m_params.size()); }
    const char* const* data() const { return m_params.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<const char*> m_params;
};

std::optional<RowVersion> rowOf(PGresult* r) {
    if (PQntuples(r) == 0) return std::nullopt;
    RowVersion row;
    row.version = QString::fromUtf8(PQgetvalue(r, 0, 0));
    for (int c = 1; c < PQnfields(r); ++c)
        row.values << QString::fromUtf8(PQgetvalue(r, 0, c));
    return row;
}
} // namespace

std::optional<RowVersion> ServerLink::readRow(const QString& id) {
    Result r(run(QString::fromLatin1(kReadRow), {id}));
    return rowOf(r.r);
}

std::optional<RowVersion> ServerLink::lockRow(const QString& id) {
    Result begin(run(QStringLiteral("begin")));
    try {
        Result r(run(QString::fromLatin1(kReadRow) + QStringLiteral(" for update"), {id}));
        return rowOf(r.r);
    } catch (...) {
        rollback();
        throw;
    }
}

void ServerLink::commit() {
    Result r(run(QStringLiteral("commit")));
}

void ServerLink::setLockWait(int ms) noexcept {
    // A session not open or dropped takes the default from its options when it connects again.
    if (!m_conn || PQstatus(m_conn) != CONNECTION_OK) return;
    const QByteArray value = QByteArray::number(ms);
    const char* const params[] = {value.constData()};
    PQclear(PQexecParams(m_conn, "select set_config('lock_timeout', $1, false)", 1, nullptr, params,
                         nullptr, nullptr, 0));
}

void ServerLink::rollback() {
    if (m_conn && PQstatus(m_conn) == CONNECTION_OK) PQclear(PQexec(m_conn, "rollback"));
}

const char* ServerLink::changeChannel() {
    return "corvanna_rooms";
}

ServerLink::ServerLink() = default;

ServerLink::~ServerLink() {
    close();
}

void ServerLink::open(const QString& target, const QString& collationLanguage) {
    close();
    m_target = target.toUtf8();
    m_language = collationLanguage;
    connect();
    int version = 0;
    try {
        ensureSchema();
        // A database written by a newer program is never used, let alone changed.
        version = serverSchemaVersion(m_conn);
        if (version > newestSchemaVersion())
            throw Failure(newerSchemaMessage(version, newestSchemaVersion()));
    } catch (...) {
        close();
        throw;
    }
    // A database made by an older program gets the steps it lacks now; one that cannot take
    // them (no right to create) works without them, and schemaUpgradeProblem says why. One at the
    // newest step is not asked again.
    if (version < newestSchemaVersion()) {
        try {
            upgradeServerSchema(m_conn);
        } catch (const Failure&) {
        }
    }
}

namespace {
// The parameters of every session of the program, for libpq's blocking or step-by-step connect.
template <typename Connect>
PGconn* withSessionParameters(const ServerLink::Reach& reach, Connect connect) {
    // The desk's target first; what follows overrides it: UTF-8 text, ISO dates, quotes as the
    // standard has them (a backslash in a name is a backslash), and every wait bounded: a lock
    // another session holds is waited for as long as the file waits for one, any statement for
    // kStatementTimeoutMs.
    static const QByteArray kSessionOptions =
        QByteArrayLiteral("-c DateStyle=ISO,MDY -c standard_conforming_strings=on") +
        " -c lock_timeout=" + QByteArray::number(ServerLink::kLockTimeoutMs) +
        " -c statement_timeout=" + QByteArray::number(ServerLink::kStatementTimeoutMs);
    static const QByteArray kConnectTimeout =
        QByteArray::number(ServerLink::kConnectTimeoutMs / 1000);
    const char* const keys[] = {"dbname",
                                "client_encoding",
                                "options",
                                "application_name",
                                "connect_timeout",
                                reach.hasPassword ? "password" : nullptr,
                                nullptr};
    const char* const values[] = {reach.target.constData(),
                                  "UTF8",
                                  kSessionOptions.constData(),
                                  "Corvanna",
                                  kConnectTimeout.constData(),
                                  reach.password.constData(),
                                  nullptr};
    return connect(keys, values, 1);
}
} // namespace

pg_conn* ServerLink::connectSession(const Reach& reach, QString* error) {
    PGconn* conn = withSessionParameters(reach, PQconnectdbParams);
    if (conn && PQstatus(conn) == CONNECTION_OK) return conn;
    if (error) *error = connectionError(conn);
    return conn;
}

pg_conn* ServerLink::startSession(const Reach& reach) {
    return withSessionParameters(reach, PQconnectStartParams);
}

QString ServerLink::sessionError(const pg_conn* conn) {
    return connectionError(conn);
}

void ServerLink::reopen() {
    open(QString::fromUtf8(m_target), m_language);
}

void ServerLink::openReader(const Reach& reach) {
    close();
    m_target = reach.target;
    m_password = reach.password;
    m_hasPassword = reach.hasPassword;
    QString text;
    PGconn* conn = connectSession(reach, &text);
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        PQfinish(conn);
        throw Failure(text);
    }
    m_conn = conn;
}

void ServerLink::connect() {
    QString text;
    PGconn* conn = connectSession(reach(), &text);
    m_passwordWanted = false;
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        notePasswordWanted(conn);
        PQfinish(conn);
        throw Failure(text);
    }
    m_conn = conn;
    Result listen(PQexec(m_conn, (QByteArray("listen ") + changeChannel()).constData()));
    if (!succeeded(listen.r)) throw Failure(resultError(listen.r, m_conn));
}

void ServerLink::setPassword(const QString& password) {
    m_password = password.toUtf8();
    m_hasPassword = true;
}

void ServerLink::notePasswordWanted(const pg_conn* conn) {
    // libpq had no password for a server that asks for one; or the desk's was refused.
    m_passwordWanted = conn && (PQconnectionNeedsPassword(conn) ||
                                (m_hasPassword && PQconnectionUsedPassword(conn)));
    if (m_passwordWanted)
        m_passwordFor = QString::fromUtf8(PQuser(conn)) + QStringLiteral(" for ") +
                        QString::fromUtf8(PQdb(conn)) + QStringLiteral(" on ") +
                        QString::fromUtf8(PQhost(conn)) + QLatin1Char(':') +
                        QString::fromUtf8(PQport(conn));
}

void ServerLink::ensureSchema() {
    Result present(PQexec(m_conn, "select to_regclass('tblrooms') is not null"));
    if (!succeeded(present.r)) throw Failure(resultError(present.r, m_conn));
    if (qstrcmp(PQgetvalue(present.r, 0, 0), "t") == 0) return;
    // Two desks starting together: the second waits for the first and then finds the table.
    auto exec = [this](const QString& sql) { return schemaStep(m_conn, sql); };
    exec(QStringLiteral("begin"));
    exec(QString::fromLatin1(serverSchemaLock()));
    if (!exec(QStringLiteral("select to_regclass('tblrooms') is not null"))) {
        for (const QString& sql : serverSchema(m_language))
            exec(sql);
        upgradeServerSchema(m_conn, schemaHistory(), true);
    }
    exec(QStringLiteral("commit"));
}

bool ServerLink::lost() const {
    return m_conn && PQstatus(m_conn) != CONNECTION_OK;
}

bool ServerLink::isOpen() const {
    return m_conn != nullptr;
}

void ServerLink::close() {
    if (m_conn) PQfinish(m_conn);
    m_conn = nullptr;
}

PGconn* ServerLink::ready() {
    if (!m_conn) throw Failure(kClosed);
    if (PQstatus(m_conn) == CONNECTION_OK) return m_conn;
    // The server went away (restart, network, a standby taking over): a new session, listening
    // again. A reset does not run statements, so nothing is written twice.
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK) throw Failure(connectionError(m_conn));
    Result listen(PQexec(m_conn, (QByteArray("listen ") + changeChannel()).constData()));
    if (!succeeded(listen.r)) throw Failure(resultError(listen.r, m_conn));
    return m_conn;
}

int ServerLink::execute(const QString& statement) {
    PGconn* conn = ready();
    const QByteArray sql = translateForServer(statement).toUtf8();
    // The extended protocol takes one statement only: text after a ';' cannot ride along.
    Result r(PQexecParams(conn, sql.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0));
    if (!succeeded(r.r)) throw Failure(resultError(r.r, conn));
    const char* rows = PQcmdTuples(r.r);
    return rows && *rows ? QByteArray(rows).toInt() : 0;
}

PGresult* ServerLink::run(const QString& sql, const QStringList& values) {
    PGconn* conn = ready();
    const BoundValues params(values);
    PGresult* r = PQexecParams(conn, sql.toUtf8().constData(), params.count(), nullptr,
                               params.data(), nullptr, nullptr, 0);
    if (!succeeded(r)) {
        const QString text = resultError(r, conn);
        PQclear(r);
        throw Failure(text);
    }
    return r;
}

QString ServerLink::description() const {
    if (!m_conn) return {};
    const QString host = QString::fromUtf8(PQhost(m_conn));
    const QString where = host.startsWith(QLatin1Char('/'))
                              ? host
                              : host + QLatin1Char(':') + QString::fromUtf8(PQport(m_conn));
    return QString::fromUtf8(PQdb(m_conn)) + QStringLiteral(" on ") + where;
}

int ServerLink::socket() const {
    return m_conn ? PQsocket(m_conn) : -1;
}

bool ServerLink::takeChangeNotices() {
    if (!m_conn || PQstatus(m_conn) != CONNECTION_OK) return false;
    PQconsumeInput(m_conn);
    bool changed = false;
    const int self = PQbackendPID(m_conn);
    while (PGnotify* n = PQnotifies(m_conn)) {
        if (n->be_pid != self && qstrcmp(n->relname, changeChannel()) == 0) changed = true;
        PQfreemem(n);
    }
    return changed;
}

ServerCursor::~ServerCursor() {
    close();
}

void ServerCursor::open(const QString& statement, ServerLink& link) {
    start(translateForServer(statement).toUtf8(), {}, link);
}

void ServerCursor::open(const char* sql, const QStringList& values, ServerLink& link) {
    start(QByteArray(sql), values, link);
}

void ServerCursor::start(const QByteArray& sql, const QStringList& values, ServerLink& link) {
    close();
    PGconn* conn = link.ready();
    // A result set only reads: the select runs in a read-only transaction, or inside the
    // transaction under way (a save's), which it leaves to its owner.
    m_ownTransaction = PQtransactionStatus(conn) == PQTRANS_IDLE;
    if (m_ownTransaction) {
        Result begin(PQexec(conn, "begin transaction read only"));
        if (!succeeded(begin.r)) throw Failure(resultError(begin.r, conn));
    }
    const BoundValues params(values);
    if (!PQsendQueryParams(conn, sql.constData(), params.count(), nullptr, params.data(), nullptr,
                           nullptr, 0) ||
        !PQsetSingleRowMode(conn)) {
        const QString text = connectionError(conn);
        drain();
        if (m_ownTransaction) Result rollback(PQexec(conn, "rollback"));
        throw Failure(text);
    }
    m_link = &link;
    m_eof = false;
    fetch();
}

void ServerCursor::fetch() {
    PGconn* conn = m_link->handle();
    PQclear(m_row);
    m_row = PQgetResult(conn);
    const ExecStatusType status = m_row ? PQresultStatus(m_row) : PGRES_FATAL_ERROR;
    if (m_names.empty() && m_row && (status == PGRES_SINGLE_TUPLE || status == PGRES_TUPLES_OK)) {
        const int n = PQnfields(m_row);
        for (int i = 0; i < n; ++i)
            m_names.emplace_back(PQfname(m_row, i));
    }
    if (status == PGRES_SINGLE_TUPLE) return;
    m_eof = true;
    if (status == PGRES_TUPLES_OK) {
        drain();
        return;
    }
    const QString text = status == PGRES_COMMAND_OK ? QStringLiteral("A result set can only read")
                                                    : resultError(m_row, conn);
    close();
    throw Failure(text);
}

void ServerCursor::moveNext() {
    if (!m_link) throw Failure(kClosed);
    if (m_eof) return;
    fetch();
}

void ServerCursor::drain() {
    if (!m_link) return;
    while (PGresult* r = PQgetResult(m_link->handle()))
        PQclear(r);
}

void ServerCursor::close() {
    if (m_link) {
        PGconn* conn = m_link->handle();
        if (m_ownTransaction && PQtransactionStatus(conn) == PQTRANS_ACTIVE) {
            // Closed before the last row: the rest is not wanted.
            if (PGcancel* cancel = PQgetCancel(conn)) {
                char buffer[256];
                PQcancel(cancel, buffer, sizeof buffer);
                PQfreeCancel(cancel);
            }
        }
        drain();
        if (m_ownTransaction && PQstatus(conn) == CONNECTION_OK) PQclear(PQexec(conn, "rollback"));
    }
    PQclear(m_row);
    m_row = nullptr;
    m_link = nullptr;
    m_names.clear();
    m_eof = true;
}

int ServerCursor::columnCount() const {
    return int(m_names.size());
}

int ServerCursor::columnOf(const char* name) const {
    for (size_t i = 0; i < m_names.size(); ++i)
        if (qstricmp(m_names[i].constData(), name) == 0) return int(i);
    return -1;
}

const char* ServerCursor::columnName(int column) const {
    return m_names.at(size_t(column)).constData();
}

bool ServerCursor::isNull(int column) const {
    return m_eof || !m_row || PQgetisnull(m_row, 0, column);
}

const char* ServerCursor::text(int column) const {
    return m_row && !m_eof ? PQgetvalue(m_row, 0, column) : "";
}

int ServerCursor::length(int column) const {
    return m_row && !m_eof ? PQgetlength(m_row, 0, column) : 0;
}

CursorValue ServerCursor::value(int column, CursorValue::Type wanted) const {
    CursorValue v;
    if (m_eof || !m_row || PQgetisnull(m_row, 0, column)) return v;
    v.bytes = PQgetvalue(m_row, 0, column);
    v.size = PQgetlength(m_row, 0, column);
    v.type = CursorValue::Text;
    if (wanted == CursorValue::Integer && v.size > 0 && v.size <= 18) {
        // The server writes whole numbers as plain decimal digits, a minus sign first.
        const bool negative = v.bytes[0] == '-';
        qint64 n = 0;
        qsizetype i = negative ? 1 : 0;
        for (; i < v.size && v.bytes[i] >= '0' && v.bytes[i] <= '9'; ++i)
            n = n * 10 + (v.bytes[i] - '0');
        if (i == v.size && v.size > (negative ? 1 : 0)) {
            v.type = CursorValue::Integer;
            v.number = negative ? -n : n;
        }
    } else if (wanted == CursorValue::Day) {
        // ISO dates (the session's DateStyle); years past 9999 or before Christ stay text.
        if (const qint64 day = isoDayNumber(v.bytes, v.size)) {
            v.type = CursorValue::Day;
            v.number = day;
        }
    }
    return v;
}

} // namespace corvanna
