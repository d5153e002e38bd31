#include "servertestsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QUrl>
#include <libpq-fe.h>

namespace corvanna::test {

namespace {
// Runs one statement on a database of the tests' server; the error text, or empty on success.
QString run(const QString& url, const QString& sql, QString* firstValue = nullptr) {
    PGconn* conn = PQconnectdb(url.toUtf8().constData());
    QString error;
    PQsetNoticeProcessor(conn, [](void*, const char*) {}, nullptr); // "does not exist, skipping"
    if (PQstatus(conn) != CONNECTION_OK) {
        error = QString::fromUtf8(PQerrorMessage(conn));
    } else {
        PGresult* r = PQexec(conn, sql.toUtf8().constData());
        const ExecStatusType s = PQresultStatus(r);
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK)
            error = QString::fromUtf8(PQresultErrorMessage(r));
        else if (firstValue && PQntuples(r) > 0 && PQnfields(r) > 0)
            *firstValue = QString::fromUtf8(PQgetvalue(r, 0, 0));
        PQclear(r);
    }
    PQfinish(conn);
    return error;
}
} // namespace

QString testServerUrl() {
    QFile state(qEnvironmentVariable("CORVANNA_TEST_SERVER_STATE"));
    if (!state.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : state.readAll().split('\n'))
        if (line.startsWith("url=")) return QString::fromUtf8(line.mid(4));
    return {};
}

bool onTestServer() {
    return qEnvironmentVariable("CORVANNA_TEST_ENGINE") == QLatin1String("server");
}

ServerDatabase::ServerDatabase(const QString& name)
    : m_name(QStringLiteral("t_%1_%2").arg(name).arg(QCoreApplication::applicationPid())) {
    const QString server = testServerUrl();
    if (server.isEmpty()) {
        QTest::qFail("no test server: run the test through ctest (it starts one)", __FILE__,
                     __LINE__);
        return;
    }
    run(server, QStringLiteral("drop database if exists %1 with (force)").arg(m_name));
    const QString error = run(server, QStringLiteral("create database %1").arg(m_name));
    if (!error.isEmpty()) QTest::qFail(error.toUtf8().constData(), __FILE__, __LINE__);
    QUrl url(server);
    url.setPath(QLatin1Char('/') + m_name);
    m_url = url.toString();
}

ServerDatabase::~ServerDatabase() {
    const QString server = testServerUrl();
    if (!server.isEmpty())
        run(server, QStringLiteral("drop database if exists %1 with (force)").arg(m_name));
}

void ServerDatabase::exec(const QString& sql) const {
    const QString error = run(m_url, sql);
    QVERIFY2(error.isEmpty(), error.toUtf8().constData());
}

QString ServerDatabase::value(const QString& sql) const {
    QString v;
    const QString error = run(m_url, sql, &v);
    if (!error.isEmpty()) QTest::qFail(error.toUtf8().constData(), __FILE__, __LINE__);
    return v;
}

ServerSession::ServerSession(const QString& url)
    : m_conn(PQconnectdb(url.toUtf8().constData())) {
    if (PQstatus(m_conn) != CONNECTION_OK) QTest::qFail(PQerrorMessage(m_conn), __FILE__, __LINE__);
}

ServerSession::~ServerSession() {
    PQfinish(m_conn);
}

void ServerSession::exec(const QString& sql) {
    PGresult* r = PQexec(m_conn, sql.toUtf8().constData());
    const ExecStatusType s = PQresultStatus(r);
    const QString error = s == PGRES_COMMAND_OK || s == PGRES_TUPLES_OK
                              ? QString()
                              : QString::fromUtf8(PQresultErrorMessage(r));
    PQclear(r);
    QVERIFY2(error.isEmpty(), error.toUtf8().constData());
}

} // namespace corvanna::test
