#pragma once

#include "engine.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <memory>

struct sqlite3;

namespace corvanna {

// The connection string names the working database the way the desk has always named it.
QString connectionString(const QString& commonDataFolder);
// The file named by "data source=" in a connection string.
QString dataSourceOf(const QString& connectionString);

// dbConnection: the one connection to the reservation database, opened once at start-up and
// closed when the main window closes. Every statement of the program goes through it, to the
// engine chosen when it opened (store/engine.h): the file, or a PostgreSQL server.
class Connection {
public:
    explicit Connection(QString name = QStringLiteral("dbConnection"));
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the database named by the connection string for reading and writing. Fails (throws
    // Failure with the engine's description) when the file is missing or is not a database; the
    // file is neither created nor changed then. A PostgreSQL server's URI or key=value string
    // opens that server's database instead (see ServerLink).
    void open(const QString& connectionString);
    // Starts the whole-file check of an open file on a read-only connection of its own, for a
    // desk whose window is up; a write that comes before it ends waits for its finding. Without
    // it, the first write runs the check itself. Nothing to do on a server.
    void startBackgroundCheck();
    // 0 closed, 1 open.
    int state() const;
    void close();

    // Runs an insert, update or delete and returns the number of rows it changed.
    int execute(const QString& statement);
    // Runs a statement of our own in the dialect of the engine in use, its values bound as
    // parameters in order (on the server as their text).
    int execute(const OwnStatement& statement, const QVariantList& values = {});

    // The engine of the open database; throws Failure while closed.
    Engine& engine() const;
    // True when another program (on the file) or another desk (on a server) committed a change
    // since the last call. Never waits; the first call after an open only takes note.
    bool takeChanges();
    // How long a statement waits for another program's lock before it fails.
    void setLockWait(int ms);
    // True when the server dropped the session since the last statement.
    bool lost() const;
    // The read-only copy of the server's reservations (store/server/localcopy.h) in the place
    // of a server that cannot be reached; the server's session is kept, with its password, for
    // its return. Throws Failure, and stays as it was, when the copy cannot be read.
    void openLocalCopy(const QString& path);
    // True while the copy stands in for the server.
    bool onLocalCopy() const { return m_awayServer != nullptr; }
    // The server again in the copy's place; throws Failure, and stays on the copy, when the
    // server cannot be opened.
    void returnToServer();
    // The database in use, as the desk names it: the file's path, or "dbname on host:port".
    QString description() const;

    // What the open database's engine can do (false while closed).
    bool has(Capability capability) const;
    // Capabilities, asked for by name. The file's engine handle, for its own backups and checks:
    // null while closed or on a server.
    sqlite3* handle() const;
    // The server session when the database is on an open PostgreSQL server, else null.
    ServerLink* server() const;
    const QString& name() const { return m_name; }
    // The server session, open or not, made on first use: it keeps the password the desk typed
    // and tells why its last open failed. Only for a server target.
    ServerLink& serverLink();

    // Milliseconds a statement waits for another program's lock before it fails.
    static constexpr int kBusyTimeoutMs = 5000;

    // Called with the engine's result code of a statement that failed on this connection.
    void noteFailure(int engineCode);
    // True once the engine has found the file damaged; it is not written to again.
    bool damaged() const;

    // A read of the database under way beside the desk's work (a large list's fill). One that
    // holds this connection's engine, read between the window's events, is read to its end
    // (`finish`) before any other use of the engine, so that no statement runs beside it; one
    // on a reader of its own (see reader()) has no `finish` and leaves the engine free. A close
    // or a change of engine ends either where it is (`drop`). Either is called once, the read
    // being forgotten first.
    // A write waits for a read on a reader of its own where the engine's writer waits for its
    // readers (`beforeWrite`: the file's).
    struct OpenRead {
        std::function<void()> finish;
        std::function<void()> drop;
        std::function<void()> beforeWrite;
    };
    void setOpenRead(OpenRead read) { m_openRead = std::move(read); }
    void clearOpenRead() { m_openRead = {}; }
    bool hasOpenRead() const { return bool(m_openRead.drop); }

    // A second engine on the open database for a worker thread's read; empty where none can be
    // had (closed, the local copy in the server's place, an in-memory file).
    ReaderFactory reader() const;

private:
    void finishOpenRead() const;
    void settleOpenReadForWrite();
    void dropOpenRead();

    QString m_name;
    std::unique_ptr<Engine> m_engine;
    // The server's engine while the copy stands in for it.
    std::unique_ptr<Engine> m_awayServer;
    mutable OpenRead m_openRead;
};

// A read-only, forward result set of one select. Open; while not eof(), read, moveNext(); close.
class ResultSet final : public RowCursor {
public:
    ResultSet() = default;
    ~ResultSet() override;
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;

    // Runs the select and positions on its first row. Throws Failure with the engine's words.
    void open(const QString& statement, Connection& connection);
    // A select of our own in the dialect of the engine in use, its values bound as parameters
    // as text (?1, ?2, ... on the file, $1, $2, ... on the server).
    void open(const OwnStatement& statement, const QStringList& parameters, Connection& connection);
    bool eof() const; // throws when not open, as reading a closed result set fails
    void moveNext();  // throws Failure when the engine cannot read the next row
    int state() const { return m_cursor ? 1 : 0; }
    void close();

    // The current row's value of a column, as text: null gives the empty text.
    QString text(const char* column) const;
    bool isNull(const char* column) const;
    int columnIndex(const char* column) const; // throws Failure for an unknown column

    // The engine's own cursor of the open result set: a fill reads every value through it
    // without a second call per value.
    const RowCursor& row() const { return *m_cursor; }

    // The row cursor: the current row read by position (no checks; the result set is open and
    // not at its end).
    using RowCursor::isNull;
    int columnCount() const override;
    const char* columnName(int column) const override;
    CursorValue value(int column, CursorValue::Type wanted) const override;

private:
    void check() const;
    std::unique_ptr<EngineCursor> m_cursor;
};

} // namespace corvanna
