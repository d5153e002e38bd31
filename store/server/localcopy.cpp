#include "localcopy.h"

#include "base/failure.h"
#include "base/privatefiles.h"
#include "store/connection.h"
#include "store/file/fileengine.h"
#include "store/schemahistory.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <libpq-fe.h>
#include <sqlite3.h>

namespace corvanna {

namespace {

// The server's whole-number types, written to the copy as whole numbers (the file's columns check
// the type).
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;

// libpq's waits for a probe of a server that went away, in seconds.
const char* const kProbeTimeoutSeconds = "3";

const char* const kCopyTable = "corvanna_copy";

// The value libpq takes for a keyword of the target, or its default (environment, then
// built-in); empty when it has neither.
QString targetValue(const QString& target, const char* keyword) {
    QString value;
    char* error = nullptr;
    if (PQconninfoOption* parsed = PQconninfoParse(target.toUtf8().constData(), &error)) {
        for (PQconninfoOption* o = parsed; o->keyword; ++o)
            if (qstrcmp(o->keyword, keyword) == 0 && o->val && *o->val)
                value = QString::fromUtf8(o->val);
        PQconninfoFree(parsed);
    }
    PQfreemem(error);
    if (!value.isEmpty()) return value;
    if (PQconninfoOption* defaults = PQconndefaults()) {
        for (PQconninfoOption* o = defaults; o->keyword; ++o)
            if (qstrcmp(o->keyword, keyword) == 0 && o->val && *o->val)
                value = QString::fromUtf8(o->val);
        PQconninfoFree(defaults);
    }
    return value;
}

// A part of a file name: letters, digits, dots and hyphens; anything else an underscore.
QString namePart(const QString& text) {
    QString part = text;
    for (QChar& c : part)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') &&
            c != QLatin1Char('-'))
            c = QLatin1Char('_');
    return part;
}

struct Session {
    PGconn* conn;
    ~Session() { PQfinish(conn); }
};

struct Result {
    PGresult* r;
    ~Result() { PQclear(r); }
};

struct CopyFile {
    sqlite3* db = nullptr;
    ~CopyFile() { sqlite3_close(db); }
    void exec(const QByteArray& sql) {
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
    }
};

PGresult* serverRead(PGconn* conn, const QByteArray& sql, const char* value = nullptr) {
    const char* const params[] = {value};
    PGresult* r =
        PQexecParams(conn, sql.constData(), value ? 1 : 0, nullptr, params, nullptr, nullptr, 0);
    const ExecStatusType s = PQresultStatus(r);
    if (s == PGRES_TUPLES_OK || s == PGRES_COMMAND_OK) return r;
    const QString words = QString::fromUtf8(PQresultErrorMessage(r)).trimmed();
    PQclear(r);
    throw Failure(words);
}

// One table of the server into the same table of the copy, every row as it stands.
void copyTable(PGconn* conn, CopyFile& file, const char* table) {
    Result present{serverRead(conn, "select to_regclass($1) is not null", table)};
    // A database an older program made may lack a later table: the copy keeps its empty one.
    if (qstrcmp(PQgetvalue(present.r, 0, 0), "t") != 0) return;
    Result rows{serverRead(conn, QByteArray("select * from ") + table)};
    const int columns = PQnfields(rows.r);
    QByteArray insert = QByteArray("insert into ") + table + " (";
    QByteArray values;
    for (int c = 0; c < columns; ++c) {
        insert += (c ? ", " : "") + QByteArray(PQfname(rows.r, c));
        values += (c ? ", ?" : "?") + QByteArray::number(c + 1);
    }
    insert += ") values (" + values + ")";
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(file.db, insert.constData(), -1, &st, nullptr) != SQLITE_OK)
        throw Failure(QString::fromUtf8(sqlite3_errmsg(file.db)));
    for (int r = 0; r < PQntuples(rows.r); ++r) {
        sqlite3_reset(st);
        for (int c = 0; c < columns; ++c) {
            const Oid type = PQftype(rows.r, c);
            if (PQgetisnull(rows.r, r, c))
                sqlite3_bind_null(st, c + 1);
            else if (type == kInt8 || type == kInt4 || type == kInt2)
                sqlite3_bind_int64(st, c + 1, QByteArray(PQgetvalue(rows.r, r, c)).toLongLong());
            else
                sqlite3_bind_text(st, c + 1, PQgetvalue(rows.r, r, c), PQgetlength(rows.r, r, c),
                                  SQLITE_TRANSIENT);
        }
        if (sqlite3_step(st) != SQLITE_DONE) {
            const QString words = QString::fromUtf8(sqlite3_errmsg(file.db));
            sqlite3_finalize(st);
            throw Failure(words);
        }
    }
    sqlite3_finalize(st);
}

// The copy standing in for the server: it reads as the file does and writes nothing.
class LocalCopyEngine final : public Engine {
public:
    LocalCopyEngine(const QString& connectionName, QString serverDescription)
        : m_file(connectionName)
        , m_server(std::move(serverDescription)) {}
    void open(const QString& path) { m_file.open(path, true); }

    bool isOpen() const override { return m_file.isOpen(); }
    void close() override { m_file.close(); }
    int execute(const QString&) override { throw Failure(localCopyRefusal()); }
    std::unique_ptr<EngineCursor> select(const QString& statement) override {
        return m_file.select(statement);
    }
    int execute(const OwnStatement&, const QVariantList&) override {
        throw Failure(localCopyRefusal());
    }
    std::unique_ptr<EngineCursor> select(const OwnStatement& statement,
                                         const QStringList& values) override {
        return m_file.select(statement, values);
    }
    // The copy is written at the newest step; it is never changed here.
    void upgradeSchema(const std::vector<SchemaStep>&) override {}
    std::optional<RowVersion> readRow(const QString& id) override { return m_file.readRow(id); }
    std::optional<RowVersion> lockRow(const QString&) override {
        throw Failure(localCopyRefusal());
    }
    void commit() override { throw Failure(localCopyRefusal()); }
    void rollback() noexcept override {}
    bool takeChanges() override { return false; }
    void setLockWait(int) override {}
    QString description() const override { return m_server; }
    bool has(Capability) const override { return false; }

private:
    FileEngine m_file;
    QString m_server;
};

} // namespace

const std::vector<const char*>& mirroredTables() {
    static const std::vector<const char*> tables = {"tblRooms", "tblInventory"};
    return tables;
}

QString targetDescription(const QString& target) {
    QString host = targetValue(target, "host");
    if (host.isEmpty()) host = QStringLiteral("localhost");
    QString port = targetValue(target, "port");
    if (port.isEmpty()) port = QStringLiteral("5432");
    QString database = targetValue(target, "dbname");
    if (database.isEmpty()) database = targetValue(target, "user");
    return database + QStringLiteral(" on ") +
           (host.startsWith(QLatin1Char('/')) ? host : host + QLatin1Char(':') + port);
}

QString localCopyPath(const QString& dataFolder, const QString& target) {
    const QString description = targetDescription(target);
    const QString database = description.section(QStringLiteral(" on "), 0, 0);
    const QString where = description.section(QStringLiteral(" on "), 1);
    return dataFolder + QStringLiteral("/server-") + namePart(where) + QLatin1Char('-') +
           namePart(database) + QStringLiteral(".mdb");
}

QDateTime localCopyTime(const QString& path) {
    CopyFile file;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &file.db, SQLITE_OPEN_READONLY,
                        nullptr) != SQLITE_OK)
        return {};
    sqlite3_stmt* st = nullptr;
    QDateTime asOf;
    const QByteArray sql = QByteArray("select AsOf from ") + kCopyTable;
    if (sqlite3_prepare_v2(file.db, sql.constData(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        asOf = QDateTime::fromSecsSinceEpoch(sqlite3_column_int64(st, 0));
    sqlite3_finalize(st);
    return asOf;
}

void writeLocalCopy(const ServerLink::Reach& reach, const QString& templatePath,
                    const QString& path) {
    QString words;
    Session server{ServerLink::connectSession(reach, &words)};
    if (!server.conn || PQstatus(server.conn) != CONNECTION_OK) throw Failure(words);
    // Every table and the time from one snapshot of the server.
    Result begin{serverRead(server.conn, "begin isolation level repeatable read read only")};
    Result now{serverRead(server.conn, "select extract(epoch from now())::bigint")};
    const QByteArray asOf = PQgetvalue(now.r, 0, 0);

    // A name of this program's own: another program of the account may refresh the same copy.
    const QString temporary =
        QStringLiteral("%1.%2.new").arg(path).arg(QCoreApplication::applicationPid());
    QFile::remove(temporary); // left by a refresh that was cut short
    copyToPrivateFile(templatePath, temporary);
    try {
        {
            // Every table of the newest schema, whatever the template's age. The engine's
            // connection name is this thread's own.
            FileEngine schema(
                QStringLiteral("localCopy%1").arg(quintptr(QThread::currentThreadId())));
            schema.open(temporary);
            schema.upgradeSchema(schemaHistory());
        }
        CopyFile file;
        if (sqlite3_open_v2(QFile::encodeName(temporary).constData(), &file.db,
                            SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw Failure(QString::fromUtf8(sqlite3_errmsg(file.db)));
        file.exec("begin");
        for (const char* table : mirroredTables()) {
            file.exec(QByteArray("delete from ") + table);
            copyTable(server.conn, file, table);
        }
        file.exec(QByteArray("create table ") + kCopyTable + " (AsOf integer not null)");
        file.exec(QByteArray("insert into ") + kCopyTable + " values (" + asOf + ")");
        file.exec("commit");
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    // rename() replaces the old copy in one step: a reader finds the old one or the new one.
    if (std::rename(QFile::encodeName(temporary).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        throw Failure(qt_error_string(errno));
    }
}

bool serverAccepts(const QString& target) {
    const QByteArray t = target.toUtf8();
    const char* const keys[] = {"dbname", "connect_timeout", nullptr};
    const char* const values[] = {t.constData(), kProbeTimeoutSeconds, nullptr};
    return PQpingParams(keys, values, 1) == PQPING_OK;
}

QString localCopyRefusal() {
    return QCoreApplication::translate(
        "LocalCopy", "The server cannot be reached, so this desk shows a read-only copy of the "
                     "reservations: nothing was saved.");
}

std::unique_ptr<Engine> openLocalCopy(const QString& connectionName, const QString& path,
                                      const QString& serverDescription) {
    auto engine = std::make_unique<LocalCopyEngine>(connectionName, serverDescription);
    engine->open(path);
    return engine;
}

LocalCopyKeeper::LocalCopyKeeper(QString target, QString path, QString templatePath)
    : m_target(std::move(target))
    , m_path(std::move(path))
    , m_template(std::move(templatePath)) {}

LocalCopyKeeper::~LocalCopyKeeper() {
    if (m_refresh.valid()) m_refresh.wait();
    if (m_probe.valid()) m_probe.wait();
}

void LocalCopyKeeper::refresh(Connection& connection) {
    const ServerLink* link = connection.server();
    if (!link) return;
    if (m_refresh.valid())
        m_pending = link->reach();
    else
        startRefresh(link->reach());
}

void LocalCopyKeeper::startRefresh(const ServerLink::Reach& reach) {
    m_refresh = std::async(std::launch::async, [reach, path = m_path, from = m_template] {
        try {
            writeLocalCopy(reach, from, path);
        } catch (const Failure& failure) {
            return failure.description();
        }
        return QString();
    });
}

LocalCopyKeeper::Turn LocalCopyKeeper::tick(Connection& connection) {
    const auto ready = [](const auto& future) {
        return future.valid() &&
               future.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    if (ready(m_refresh)) {
        // A failed refresh keeps the copy before it; the next notice tries again.
        m_refresh.get();
        if (m_pending) startRefresh(*std::exchange(m_pending, std::nullopt));
    }
    const bool onCopy = connection.onLocalCopy();
    // On the server, only a lost session is looked into: a probe tells a server that went away
    // from a session it dropped (which is then taken up again).
    const bool looking = onCopy || connection.lost();
    if (ready(m_probe)) {
        const bool accepts = m_probe.get();
        if (!looking) return Turn::None; // the session came back meanwhile
        try {
            if (accepts) {
                // Back on the server, or on a new session of it: what others saved meanwhile
                // sent no notice here.
                if (onCopy)
                    connection.returnToServer();
                else
                    connection.serverLink().ready();
                refresh(connection);
                return Turn::ToServer;
            }
            if (!onCopy && localCopyTime(m_path).isValid()) {
                connection.openLocalCopy(m_path);
                return Turn::ToCopy;
            }
        } catch (const Failure&) {
            // Stays as it is; probed again later.
        }
        return Turn::None;
    }
    if (looking && !m_probe.valid() &&
        (!m_sinceProbe.isValid() || m_sinceProbe.elapsed() >= kProbeEveryMs)) {
        m_sinceProbe.start();
        m_probe =
            std::async(std::launch::async, [target = m_target] { return serverAccepts(target); });
    }
    return Turn::None;
}

} // namespace corvanna
