#include "localcopy.h"

#include "base/failure.h"
#include "base/privatefiles.h"
#include "store/connection.h"
#include "store/file/fileengine.h"
#include "store/schemahistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <libpq-fe.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>

namespace corvanna {

namespace {

// The server's whole-number types, written to the copy as whole numbers (the file's columns check
// the type).
constexpr Oid kInt8 = 20;
constexpr Oid kInt2 = 21;
constexpr Oid kInt4 = 23;

// libpq's waits for a probe of a server that went away, in seconds and in milliseconds.
const char* const kProbeTimeoutSeconds = "3";
constexpr int kProbeTimeoutMs = 3000;

const char* const kCopyTable = "corvanna_copy";
// Rows a refresh reads from the server at a time: a few hundred kilobytes.
constexpr int kFetchRows = 1000;

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

struct CopyFile {
    sqlite3* db = nullptr;
    ~CopyFile() { sqlite3_close(db); }
    void exec(const QByteArray& sql) {
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    // The named indexes of the mirrored tables (not a key's own): name and statement.
    std::vector<std::pair<QByteArray, QByteArray>> indexesOfMirroredTables() {
        std::vector<std::pair<QByteArray, QByteArray>> indexes;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db,
                               "select name, sql from sqlite_master where type = 'index' and "
                               "sql is not null and tbl_name = ?1",
                               -1, &st, nullptr) != SQLITE_OK)
            throw Failure(QString::fromUtf8(sqlite3_errmsg(db)));
        for (const char* table : mirroredTables()) {
            sqlite3_reset(st);
            sqlite3_bind_text(st, 1, table, -1, SQLITE_STATIC);
            while (sqlite3_step(st) == SQLITE_ROW)
                indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)),
                                     reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        }
        sqlite3_finalize(st);
        return indexes;
    }
};

struct Statement {
    sqlite3_stmt* st = nullptr;
    ~Statement() { sqlite3_finalize(st); }
};

// The copy's temporary file: made for this program alone (private to the account) and locked
// while it is written, so that a start of the program tells a refresh under way from one that
// was cut short. Removed again unless kept.
class TemporaryCopy {
public:
    explicit TemporaryCopy(const QString& path)
        : m_path(path) {
        const QByteArray name = QFile::encodeName(path);
        ::unlink(name.constData()); // this program's own, left by a refresh that was cut short
        m_fd = ::open(name.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
        if (m_fd < 0 || ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) fail();
    }
    const QString& path() const { return m_path; }
    // Starts as the template database.
    void fill(const QString& templatePath) {
        QFile from(templatePath);
        if (!from.open(QIODevice::ReadOnly)) throw Failure(from.errorString());
        constexpr qint64 kChunk = 1 << 16;
        while (!from.atEnd()) {
            const QByteArray bytes = from.read(kChunk);
            if (bytes.isEmpty()) throw Failure(from.errorString());
            for (qsizetype done = 0; done < bytes.size();) {
                const ssize_t n =
                    ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
                if (n < 0 && errno != EINTR) fail();
                if (n > 0) done += n;
            }
        }
    }
    ~TemporaryCopy() {
        if (!m_kept) ::unlink(QFile::encodeName(m_path).constData());
        if (m_fd >= 0) ::close(m_fd); // the lock goes with it
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    // On the disk before the copy's name is given to it.
    void sync() {
        if (::fsync(m_fd) != 0) fail();
    }
    void keep() { m_kept = true; }

private:
    [[noreturn]] void fail() {
        const QString words = qt_error_string(errno);
        ::unlink(QFile::encodeName(m_path).constData());
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
        m_kept = true; // nothing left to remove
        throw Failure(words);
    }
    QString m_path;
    int m_fd = -1;
    bool m_kept = false;
};

// One table of the server into the same table of the copy, through a cursor read in chunks:
// never more than a chunk of rows is held.
void copyTable(PGconn* conn, const StopSignal& stop, CopyFile& file, const char* table) {
    bool present = false;
    readRows(conn, stop, "select to_regclass($1) is not null", table,
             [&](const PGresult* r) { present = qstrcmp(PQgetvalue(r, 0, 0), "t") == 0; });
    // A database an older program made may lack a later table: the copy keeps its empty one.
    if (!present) return;
    readRows(conn, stop, QByteArray("declare mirrored no scroll cursor for select * from ") + table,
             nullptr, [](const PGresult*) {});
    Statement insert;
    std::vector<bool> whole; // a whole number column, written as one (the file checks the type)
    const QByteArray fetch = "fetch " + QByteArray::number(kFetchRows) + " from mirrored";
    for (int fetched = kFetchRows; fetched == kFetchRows;) {
        readRows(conn, stop, fetch, nullptr, [&](const PGresult* r) {
            fetched = PQntuples(r);
            const int columns = PQnfields(r);
            if (!insert.st && fetched) {
                QByteArray sql = QByteArray("insert into ") + table + " (";
                QByteArray values;
                for (int c = 0; c < columns; ++c) {
                    sql += (c ? ", " : "") + QByteArray(PQfname(r, c));
                    values += (c ? ", ?" : "?") + QByteArray::number(c + 1);
                    const Oid type = PQftype(r, c);
                    whole.push_back(type == kInt8 || type == kInt4 || type == kInt2);
                }
                sql += ") values (" + values + ")";
                if (sqlite3_prepare_v2(file.db, sql.constData(), -1, &insert.st, nullptr) !=
                    SQLITE_OK)
                    throw Failure(QString::fromUtf8(sqlite3_errmsg(file.db)));
            }
            for (int row = 0; row < fetched; ++row) {
                sqlite3_reset(insert.st);
                for (int c = 0; c < columns; ++c) {
                    if (PQgetisnull(r, row, c))
                        sqlite3_bind_null(insert.st, c + 1);
                    else if (whole[size_t(c)])
                        sqlite3_bind_int64(insert.st, c + 1,
                                           std::strtoll(PQgetvalue(r, row, c), nullptr, 10));
                    else
                        sqlite3_bind_text(insert.st, c + 1, PQgetvalue(r, row, c),
                                          PQgetlength(r, row, c), SQLITE_STATIC);
                }
                if (sqlite3_step(insert.st) != SQLITE_DONE)
                    throw Failure(QString::fromUtf8(sqlite3_errmsg(file.db)));
                if (stop.raised()) throw Stopped();
            }
        });
    }
    readRows(conn, stop, "close mirrored", nullptr, [](const PGresult*) {});
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
    // Units before the stays that hold them: the file's triggers check both ends of a held night.
    static const std::vector<const char*> tables = {"tblRooms", "tblInventory", "tblUnits",
                                                    "tblStays", "tblStayUnits", "tblCapacity"};
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

bool writeLocalCopy(const ServerLink::Reach& reach, const QString& templatePath,
                    const QString& path, StopSignal* stop) {
    StopSignal never;
    StopSignal& s = stop ? *stop : never;
    Session server{nullptr};
    try {
        server.conn = openSession(reach, s, ServerLink::kConnectTimeoutMs);
    } catch (const Stopped&) {
        return false;
    }
    std::unique_ptr<PGcancel, void (*)(PGcancel*)> cancel(PQgetCancel(server.conn), PQfreeCancel);
    try {
        // A name of this program's own: another program of the account may refresh the same
        // copy.
        TemporaryCopy temporary(
            QStringLiteral("%1.%2.new").arg(path).arg(QCoreApplication::applicationPid()));
        temporary.fill(templatePath);
        const QString& temporaryPath = temporary.path();
        {
            // Every table of the newest schema, whatever the template's age. The engine's
            // connection name is this thread's own.
            FileEngine schema(
                QStringLiteral("localCopy%1").arg(quintptr(QThread::currentThreadId())));
            schema.open(temporaryPath);
            schema.upgradeSchema(schemaHistory());
        }
        {
            CopyFile file;
            if (sqlite3_open_v2(QFile::encodeName(temporaryPath).constData(), &file.db,
                                SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
                throw Failure(QString::fromUtf8(sqlite3_errmsg(file.db)));
            // A file nobody reads before it is whole: no journal, one sync before its rename.
            file.exec("pragma journal_mode=off");
            file.exec("pragma synchronous=off");
            // The server's rows already have the types the file's checks ask for.
            file.exec("pragma ignore_check_constraints=on");
            file.exec("begin");
            // Every table and the time from one snapshot of the server.
            readRows(server.conn, s, "begin isolation level repeatable read read only", nullptr,
                     [](const PGresult*) {});
            QByteArray asOf;
            readRows(server.conn, s, "select extract(epoch from now())::bigint", nullptr,
                     [&](const PGresult* r) { asOf = PQgetvalue(r, 0, 0); });
            // The indexes are made again once the rows are in: one sort instead of an index
            // update per row.
            const auto indexes = file.indexesOfMirroredTables();
            for (const auto& index : indexes)
                file.exec("drop index " + index.first);
            for (const char* table : mirroredTables()) {
                file.exec(QByteArray("delete from ") + table);
                copyTable(server.conn, s, file, table);
            }
            for (const auto& index : indexes)
                file.exec(index.second);
            file.exec(QByteArray("create table ") + kCopyTable + " (AsOf integer not null)");
            file.exec(QByteArray("insert into ") + kCopyTable + " values (" +
                      QByteArray::number(asOf.toLongLong()) + ")");
            file.exec("commit");
        }
        temporary.sync();
        if (s.raised()) throw Stopped();
        // rename() replaces the old copy in one step: a reader finds the old one or the new one.
        if (std::rename(QFile::encodeName(temporaryPath).constData(),
                        QFile::encodeName(path).constData()) != 0)
            throw Failure(qt_error_string(errno));
        temporary.keep();
    } catch (const Stopped&) {
        // The copy's files are let go of first (above, as the stop unwound), then the session;
        // the server is then asked to end the read, which may take a while on a server gone
        // away: nothing of the program waits for it.
        PQfinish(std::exchange(server.conn, nullptr));
        s.settle();
        char words[256];
        PQcancel(cancel.get(), words, sizeof words);
        return false;
    }
    return true;
}

void removeLeftoverCopies(const QString& path) {
    const QFileInfo copy(path);
    const QDir folder = copy.dir();
    for (const QString& name :
         folder.entryList({copy.fileName() + QStringLiteral(".*.new")}, QDir::Files)) {
        const QByteArray file = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) continue;
        // A refresh under way holds its file locked.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(file.constData());
        ::close(fd);
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

bool RefreshSchedule::begin(qint64 nowMs, bool underWay) {
    if (underWay || !m_wanted || (m_lastMs >= 0 && nowMs - m_lastMs < m_everyMs)) return false;
    m_wanted = false;
    m_lastMs = nowMs;
    return true;
}

LocalCopyKeeper::LocalCopyKeeper(QString path, QString templatePath, int refreshEveryMs)
    : m_path(std::move(path))
    , m_template(std::move(templatePath))
    , m_schedule(refreshEveryMs) {
    removeLeftoverCopies(m_path);
    m_clock.start();
}

LocalCopyKeeper::~LocalCopyKeeper() {
    stop();
}

void LocalCopyKeeper::stop() {
    m_stopped = true;
    m_refresh.reset();
    m_probe.reset();
}

void LocalCopyKeeper::startRefresh(const ServerLink::Reach& reach) {
    auto failed = std::make_shared<std::atomic<bool>>(false);
    m_refreshFailed = failed;
    m_refresh = std::make_unique<Worker>(
        [reach, failed, path = m_path, from = m_template](StopSignal& stop) {
            try {
                writeLocalCopy(reach, from, path, &stop);
            } catch (const Failure&) {
                *failed = true;
            }
        });
}

LocalCopyKeeper::Turn LocalCopyKeeper::tick(Connection& connection) {
    if (m_stopped) return Turn::None;
    if (m_refresh && m_refresh->finished()) {
        // A failed read keeps the copy before it; another is tried after the interval.
        if (*m_refreshFailed) m_schedule.changed();
        m_refresh.reset();
    }
    const bool onCopy = connection.onLocalCopy();
    // On the server, only a lost session is looked into: a probe tells a server that went away
    // from a session it dropped (which is then taken up again).
    const bool looking = onCopy || connection.lost();
    if (!looking && connection.server() &&
        m_schedule.begin(m_clock.elapsed(), m_refresh != nullptr))
        startRefresh(connection.server()->reach());
    if (m_probe && m_probe->finished()) {
        const bool accepts = *m_accepts;
        m_probe.reset();
        if (!looking) return Turn::None; // the session came back meanwhile
        try {
            if (accepts) {
                // Back on the server, or on a new session of it: what others saved meanwhile
                // sent no notice here.
                if (onCopy)
                    connection.returnToServer();
                else
                    connection.serverLink().ready();
                m_schedule.changed();
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
    if (looking && !m_probe &&
        (!m_sinceProbe.isValid() || m_sinceProbe.elapsed() >= kProbeEveryMs)) {
        m_sinceProbe.start();
        // A session as the desk opens them: a server that does not let the desk in is as good
        // as away for it.
        auto accepts = std::make_shared<std::atomic<bool>>(false);
        m_accepts = accepts;
        m_probe = std::make_unique<Worker>(
            [reach = connection.serverLink().reach(), accepts](StopSignal& stop) {
                try {
                    PQfinish(openSession(reach, stop, kProbeTimeoutMs));
                    *accepts = true;
                } catch (const Failure&) {
                } catch (const Stopped&) {
                }
            });
    }
    return Turn::None;
}

} // namespace corvanna
