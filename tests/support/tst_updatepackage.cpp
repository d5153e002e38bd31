// The update packages shipped beside the program, run against stand-ins for the package manager,
// the administrator prompt and the user's identity, so that nothing is really installed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kInstall =
    QStringLiteral("apt-get install -y -q --no-install-recommends libqt6sql6-sqlite");
const QString kReinstall =
    QStringLiteral("apt-get install -y -q --no-install-recommends --reinstall libqt6sql6-sqlite");
const QString kUpdate = QStringLiteral("apt-get update -qq");
const QString kPrompt = QStringLiteral("pkexec /bin/sh -c");

void writeTool(const QString& path, const QString& body) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body.toUtf8());
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                QFileDevice::ExeOwner));
}

} // namespace

class TestUpdatePackage : public QObject {
    Q_OBJECT
private slots:
    void install_data();
    void install();
};

void TestUpdatePackage::install_data() {
    QTest::addColumn<QString>("package");
    QTest::addColumn<int>("uid");
    QTest::addColumn<QString>("prompt"); // "none", "grant" or "dismiss"
    QTest::addColumn<bool>("aptGet");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<int>("installStatus");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("says"); // part of what it writes for the user

    for (const char* package : {"ADOFix64.msu", "ADOFix86.msu"}) {
        const auto row = [package](const char* name) -> QTestData& {
            return QTest::addRow("%s: %s", package, name);
        };
        const QString p = QString::fromLatin1(package);
        row("root installs directly")
            << p << 0 << "grant" << true << false << 0 << 0 << QStringList{kUpdate, kInstall}
            << "libqt6sql6-sqlite is installed";
        row("user asks through the prompt")
            << p << 1000 << "grant" << true << false << 0 << 0
            << QStringList{kPrompt, kUpdate, kInstall} << "is installed";
        row("installed already: again")
            << p << 1000 << "grant" << true << true << 0 << 0
            << QStringList{kPrompt, kUpdate, kReinstall} << "is installed";
        row("prompt dismissed") << p << 1000 << "dismiss" << true << false << 0 << 126
                                << QStringList{kPrompt} << "administrator rights were not granted";
        row("no prompt for a user")
            << p << 1000 << "none" << true << false << 0 << 3 << QStringList()
            << "administrator rights are needed to install libqt6sql6-sqlite";
        row("no package manager") << p << 0 << "grant" << false << false << 0 << 2 << QStringList()
                                  << "apt-get was not found";
        row("install fails") << p << 0 << "grant" << true << false << 100 << 100
                             << QStringList{kUpdate, kInstall}
                             << "installing libqt6sql6-sqlite failed (exit status 100)";
    }
}

void TestUpdatePackage::install() {
    QFETCH(QString, package);
    QFETCH(int, uid);
    QFETCH(QString, prompt);
    QFETCH(bool, aptGet);
    QFETCH(bool, installed);
    QFETCH(int, installStatus);
    QFETCH(int, exitCode);
    QFETCH(QStringList, calls);
    QFETCH(QString, says);

    QTemporaryDir dir;
    const QString tools = dir.filePath(QStringLiteral("tools"));
    QVERIFY(QDir().mkdir(tools));
    const QString log = dir.filePath(QStringLiteral("calls"));
    for (const char* tool : {"basename", "grep"})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + QLatin1String(tool),
                            tools + QLatin1Char('/') + QLatin1String(tool)));
    writeTool(tools + QStringLiteral("/id"), QStringLiteral("echo %1\n").arg(uid));
    writeTool(tools + QStringLiteral("/dpkg-query"),
              installed ? QStringLiteral("printf 'install ok installed'\n")
                        : QStringLiteral("exit 1\n"));
    if (aptGet)
        writeTool(
            tools + QStringLiteral("/apt-get"),
            QStringLiteral("echo \"apt-get $*\" >> '%1'\n[ \"$1\" = install ] && exit %2\nexit 0\n")
                .arg(log)
                .arg(installStatus));
    if (prompt != QLatin1String("none"))
        writeTool(tools + QStringLiteral("/pkexec"),
                  QStringLiteral("echo \"pkexec $1 $2\" >> '%1'\n%2\n")
                      .arg(log, prompt == QLatin1String("dismiss")
                                    ? QStringLiteral("exit 126")
                                    : QStringLiteral("exec \"$@\"")));

    QProcess run;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), tools);
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("/bin/sh"), {QStringLiteral(CORVANNA_RESOURCES "/") + package});
    QVERIFY(run.waitForFinished());
    const QString output =
        QString::fromLocal8Bit(run.readAllStandardOutput() + run.readAllStandardError());

    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), exitCode);
    QFile callLog(log);
    const QStringList made =
        callLog.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(callLog.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
            : QStringList();
    QCOMPARE(made, calls);
    QVERIFY2(output.contains(package + QStringLiteral(": ")), qPrintable(output));
    QVERIFY2(output.contains(says), qPrintable(output));
}

QTEST_GUILESS_MAIN(TestUpdatePackage)
#include "tst_updatepackage.moc"
