// The error report and the numbered-step policy; the application title.
#include "base/failure.h"
#include "base/places.h"
#include "base/report.h"
#include "tests/common/testsupport.h"

#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void exactText();
    void stepsGoOnAfterFailure();
    void failingTestRunsGuardedSteps();
    void otherExceptionsAreReported();
    void boxesWithoutTitleShowApplicationTitle();
    void shortenedTitle_data();
    void shortenedTitle();
};

void TestReport::exactText() {
    QCOMPARE(
        errorReportText("Permission denied", "Form1.listRooms", 106),
        QStringLiteral("Permission denied\r\nin Corvanna2021/08/31.Form1.listRooms at line 106\r\r"
                       "Please email screenshot of this message to support@pellworth.example"));
    ScriptedDialogs dialogs;
    ReportError(dialogs, "Overflow", "Form2.PushButton4_Click", 172);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Application Error"));
    QCOMPARE(dialogs.shown[0].buttons, Buttons::Ok);
    QCOMPARE(dialogs.shown[0].icon, Icon::Warning);
    QVERIFY(dialogs.shown[0].text.contains("Form2.PushButton4_Click at line 172\r\r"));
}

void TestReport::stepsGoOnAfterFailure() {
    ScriptedDialogs dialogs;
    Procedure proc(dialogs, "Form1.Form_Load");
    QList<int> ran;
    QVERIFY(proc.step(100, [&] { ran << 100; }));
    QVERIFY(!proc.step(102, [&] { throw Failure("first"); }));
    QVERIFY(!proc.step(104, [&] { throw Failure("second"); }));
    QVERIFY(proc.step(106, [&] { ran << 106; }));
    QCOMPARE(ran, (QList<int>{100, 106}));
    QCOMPARE(proc.failures(), 2);
    QCOMPARE(dialogs.texts(), (QStringList{reportFor("first", "Form1.Form_Load", 102),
                                           reportFor("second", "Form1.Form_Load", 104)}));
}

void TestReport::failingTestRunsGuardedSteps() {
    ScriptedDialogs dialogs;
    Procedure proc(dialogs, "Form1.Form_QueryUnload");
    QVERIFY(proc.test(108, [&]() -> bool { throw Failure("Object required"); }));
    QVERIFY(!proc.test(108, [] { return false; }));
    QVERIFY(proc.test(108, [] { return true; }));
    QCOMPARE(dialogs.texts(),
             QStringList{reportFor("Object required", "Form1.Form_QueryUnload", 108)});
}

void TestReport::otherExceptionsAreReported() {
    ScriptedDialogs dialogs;
    Procedure proc(dialogs, "Form1.PushButton6_Click");
    proc.step(104, [] { throw std::bad_alloc(); });
    proc.step(106, [] { throw 42; });
    QCOMPARE(dialogs.shown.size(), 2);
    QVERIFY(dialogs.shown[0].text.startsWith("Out of memory\r\n"));
    QVERIFY(dialogs.shown[1].text.contains("at line 106"));
}

void TestReport::boxesWithoutTitleShowApplicationTitle() {
    ScriptedDialogs dialogs;
    ShortenAppTitle();
    dialogs.notify("Successfully Saved.");
    QVERIFY(dialogs.ask("Are you sure?"));
    dialogs.answers = {Answer::No};
    QVERIFY(!dialogs.ask("Again?"));
    QCOMPARE(dialogs.shown[0].title, QStringLiteral("Corvanna"));
    QCOMPARE(dialogs.shown[0].buttons, Buttons::Ok);
    QCOMPARE(dialogs.shown[0].icon, Icon::None);
    QCOMPARE(dialogs.shown[1].buttons, Buttons::YesNo);
    QCOMPARE(dialogs.shown[1].defaultButton, Answer::Yes);
    QCOMPARE(dialogs.shown[1].title, QStringLiteral("Corvanna"));
}

void TestReport::shortenedTitle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("one word stays") << "Corvanna"
                                    << "Corvanna";
    QTest::newRow("short still drops a word") << "Corvanna Desk"
                                              << "Corvanna";
    QTest::newRow("exactly 40 drops one word") << "Corvanna Front Desk Reservations Manager"
                                               << "Corvanna Front Desk Reservations";
    QTest::newRow("long drops until 40")
        << "Corvanna Front Desk Reservations Manager For Small Hotels"
        << "Corvanna Front Desk Reservations Manager";
    QTest::newRow("one long word is cut") << QString(50, 'x') << QString(40, 'x');
}

void TestReport::shortenedTitle() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(corvanna::shortenedTitle(name), title);
    QVERIFY(!corvanna::shortenedTitle(name).isEmpty());
    QVERIFY(corvanna::shortenedTitle(name).size() <= 40);
}

QTEST_GUILESS_MAIN(TestReport)
#include "tst_report.moc"
