// Starting a program and waiting for it with the event loop kept alive; the processor width.
#include "support/environment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <climits>

using namespace corvanna;

namespace {

// Writes a script; executable only when asked.
void writeScript(const QString& path, const QByteArray& body, bool executable) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable) permissions |= QFileDevice::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// A stand-in for the system's processes: records what it is asked and answers from a list.
struct FakeProcesses {
    QList<int> styles;
    QStringList commandLines;
    int startError = 0;
    QList<std::optional<int>> codes; // read one after another; the last one repeats
    int reads = 0;
    int pauses = 0;

    ProgramControl control() {
        return {[this](const QString& commandLine, int style) {
                    commandLines << commandLine;
                    styles << style;
                    return platform::StartedProgram{startError ? 0 : 4242, startError};
                },
                [this](qint64 id) -> std::optional<int> {
                    if (id != 4242) return std::nullopt;
                    const int at = qMin(reads++, int(codes.size()) - 1);
                    return codes.value(at, 0);
                },
                [this] { ++pauses; }};
    }
};

constexpr int kNoExitCode = INT_MIN; // in the _data rows: the process cannot be queried

} // namespace

class TestRunAndWait : public QObject {
    Q_OBJECT
private slots:
    void waitsForTheEnd_data();
    void waitsForTheEnd();
    void commandLine_data();
    void commandLine();
    void cannotStart_data();
    void cannotStart();
    void missingPackageIsNotSplit();
    void styleClamp_data();
    void styleClamp();
    void polls_data();
    void polls();
    void addressWidth_data();
    void addressWidth();
    void addressWidthOfThisSystem();
};

void TestRunAndWait::waitsForTheEnd_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("update package through the shell") << "ADOFix64.msu" << false << 7;
    QTest::newRow("program with its own interpreter") << "slow tool" << true << 0;
    QTest::newRow("exit code above 127") << "ADOFix86.msu" << false << 200;
}

// A script that runs about a second: the wait lasts until its end, not much longer, and the
// event loop keeps running meanwhile.
void TestRunAndWait::waitsForTheEnd() {
    QFETCH(QString, fileName);
    QFETCH(bool, executable);
    QFETCH(int, exitCode);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Program Files")));
    const QString script = dir.filePath(QStringLiteral("Program Files/") + fileName);
    const QString endFile = dir.filePath(QStringLiteral("ended"));
    writeScript(script,
                "#!/bin/sh\nsleep 1\ndate +%s%3N > '" + endFile.toUtf8() + "'\nexit " +
                    QByteArray::number(exitCode) + "\n",
                executable);

    int ticks = 0;
    QTimer timer;
    timer.setInterval(20);
    connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
    timer.start();

    const int result = RunAndWait(script, 0);
    const qint64 returnedAt = QDateTime::currentMSecsSinceEpoch();
    const int ticksDuringWait = ticks;

    QCOMPARE(result, exitCode);
    bool ok = false;
    const qint64 endedAt = readAll(endFile).toLongLong(&ok);
    QVERIFY2(ok, "the script did not run to its end");
    QVERIFY2(returnedAt >= endedAt, "returned before the program ended");
    // One poll period after the end at most, with room for a busy machine to schedule the end.
    QVERIFY2(returnedAt - endedAt <= kPollMilliseconds + 150,
             qPrintable(QStringLiteral("returned %1 ms after the end").arg(returnedAt - endedAt)));
    QVERIFY2(ticksDuringWait >= 3,
             qPrintable(QStringLiteral("timer fired %1 times").arg(ticksDuringWait)));
}

void TestRunAndWait::commandLine_data() {
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("expectedArguments");
    QTest::newRow("path with blanks, alone") << "%1"
                                             << "";
    QTest::newRow("quoted path and arguments") << "\"%1\" first \"second word\""
                                               << "first|second word";
}

// The command line names the program, blanks in its folder and all; arguments reach it intact.
void TestRunAndWait::commandLine() {
    QFETCH(QString, commandLine);
    QFETCH(QString, expectedArguments);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("My Programs")));
    const QString script = dir.filePath(QStringLiteral("My Programs/ADOFix64.msu"));
    const QString out = dir.filePath(QStringLiteral("arguments"));
    writeScript(script, "IFS='|'; printf '%s' \"$*\" > '" + out.toUtf8() + "'\nexit 5\n", false);

    QCOMPARE(RunAndWait(commandLine.arg(script)), 5);
    QCOMPARE(readAll(out), expectedArguments);
}

void TestRunAndWait::cannotStart_data() {
    QTest::addColumn<QString>("target"); // "dir" stands for a folder made by the test
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected");
    const int notFound = -2147221451; // 53 + the base
    const int denied = -2147221434;   // 70 + the base
    QTest::newRow("missing program") << "missing/tool" << QByteArray() << notFound;
    QTest::newRow("missing package") << "missing/ADOFix64.msu" << QByteArray() << notFound;
    QTest::newRow("unknown command") << "corvanna-no-such-command" << QByteArray() << notFound;
    QTest::newRow("program not executable") << "notes.txt" << QByteArray("exit 0\n") << denied;
    QTest::newRow("a folder") << "folder" << QByteArray() << denied;
    QTest::newRow("a folder named as a package") << "folder.msu" << QByteArray() << denied;
    QTest::newRow("empty command line") << "" << QByteArray() << 5 + kStartErrorBase;
}

// Nothing is waited for: the event loop never got a turn.
void TestRunAndWait::cannotStart() {
    QFETCH(QString, target);
    QFETCH(QByteArray, content);
    QFETCH(int, expected);

    QTemporaryDir dir;
    QString commandLine = target;
    if (target.startsWith(QLatin1String("folder"))) {
        QVERIFY(QDir(dir.path()).mkdir(target));
        commandLine = dir.filePath(target);
    } else if (!content.isEmpty()) {
        commandLine = dir.filePath(target);
        writeScript(commandLine, content, false);
    } else if (target.contains(QLatin1Char('/'))) {
        commandLine = dir.filePath(target);
    }

    bool loopRan = false;
    QObject guard;
    QTimer::singleShot(0, &guard, [&loopRan] { loopRan = true; });
    QCOMPARE(RunAndWait(commandLine, 0), expected);
    QVERIFY(!loopRan);
}

// "/…/Update Files/ADOFix64.msu" is missing: "/…/Update" must not run with an argument.
void TestRunAndWait::missingPackageIsNotSplit() {
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("ran"));
    writeScript(dir.filePath(QStringLiteral("Update")),
                "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n", true);
    QCOMPARE(RunAndWait(dir.filePath(QStringLiteral("Update Files/ADOFix64.msu")), 0),
             53 + kStartErrorBase);
    QVERIFY(!QFile::exists(marker));
}

void TestRunAndWait::styleClamp_data() {
    QTest::addColumn<bool>("given");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("used");
    QTest::newRow("missing") << false << 0 << 6;
    QTest::newRow("-1") << true << -1 << 6;
    QTest::newRow("7") << true << 7 << 6;
    QTest::newRow("lowest") << true << INT_MIN << 6;
    QTest::newRow("highest") << true << INT_MAX << 6;
    for (int style = 0; style <= 6; ++style)
        QTest::addRow("%d", style) << true << style << style;
}

void TestRunAndWait::styleClamp() {
    QFETCH(bool, given);
    QFETCH(int, style);
    QFETCH(int, used);

    FakeProcesses fake;
    fake.codes = {0};
    const ProgramControl control = fake.control();
    const QString line = QStringLiteral("/opt/desk/ADOFix64.msu");
    QCOMPARE(given ? RunAndWait(control, line, style) : RunAndWait(control, line), 0);
    QCOMPARE(fake.styles, QList<int>{used});
    QCOMPARE(fake.commandLines, QStringList{line});
}

void TestRunAndWait::polls_data() {
    QTest::addColumn<int>("startError");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("pauses");
    const int active = platform::kStillActive;
    QTest::newRow("ended at once") << 0 << QList<int>{3} << 3 << 1 << 0;
    QTest::newRow("ran three polls") << 0 << QList<int>{active, active, active, 0} << 0 << 4 << 3;
    QTest::newRow("cannot be queried")
        << 0 << QList<int>{kNoExitCode} << kExitCodeUnknown << 1 << 0;
    QTest::newRow("lost while running")
        << 0 << QList<int>{active, kNoExitCode} << kExitCodeUnknown << 2 << 1;
    QTest::newRow("start failed: no wait")
        << 53 << QList<int>{active} << 53 + kStartErrorBase << 0 << 0;
}

// Reads until the process has ended, and lets the interface work between reads only.
void TestRunAndWait::polls() {
    QFETCH(int, startError);
    QFETCH(QList<int>, codes);
    QFETCH(int, result);
    QFETCH(int, reads);
    QFETCH(int, pauses);

    FakeProcesses fake;
    fake.startError = startError;
    for (int code : codes)
        fake.codes << (code == kNoExitCode ? std::nullopt : std::optional<int>(code));
    QCOMPARE(RunAndWait(fake.control(), QStringLiteral("tool"), 0), result);
    QCOMPARE(fake.reads, reads);
    QCOMPARE(fake.pauses, pauses);
}

void TestRunAndWait::addressWidth_data() {
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("width");
    QTest::newRow("x86_64") << "x86_64"
                            << "64";
    QTest::newRow("aarch64") << "aarch64"
                             << "64";
    QTest::newRow("ppc64le") << "ppc64le"
                             << "64";
    QTest::newRow("s390x") << "s390x"
                           << "64";
    QTest::newRow("riscv64") << "riscv64"
                             << "64";
    QTest::newRow("i386") << "i386"
                          << "32";
    QTest::newRow("i686") << "i686"
                          << "32";
    QTest::newRow("armv7l") << "armv7l"
                            << "32";
    QTest::newRow("armv6l") << "armv6l"
                            << "32";
    QTest::newRow("mips") << "mips"
                          << "32";
    QTest::newRow("unknown") << "z80"
                             << "";
    QTest::newRow("i786 is no x86 name") << "i786"
                                         << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestRunAndWait::addressWidth() {
    QFETCH(QString, machine);
    QFETCH(QString, width);
    QCOMPARE(addressWidthOfMachine(machine), width);
}

// The system's own answer, as `uname -m` gives it, not the width this test was built for.
void TestRunAndWait::addressWidthOfThisSystem() {
    QProcess uname;
    uname.start(QStringLiteral("uname"), {QStringLiteral("-m")});
    QVERIFY(uname.waitForFinished());
    const QString machine = QString::fromLocal8Bit(uname.readAllStandardOutput()).trimmed();
    const QString width = ProcessorAddressWidth();
    QVERIFY2(width == QLatin1String("64") || width == QLatin1String("32"), qPrintable(machine));
    QCOMPARE(width, addressWidthOfMachine(machine));
}

QTEST_GUILESS_MAIN(TestRunAndWait)
#include "tst_runandwait.moc"
