#pragma once

#include "store/engine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

struct pg_conn;
struct pg_result;

namespace corvanna {

// True when a database name given by the desk names a PostgreSQL server (a libpq URI or a
// key=value connection string) rather than a file.
bool isServerTarget(const QString& target);

// The reservation table's schema on a PostgreSQL server: the same columns as the file's, whole
// numbers and dates as the server's own types, an identity key the server never hands out twice,
// the stay index, guest names ordered by an ICU collation of the given language (a BCP 47 tag,
// "und" for the root order), and a notice on every change for the other desks.
QStringList serverSchema(const QString& collationLanguage);
// The ICU language tag for a locale name ("de_DE" -> "de-DE"; "C" and odd names -> "und").
QString collationLanguageOf(const QString& localeName);

// One session with a PostgreSQL server, reached through libpq. Statements are translated to the
// server's dialect before they are sent. A session that the server dropped is opened again by
// the next statement; a statement that failed is never sent again by itself.
class ServerLink {
public:
    ServerLink();
    ~ServerLink();
    ServerLink(const ServerLink&) = delete;
    ServerLink& operator=(const ServerLink&) = delete;

    // Connects (libpq's URI or key=value form, its password file and environment apply) and
    // creates the schema when the database has no tblRooms yet; an older database gets the
    // schema steps it lacks, and one written by a newer program is refused. Throws Failure with
    // the server's or libpq's words.
    void open(const QString& target, const QString& collationLanguage = QStringLiteral("und"));
    // Opens again the target of the last open, with the password the desk typed.
    void reopen();
    bool isOpen() const;
    void close();

    // Runs an insert, update or delete given in the desk's dialect; returns the rows changed.
    int execute(const QString& statement);
    // Runs one of the program's own statements with its values bound as parameters ($1, $2, ...;
    // a null QString binds SQL null). Returns the result, which the caller frees with PQclear.
    pg_result* run(const QString& sql, const QStringList& values = {});

    // Connected again if the server dropped the session; throws Failure when it cannot be.
    pg_conn* ready();
    pg_conn* handle() const { return m_conn; }
    // True when the server dropped the session: the next statement opens a new one.
    bool lost() const;

    // "dbname on host:port" of the database in use.
    QString description() const;
    // The socket to watch for change notices, or -1.
    int socket() const;
    // Reads what arrived; true when another session changed the reservations since the last call.
    bool takeChangeNotices();

    static const char* changeChannel();

    // How long a statement waits for another session's lock (as long as the file waits), and how
    // long any statement may run, in milliseconds.
    static constexpr int kLockTimeoutMs = 5000;
    static constexpr int kStatementTimeoutMs = 120000;
    // How long a connect waits for the server.
    static constexpr int kConnectTimeoutMs = 10000;
    // Sets the lock wait for the statements that follow (0 < ms); nothing when it cannot be set.
    void setLockWait(int ms) noexcept;

    // The password the desk typed, sent with every connect of this session from now on and kept
    // in memory only, so a session the server dropped is taken up again without asking.
    void setPassword(const QString& password);
    bool hasPassword() const { return m_hasPassword; }
    // True when the last connect failed because the server wants a password that libpq does not
    // have, or refused the one the desk typed.
    bool passwordWanted() const { return m_passwordWanted; }
    // Whose password the server wants, and where: "user for dbname on host:port".
    const QString& passwordFor() const { return m_passwordFor; }

    // What a session of its own needs to reach the same database (a worker thread's).
    struct Reach {
        QByteArray target;
        QByteArray password;
        bool hasPassword = false;
    };
    Reach reach() const { return {m_target, m_password, m_hasPassword}; }
    // A session beside the desk's, for reading only: the same database and password, none of the
    // schema's work and no change notices. Throws Failure with libpq's words.
    void openReader(const Reach& reach);
    // A new session on the database, with the options every session of the program has; null
    // when it cannot be made, the words then in *error.
    static pg_conn* connectSession(const Reach& reach, QString* error);
    // The same session begun without waiting (PQconnectStartParams): the caller polls it to
    // the end within kConnectTimeoutMs, which libpq does not keep then. Null when out of memory.
    static pg_conn* startSession(const Reach& reach);
    // libpq's words for a session that failed.
    static QString sessionError(const pg_conn* conn);

    // The row as it stands now, or nothing when no row has the id.
    std::optional<RowVersion> readRow(const QString& id);
    // A save over a row read before: begins a transaction and locks the row, so no other desk
    // changes it between this check and the update. Returns the row as it stands; the caller
    // then runs the update and commit(), or rollback() to ask the desk first.
    std::optional<RowVersion> lockRow(const QString& id);
    void commit();
    void rollback();

private:
    void connect();
    void ensureSchema();
    void notePasswordWanted(const pg_conn* conn);
    pg_conn* m_conn = nullptr;
    QByteArray m_target;
    QString m_language;
    QByteArray m_password;
    bool m_hasPassword = false;
    bool m_passwordWanted = false;
    QString m_passwordFor;
};

// The read of one select on the server, front to back: rows arrive one at a time, so a large list
// never waits for the whole result nor holds it twice. The read runs in a read-only transaction.
class ServerCursor final : public EngineCursor {
public:
    ServerCursor() = default;
    ~ServerCursor() override;
    ServerCursor(const ServerCursor&) = delete;
    ServerCursor& operator=(const ServerCursor&) = delete;

    // Sends the select (desk's dialect) and reads its first row. Throws Failure.
    void open(const QString& statement, ServerLink& link);
    // The same for a select of our own in the server's dialect, its values bound as parameters
    // ($1, $2, ... as text; a null QString binds SQL null).
    void open(const char* sql, const QStringList& values, ServerLink& link);
    bool isOpen() const { return m_link != nullptr; }
    bool eof() const override { return m_eof; }
    void moveNext() override; // throws Failure when the server cannot give the next row
    void close();

    int columnCount() const override;
    // The column's position, matched without regard to case (the server folds names), or -1.
    int columnOf(const char* name) const override;
    const char* columnName(int column) const override;
    bool isNull(int column) const;
    // The current row's value as the server's text (UTF-8), valid until moveNext.
    const char* text(int column) const;
    int length(int column) const;
    // The value as the row cursor gives it: whole numbers and ISO dates read from the text.
    CursorValue value(int column, CursorValue::Type wanted) const override;

private:
    void start(const QByteArray& sql, const QStringList& values, ServerLink& link);
    void fetch();
    void drain();
    ServerLink* m_link = nullptr;
    pg_result* m_row = nullptr;
    std::vector<QByteArray> m_names;
    bool m_eof = true;
    bool m_ownTransaction = false;
};

} // namespace corvanna
