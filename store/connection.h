#pragma once

#include "ownstatement.h"
#include "rowcursor.h"
#include "serverlink.h"

#include <QString>
#include <memory>
#include <QVariantList>
#include <QStringList>

struct sqlite3;
struct sqlite3_stmt;

namespace corvanna {

// The connection string names the working database the way the desk has always named it.
QString connectionString(const QString& commonDataFolder);
// The file named by "data source=" in a connection string.
QString dataSourceOf(const QString& connectionString);

// dbConnection: the one connection to the reservation database, opened once at start-up and
// closed when the main window closes. Every statement of the program goes through it.
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
    // Runs a statement of our own with its values bound as parameters, in order.
    int execute(const QString& statement, const QVariantList& values);
    // The same for a statement of our own in the dialect of the engine in use; on the server the
    // values are bound as their text.
    int execute(const OwnStatement& statement, const QVariantList& values = {});

    // The engine's handle for reading result sets; null while closed or on a server.
    sqlite3* handle() const;
    // The server session when the database is on a PostgreSQL server, else null.
    ServerLink* server() const { return m_server && m_server->isOpen() ? m_server.get() : nullptr; }
    const QString& name() const { return m_name; }
    // The server session, open or not, made on first use: it keeps the password the desk typed
    // and tells why its last open failed. Only for a server target.
    ServerLink& serverLink();

    // Milliseconds a statement waits for another program's lock before it fails.
    static constexpr int kBusyTimeoutMs = 5000;

    // Called with the engine's result code of a statement that failed on this connection.
    void noteFailure(int engineCode);
    // True once the engine has found the file damaged; it is not written to again.
    bool damaged() const { return m_damaged; }

private:
    struct BackgroundCheck;
    void checkBeforeFirstWrite();
    void stopBackgroundCheck();

    QString m_name;
    // The whole-file check, started on a connection of its own once the window is up so that
    // the first save does not wait for all of it.
    std::unique_ptr<BackgroundCheck> m_background;
    // A file the engine has found damaged is never written to again through this connection.
    bool m_damaged = false;
    bool m_checked = false;
    std::unique_ptr<ServerLink> m_server;
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
    int state() const { return m_statement || (m_server && m_server->isOpen()) ? 1 : 0; }
    void close();

    // The current row's value of a column, as text: null gives the empty text.
    QString text(const char* column) const;
    bool isNull(const char* column) const;
    int columnIndex(const char* column) const; // throws Failure for an unknown column

    // The row cursor: the current row read by position (no checks; the result set is open and
    // not at its end).
    using RowCursor::isNull;
    int columnCount() const override;
    const char* columnName(int column) const override;
    CursorValue value(int column, CursorValue::Type wanted) const override;

private:
    void prepare(const QByteArray& sql, const QStringList& parameters, Connection& connection);
    void check() const;
    Connection* m_connection = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    sqlite3* m_db = nullptr;
    bool m_eof = true;
    std::unique_ptr<ServerCursor> m_server;
};

} // namespace corvanna
