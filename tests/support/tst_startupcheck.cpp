// The components check inside the real start-up: where it comes, what it lets start-up do after
// it, and that stopping after a repair ends the program with nothing saved.
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "support/componentcheck.h"
#include "tests/common/testsupport.h"

#include <QFile>
#include <QSettings>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestStartupCheck : public QObject {
    Q_OBJECT
private slots:
    void init();
    void startup_data();
    void startup();
};

void TestStartupCheck::init() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth"),
                       QString());
    settings.clear();
    settings.sync();
}

void TestStartupCheck::startup_data() {
    QTest::addColumn<QString>("probe"); // "missing", "present" or "real"
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("packageExit");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("ran");
    QTest::addColumn<bool>("goesOn");

    const QStringList yesYes = {QStringLiteral("Yes"), QStringLiteral("Yes")};
    QTest::newRow("repaired, stop") << "missing" << yesYes << 0 << 2 << true << false;
    QTest::newRow("repaired, go on")
        << "missing" << QStringList{"Yes", "No"} << 0 << 2 << true << true;
    QTest::newRow("declined") << "missing" << QStringList{"No"} << 0 << 2 << false << true;
    QTest::newRow("package failed") << "missing" << yesYes << 100 << 2 << true << true;
    QTest::newRow("intact") << "present" << yesYes << 0 << 0 << false << true;
    QTest::newRow("installed driver") << "real" << yesYes << 0 << 0 << false << true;
}

void TestStartupCheck::startup() {
    QFETCH(QString, probe);
    QFETCH(QStringList, answers);
    QFETCH(int, packageExit);
    QFETCH(int, boxes);
    QFETCH(bool, ran);
    QFETCH(bool, goesOn);

    TempPlaces temp;
    QFile package(temp.places.programFile(QStringLiteral("ADOFix64.msu")));
    QVERIFY(package.open(QIODevice::WriteOnly));
    package.close();

    ScriptedDialogs dialogs;
    dialogs.defaultAnswer = Answer::No;
    for (const QString& answer : answers)
        dialogs.answers << (answer == QLatin1String("Yes") ? Answer::Yes : Answer::No);
    Session session(dialogs, temp.places);
    if (probe != QLatin1String("real"))
        session.databaseComponentsPresent = [present = probe == QLatin1String("present")] {
            return present;
        };
    session.processorAddressWidth = [] { return QStringLiteral("64"); };
    QStringList runs;
    session.runAndWait = [&](const QString& commandLine, int style) {
        runs << commandLine + QStringLiteral(" | style ") + QString::number(style);
        return packageExit;
    };
    int ends = 0;
    session.onEnd = [&ends](int) { ++ends; };

    Form1 form(session);
    // What start-up has done when each box shows: the caption is set, the columns still have the
    // width they were made with and the connection is not made.
    const float madeWidth = form.columnWidth(2);
    QVERIFY(madeWidth != 2000.0f);
    QStringList stateAtBoxes;
    dialogs.onShow = [&](const Message&) {
        stateAtBoxes << QStringLiteral("%1, column 2 %2 twips, connection %3")
                            .arg(form.windowTitle())
                            .arg(form.columnWidth(2))
                            .arg(session.dbConnection ? QStringLiteral("made")
                                                      : QStringLiteral("none"));
    };
    const bool loaded = form.Form_Load();

    QCOMPARE(dialogs.shown.size(), boxes);
    if (boxes > 0) QCOMPARE(dialogs.shown.first().text, kComponentsMissingQuestion);
    const QString expectedState =
        QStringLiteral("Corvanna, column 2 %1 twips, connection none").arg(madeWidth);
    QCOMPARE(stateAtBoxes, QStringList(boxes, expectedState));
    QCOMPARE(runs, ran ? QStringList{temp.places.programFile(QStringLiteral("ADOFix64.msu")) +
                                     QStringLiteral(" | style 0")}
                       : QStringList());
    QCOMPARE(loaded, goesOn);
    QCOMPARE(session.ended, !goesOn);
    QCOMPARE(ends, goesOn ? 0 : 1);
    if (goesOn) {
        QCOMPARE(form.columnWidth(2), 2000.0f);
        QVERIFY(session.dbConnection);
        QCOMPARE(session.dbConnection->state(), 1);
    } else {
        QCOMPARE(session.exitCode, 0);
        QCOMPARE(form.columnWidth(2), madeWidth);
        QVERIFY(!session.dbConnection);
    }
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pellworth"),
                       QString());
    QVERIFY2(settings.allKeys().isEmpty(), qPrintable(settings.allKeys().join(QLatin1Char(' '))));
}

QTEST_MAIN(TestStartupCheck)
#include "tst_startupcheck.moc"
