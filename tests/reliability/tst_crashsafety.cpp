// A save the program has confirmed survives the program being killed at any moment, and the file
// stays a sound database. A saver process (the program's own connection and statements) is killed
// with SIGKILL at random moments, again and again, on one working database.
//
// CORVANNA_KILLS sets the kills per case (default 20), CORVANNA_SEED repeats a run.
#include "ledger.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <optional>
#include <sys/types.h>
#include <thread>

using namespace corvanna;
using namespace corvanna::test;

namespace {

quint32 seedOfRun() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("CORVANNA_SEED").toUInt(&ok);
    return ok ? seed : QRandomGenerator::system()->generate();
}

int killsPerCase() {
    bool ok = false;
    const int kills = qEnvironmentVariableIntValue("CORVANNA_KILLS", &ok);
    return ok && kills > 0 ? kills : 20;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void confirmedSavesSurviveKills_data();
    void confirmedSavesSurviveKills();

private:
    quint32 m_seed = 0;
};

void TestCrashSafety::initTestCase() {
    m_seed = seedOfRun();
    qInfo("seed %u (set CORVANNA_SEED=%u to repeat this run), %d kills per case", m_seed, m_seed,
          killsPerCase());
    QVERIFY2(QFileInfo(saverProgram()).isExecutable(), qPrintable(saverProgram()));
}

void TestCrashSafety::confirmedSavesSurviveKills_data() {
    QTest::addColumn<int>("editEvery");
    QTest::addColumn<bool>("killDuringStart");
    QTest::addColumn<bool>("onServer"); // the reservations on the tests' PostgreSQL server
    // editEvery: every n-th save changes the reservation saved before it (0: new ones only).
    QTest::newRow("new reservations") << 0 << false << false;
    QTest::newRow("new and changed reservations") << 3 << false << false;
    QTest::newRow("from the first moment on") << 4 << true << false;
    QTest::newRow("on a server, from the first moment on") << 3 << true << true;
}

void TestCrashSafety::confirmedSavesSurviveKills() {
    QFETCH(int, editEvery);
    QFETCH(bool, killDuringStart);
    QFETCH(bool, onServer);
    QRandomGenerator random(m_seed ^ quint32(qHash(QByteArray(QTest::currentDataTag()))));
    QTemporaryDir dir;
    std::optional<ServerDatabase> server;
    if (onServer) server.emplace("kills"); // the first saver makes the schema
    const QString database = onServer ? server->url() : dir.filePath(QStringLiteral("dbRooms.mdb"));
    if (!onServer) createDatabase(database);

    Ledger ledger;
    const int kills = killsPerCase();
    int confirmed = 0;
    int killedMidSave = 0;
    for (int k = 1; k <= kills; ++k) {
        const QString prefix = QStringLiteral("k%1").arg(k);
        QProcess saver;
        saver.setProcessChannelMode(QProcess::SeparateChannels);
        saver.start(saverProgram(),
                    {database, prefix, QStringLiteral("0"), QString::number(editEvery)});
        QVERIFY2(saver.waitForStarted(10000), qPrintable(saver.errorString()));
        // Most kills land among the saves; some from the start, while the database is opened.
        const bool early = killDuringStart && random.bounded(3) == 0;
        if (!early) {
            QElapsedTimer waited;
            waited.start();
            while (!saver.canReadLine() || !saver.peek(4096).contains("\nI ")) {
                QVERIFY2(saver.state() == QProcess::Running,
                         qPrintable(QStringLiteral("saver ended: %1")
                                        .arg(QString::fromUtf8(saver.readAllStandardError()))));
                QVERIFY2(waited.elapsed() < 60000, "the saver confirmed nothing in a minute");
                saver.waitForReadyRead(100);
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(random.bounded(early ? 20000 : 100000)));
        QVERIFY(::kill(pid_t(saver.processId()), SIGKILL) == 0);
        QVERIFY(saver.waitForFinished(10000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        // The server finishes a statement whose client was killed; what it commits then belongs
        // to this saver, so the check waits for the saver's session to end.
        if (onServer)
            QTRY_COMPARE_WITH_TIMEOUT(
                server->value("select count(*) from pg_stat_activity where datname = "
                              "current_database() and application_name = 'Corvanna'"),
                QStringLiteral("0"), 10000);

        QString mode;
        const int now = ledger.take(saver.readAllStandardOutput(), &mode);
        confirmed += now;
        if (!mode.isEmpty())
            QCOMPARE(mode, QStringLiteral("delete 2")); // rollback journal, full sync
        const QString errors = QString::fromUtf8(saver.readAllStandardError());
        QVERIFY2(!errors.contains(QLatin1String("F ")), qPrintable(errors));
        if (QFileInfo::exists(database + QStringLiteral("-journal"))) ++killedMidSave;

        const QStringList problems = ledger.reconcile(database, 1, {prefix});
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("after kill %1: ").arg(k) +
                                                problems.join(QLatin1String("; "))));
        if (!onServer) QCOMPARE(integrityOf(database), QStringLiteral("ok"));
    }
    qInfo("%d kills, %d of them in the middle of a save; %d saves confirmed, %d rows", kills,
          killedMidSave, confirmed, ledger.size());
    // Each kill after the first confirmed save leaves at least that one.
    QVERIFY(killDuringStart ? confirmed > 0 : confirmed >= kills);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
