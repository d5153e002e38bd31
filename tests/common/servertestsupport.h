#pragma once

#include <QString>
#include <QStringList>

struct pg_conn;

namespace corvanna::test {

// The URL of the tests' PostgreSQL server (its maintenance database), as the cluster started by
// ctest wrote it; the empty text when no server was started.
QString testServerUrl();
// True when this run of a test is the one for the server engine (CORVANNA_TEST_ENGINE=server, set
// by ctest for the tests added with BOTH_ENGINES).
bool onTestServer();

// A new, empty database on the tests' server, dropped again when this object goes.
class ServerDatabase {
public:
    // name: letters, digits and '_' only; the process id is added so parallel tests never meet.
    explicit ServerDatabase(const QString& name);
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    // The database's URL, as a desk would give it with --server.
    QString url() const { return m_url; }
    // Runs statements directly (not through the program's connection); QVERIFY on failure.
    void exec(const QString& sql) const;
    // The first value of a query's first row, or the empty text.
    QString value(const QString& sql) const;

private:
    QString m_name;
    QString m_url;
};

// A session of its own on a database, kept open while the object lives (to hold a lock that a
// desk then meets).
class ServerSession {
public:
    explicit ServerSession(const QString& url);
    ~ServerSession();
    ServerSession(const ServerSession&) = delete;
    ServerSession& operator=(const ServerSession&) = delete;
    // Runs statements on this session; QVERIFY on failure.
    void exec(const QString& sql);

private:
    pg_conn* m_conn = nullptr;
};

} // namespace corvanna::test
