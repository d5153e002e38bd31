// A backup killed at any moment leaves the working database and every kept copy whole. A process
// that backs up in a loop (the program's own connection and backup, or its background copy as
// after a save and as at the close) is killed with SIGKILL at
// random moments, again and again, on one working database, with or without a saver writing to
// it meanwhile.
//
// CORVANNA_KILLS sets the kills per case (default 20), CORVANNA_SEED repeats a run.
#include "ledger.h"
#include "store/backup.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
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

QString backupperProgram() {
    return QStringLiteral(CORVANNA_BACKUPPER);
}

void killNow(QProcess& process) {
    if (process.state() == QProcess::NotRunning) return;
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(10000);
}

} // namespace

class TestBackupKills : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedBackupsHarmNothing_data();
    void killedBackupsHarmNothing();

private:
    quint32 m_seed = 0;
};

void TestBackupKills::initTestCase() {
    m_seed = seedOfRun();
    qInfo("seed %u (set CORVANNA_SEED=%u to repeat this run), %d kills per case", m_seed, m_seed,
          killsPerCase());
    QVERIFY2(QFileInfo(backupperProgram()).isExecutable(), qPrintable(backupperProgram()));
}

void TestBackupKills::killedBackupsHarmNothing_data() {
    QTest::addColumn<bool>("withSaver");
    QTest::addColumn<QString>("pace");
    QTest::newRow("backups alone") << false << QString();
    QTest::newRow("while a saver writes") << true << QString();
    QTest::newRow("background copies") << false << "gently";
    QTest::newRow("close's copies") << false << "closing";
}

void TestBackupKills::killedBackupsHarmNothing() {
    QFETCH(bool, withSaver);
    QFETCH(QString, pace);
    QRandomGenerator random(m_seed ^ quint32(qHash(QByteArray(QTest::currentDataTag()))));
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("dbRooms.mdb"));
    const QString folder = backupFolderOf(dir.path());
    createDatabase(database);
    // Enough rows that a copy takes a while, so kills land inside it.
    execOn(database,
           "with recursive n(i) as (select 1 union all select i + 1 from n where i < 20000)"
           " insert into tblRooms (GuestName, Address, CreditCardNo) select 'guest ' || i,"
           " printf('%d Harbour Road, Pellworth', i), '4111 1111 1111 1111' from n");

    QProcess saver;
    if (withSaver) {
        saver.start(saverProgram(), {database, QStringLiteral("s"), QStringLiteral("0")});
        QVERIFY2(saver.waitForStarted(10000), qPrintable(saver.errorString()));
    }
    const int kills = killsPerCase();
    int midCopy = 0;
    int copies = 0;
    for (int k = 1; k <= kills; ++k) {
        QProcess backupper;
        backupper.start(backupperProgram(), {database, folder, QStringLiteral("0"), pace});
        QVERIFY2(backupper.waitForStarted(10000), qPrintable(backupper.errorString()));
        std::this_thread::sleep_for(std::chrono::microseconds(random.bounded(1000000)));
        QVERIFY(::kill(pid_t(backupper.processId()), SIGKILL) == 0);
        QVERIFY(backupper.waitForFinished(10000));
        QCOMPARE(backupper.exitStatus(), QProcess::CrashExit);
        copies += int(backupper.readAllStandardOutput().count("B "));
        const QString errors = QString::fromUtf8(backupper.readAllStandardError());
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        if (!QDir(folder).entryList({".backup-*"}, QDir::Files | QDir::Hidden).isEmpty()) ++midCopy;

        // A saver that writes without a pause starves readers; its database is checked once it
        // has stopped.
        if (!withSaver) {
            QCOMPARE(integrityCheckOf(database), QStringLiteral("ok"));
            QCOMPARE(queryValue(database, "select count(*) from tblRooms"),
                     QStringLiteral("20000"));
        }
        for (const BackupCopy& copy : keptBackups(folder)) {
            QCOMPARE(integrityCheckOf(copy.path), QStringLiteral("ok"));
            const std::optional<qint64> kept = reservationCountOf(copy.path);
            QVERIFY(kept && *kept >= 20000);
        }
    }
    killNow(saver);
    execOn(database, "pragma user_version"); // rolls back the save the kill left unfinished
    QCOMPARE(integrityCheckOf(database), QStringLiteral("ok"));
    const qint64 rows = queryValue(database, "select count(*) from tblRooms").toLongLong();
    for (const BackupCopy& copy : keptBackups(folder))
        QVERIFY(reservationCountOf(copy.path) <= rows);
    // The next run clears what the killed ones left half written.
    QProcess last;
    last.start(backupperProgram(), {database, folder, QStringLiteral("1")});
    QVERIFY(last.waitForFinished(60000));
    QCOMPARE(last.exitCode(), 0);
    QCOMPARE(QDir(folder).entryList({".backup-*"}, QDir::Files | QDir::Hidden), QStringList{});
    qInfo("%d kills, %d of them in the middle of a copy; %d copies made", kills, midCopy, copies);
    QVERIFY(copies > 0);
}

QTEST_GUILESS_MAIN(TestBackupKills)
#include "tst_backupkills.moc"
