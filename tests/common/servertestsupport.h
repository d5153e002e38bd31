#pragma once

#include <QString>
#include <QStringList>

namespace corvanna::test {

// The URL of the tests' PostgreSQL server (its maintenance database), as the cluster started by
// ctest wrote it; the empty text when no server was started.
QString testServerUrl();

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

} // namespace corvanna::test
