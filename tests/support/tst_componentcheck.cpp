// The database components check driven with its probe, processor width and package runner
// replaced, so that every path can be walked without touching the installed components.
#include "base/product.h"
#include "support/componentcheck.h"
#include "support/environment.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

namespace {

// The texts as the desk's users know them, written out letter for letter.
const QString kMissing = QStringLiteral(
    "Error #193: ADO is not properly installed on this computer. \r\nYou need to have it installed "
    "to use this software without error.\r\n\r\nWould you like to repair it now?");
const QString kFixed =
    QStringLiteral("ADO is fixed on this computer. \r\nYou need to restart your "
                   "computer and software.\r\n\r\nWould you like to stop software now?");
QString helpText() {
    return QStringLiteral("Please check for MDAC installation.\r\n\r\nPlease check this: "
                          "https://doc.qt.io/qt-6/sql-driver.html and look for 'How to obtain "
                          "this update' section and download the appropriate update.\r\n\r\nPlease "
                          "email ") +
           kSupportEmail +
           QStringLiteral(" with a screenshot of this message if you have any questions.");
}

QString expandedText(const QString& name) {
    if (name == QLatin1String("missing")) return kMissing;
    if (name == QLatin1String("fixed")) return kFixed;
    if (name == QLatin1String("help")) return helpText();
    return name;
}

// One run of the check with everything around it recorded.
struct Harness {
    ScriptedDialogs dialogs;
    TempPlaces temp{false};
    bool present = false;
    QString width;
    int runResult = 0;
    QString fault; // which replaced function throws: "probe", "width" or "runner"
    QStringList runs;
    int ends = 0;

    void addPackage(const QString& name) {
        QFile file(temp.places.programFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("exit 0\n");
    }

    void run() {
        ComponentCheck check{dialogs,
                             temp.places,
                             [this] {
                                 if (fault == QLatin1String("probe"))
                                     throw std::runtime_error("no provider");
                                 return present;
                             },
                             [this] {
                                 if (fault == QLatin1String("width"))
                                     throw std::runtime_error("no processor");
                                 return width;
                             },
                             [this](const QString& commandLine, int style) {
                                 runs << commandLine + QStringLiteral(" | style ") +
                                             QString::number(style);
                                 if (fault == QLatin1String("runner"))
                                     throw std::runtime_error("cannot start");
                                 return runResult;
                             },
                             [this] { ++ends; }};
        checkDatabaseComponents(check);
    }
};

} // namespace

class TestComponentCheck : public QObject {
    Q_OBJECT
private slots:
    void paths_data();
    void paths();
    void boxes();
    void packageName_data();
    void packageName();
};

void TestComponentCheck::paths_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QStringList>("packages");
    QTest::addColumn<int>("runResult");
    QTest::addColumn<QString>("expectedRun");
    QTest::addColumn<QStringList>("expectedMessages");
    QTest::addColumn<int>("expectedEnds");

    const QStringList both = {QStringLiteral("ADOFix64.msu"), QStringLiteral("ADOFix86.msu")};
    const QStringList yesYes = {QStringLiteral("Yes"), QStringLiteral("Yes")};
    const QStringList yesNo = {QStringLiteral("Yes"), QStringLiteral("No")};
    const QStringList asked = {QStringLiteral("missing")};
    const QStringList repaired = {QStringLiteral("missing"), QStringLiteral("fixed")};
    const QStringList helped = {QStringLiteral("missing"), QStringLiteral("help")};

    QTest::newRow("intact: nothing shown")
        << true << "" << yesYes << "64" << both << 0 << "" << QStringList() << 0;
    QTest::newRow("declined: the help")
        << false << "" << QStringList{"No"} << "64" << both << 0 << "" << helped << 0;
    QTest::newRow("64-bit, only the 32-bit package there")
        << false << "" << yesYes << "64" << QStringList{"ADOFix86.msu"} << 0 << "" << asked << 0;
    QTest::newRow("32-bit, only the 64-bit package there")
        << false << "" << yesYes << "32" << QStringList{"ADOFix64.msu"} << 0 << "" << asked << 0;
    QTest::newRow("no package at all")
        << false << "" << yesYes << "64" << QStringList() << 0 << "" << asked << 0;
    QTest::newRow("64-bit, repaired, stop")
        << false << "" << yesYes << "64" << both << 0 << "ADOFix64.msu" << repaired << 1;
    QTest::newRow("64-bit, repaired, go on")
        << false << "" << yesNo << "64" << both << 0 << "ADOFix64.msu" << repaired << 0;
    QTest::newRow("32-bit, repaired, stop")
        << false << "" << yesYes << "32" << both << 0 << "ADOFix86.msu" << repaired << 1;
    QTest::newRow("width unknown: 32-bit package")
        << false << "" << yesYes << "" << both << 0 << "ADOFix86.msu" << repaired << 1;
    QTest::newRow("width query fails: 32-bit package")
        << false << "width" << yesYes << "64" << both << 0 << "ADOFix86.msu" << repaired << 1;
    QTest::newRow("package ends with an error")
        << false << "" << yesYes << "64" << both << 1 << "ADOFix64.msu" << helped << 0;
    QTest::newRow("package cannot start") << false << "" << yesYes << "64" << both
                                          << 53 + kStartErrorBase << "ADOFix64.msu" << helped << 0;
    QTest::newRow("package's end unknown") << false << "" << yesYes << "64" << both
                                           << kExitCodeUnknown << "ADOFix64.msu" << helped << 0;
    QTest::newRow("runner fails") << false << "runner" << yesYes << "64" << both << 0
                                  << "ADOFix64.msu" << helped << 0;
    QTest::newRow("probe fails: counts as missing")
        << true << "probe" << QStringList{"No"} << "64" << both << 0 << "" << helped << 0;
}

void TestComponentCheck::paths() {
    QFETCH(bool, present);
    QFETCH(QString, fault);
    QFETCH(QStringList, answers);
    QFETCH(QString, width);
    QFETCH(QStringList, packages);
    QFETCH(int, runResult);
    QFETCH(QString, expectedRun);
    QFETCH(QStringList, expectedMessages);
    QFETCH(int, expectedEnds);

    Harness h;
    h.present = present;
    h.fault = fault;
    h.width = width;
    h.runResult = runResult;
    for (const QString& answer : answers)
        h.dialogs.answers << (answer == QLatin1String("Yes") ? Answer::Yes : Answer::No);
    h.dialogs.defaultAnswer = Answer::No; // a question nobody expected is not a Yes
    for (const QString& package : packages)
        h.addPackage(package);

    h.run();

    QStringList expectedTexts;
    for (const QString& name : expectedMessages)
        expectedTexts << expandedText(name);
    QCOMPARE(h.dialogs.texts(), expectedTexts);
    const QStringList expectedRuns =
        expectedRun.isEmpty()
            ? QStringList()
            : QStringList{QDir::toNativeSeparators(h.temp.places.programFile(expectedRun)) +
                          QStringLiteral(" | style 0")};
    QCOMPARE(h.runs, expectedRuns);
    QCOMPARE(h.ends, expectedEnds);
}

// The boxes themselves: questions with Yes and No (Yes the default), the help with OK only, none
// with an icon or a title of its own.
void TestComponentCheck::boxes() {
    Harness declined;
    declined.dialogs.answers = {Answer::No};
    declined.run();
    Harness repaired;
    repaired.addPackage(QStringLiteral("ADOFix86.msu"));
    repaired.dialogs.answers = {Answer::Yes, Answer::No};
    repaired.run();

    const QList<Message> boxes = declined.dialogs.shown + repaired.dialogs.shown;
    QCOMPARE(boxes.size(), 4);
    for (int i : {0, 2, 3}) {
        QCOMPARE(boxes[i].buttons, Buttons::YesNo);
        QCOMPARE(boxes[i].defaultButton, Answer::Yes);
    }
    QCOMPARE(boxes[1].buttons, Buttons::Ok);
    for (const Message& box : boxes) {
        QCOMPARE(box.icon, Icon::None);
        QCOMPARE(box.title, applicationTitle());
    }
    QCOMPARE(boxes[1].text, helpText());
    QCOMPARE(boxes[3].text, kFixed);
}

void TestComponentCheck::packageName_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("package");
    QTest::newRow("64") << "64"
                        << "ADOFix64.msu";
    QTest::newRow("32") << "32"
                        << "ADOFix86.msu";
    QTest::newRow("empty") << ""
                           << "ADOFix86.msu";
    QTest::newRow("leading blank") << " 64"
                                   << "ADOFix86.msu";
    QTest::newRow("trailing blank") << "64 "
                                    << "ADOFix86.msu";
    QTest::newRow("leading zero") << "064"
                                  << "ADOFix86.msu";
    QTest::newRow("128") << "128"
                         << "ADOFix86.msu";
}

void TestComponentCheck::packageName() {
    QFETCH(QString, width);
    QFETCH(QString, package);
    QCOMPARE(updatePackageName(width), package);
}

QTEST_GUILESS_MAIN(TestComponentCheck)
#include "tst_componentcheck.moc"
