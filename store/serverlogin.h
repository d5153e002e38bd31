#pragma once

#include <QString>

namespace corvanna {

class Connection;
class Dialogs;

// Opens the database at start-up. On a server that asks for a password libpq does not have (no
// ~/.pgpass entry, no PGPASSWORD), the desk is asked for it; it stays in memory for this run only.
class ServerLogin {
public:
    ServerLogin(Connection& connection, QString target, Dialogs& dialogs);

    // Opens the connection, asking for the password when the server wants one. Throws Failure
    // with the server's words: for a password it refused (refused() is then true: open again
    // asks again), and for a Cancel, as an unreachable server does.
    void open();
    bool refused() const { return m_refused; }
    // The server's read-only copy (store/server/localcopy.h) that open() takes instead of a
    // server that does not answer; without one, the server's words say that there is none.
    void setLocalCopy(const QString& path) { m_localCopy = path; }

private:
    void askOrThrow();
    void attempt();
    void openLocalCopyOrThrow(const QString& words);
    Connection& m_connection;
    QString m_target;
    Dialogs& m_dialogs;
    bool m_refused = false;
    bool m_asked = false;
    QString m_lastWords; // why the server turned the last attempt away
    QString m_localCopy;
};

} // namespace corvanna
