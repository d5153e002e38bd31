// Start-up of the main window: the data folder, the working database, the saved settings.
#include "base/settings.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStart();
    void existingWorkingDatabaseIsKept();
    void noDatabaseAnywhere_data();
    void noDatabaseAnywhere();
    void fileInPlaceOfMakerFolder();
    void columnWidths_data();
    void columnWidths();
    void windowState_data();
    void windowState();
    void mainWindowDesign();
    void commandLine_data();
    void commandLine();

private:
    QSettings userSettings() const {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
    }
    void store(const QString& key, const QString& value) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
        s.setValue("Corvanna/" + key, value);
    }
    QStringList listedNames(const Form1& form) const {
        QStringList names;
        for (int r = 0; r < form.listModel()->rowCount(); ++r)
            names << form.listModel()->cellText(r, 1);
        return names;
    }
};

void TestStartup::init() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Pellworth", QString());
    s.clear();
    s.sync();
}

void TestStartup::firstStart() {
    TempPlaces temp;
    const QDate today = QDate::currentDate();
    execOn(temp.places.shippedDatabase(),
           translateDates(statements::insert(sampleGuest("Shipped today", today, today))));
    QVERIFY(!QFileInfo::exists(temp.places.makerFolder()));
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    QVERIFY(QFileInfo(temp.places.makerFolder()).isDir());
    QVERIFY(QFileInfo(temp.places.dataFolder()).isDir());
    QVERIFY(QFileInfo(temp.places.workingDatabase()).isFile());
    QVERIFY(QFileInfo(temp.places.workingDatabase()).isWritable());
    QCOMPARE(listedNames(form), QStringList{"Shipped today"});
    QCOMPARE(session.dbConnection->state(), 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Corvanna"));
    QCOMPARE(applicationTitle(), QStringLiteral("Corvanna"));
    QVERIFY(!session.ended);
    // Start-up writes no setting.
    QVERIFY(userSettings().allKeys().isEmpty());
}

void TestStartup::existingWorkingDatabaseIsKept() {
    TempPlaces temp;
    const QDate today = QDate::currentDate();
    execOn(temp.places.shippedDatabase(),
           translateDates(statements::insert(sampleGuest("Shipped", today, today))));
    createWorkingDatabase(temp.places);
    execOn(temp.places.workingDatabase(),
           translateDates(statements::insert(sampleGuest("Working", today, today))));
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    form.PushButton5_Click();
    QCOMPARE(listedNames(form), QStringList{"Working"});
    QVERIFY(dialogs.shown.isEmpty());
}

void TestStartup::noDatabaseAnywhere_data() {
    QTest::addColumn<bool>("folderInstead");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder of that name") << true;
}

void TestStartup::noDatabaseAnywhere() {
    QFETCH(bool, folderInstead);
    TempPlaces temp(false);
    if (folderInstead) QDir().mkpath(temp.places.shippedDatabase());
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    int endedWith = -1;
    session.onEnd = [&](int code) { endedWith = code; };
    {
        Form1 form(session);
        QVERIFY(!form.Form_Load());
        QVERIFY(!form.isVisible());
    }
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].text,
             QDir::toNativeSeparators(temp.places.programFolder + "/dbRooms.mdb") + " not found.");
    QCOMPARE(dialogs.shown[0].buttons, Buttons::Ok);
    QCOMPARE(dialogs.shown[0].icon, Icon::None);
    QCOMPARE(dialogs.shown[0].title, applicationTitle());
    QVERIFY(session.ended);
    QVERIFY(endedWith >= 0);
    QVERIFY(!session.dbConnection);
    QVERIFY(!QFileInfo::exists(temp.places.workingDatabase()));
    QVERIFY(userSettings().allKeys().isEmpty());
}

void TestStartup::fileInPlaceOfMakerFolder() {
    TempPlaces temp;
    QFile blocker(temp.places.makerFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    QVERIFY(blocker.setPermissions(QFile::Permissions(0x6644)));
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    const QStringList texts = dialogs.texts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts[0], reportFor("Path/File access error", "Form1.Form_Load", 106));
    QVERIFY(texts[1].contains("Form1.Form_Load at line 114"));
    QCOMPARE(texts[2], reportFor("unable to open database file", "Form1.Form_Load", 138));
    QCOMPARE(texts[3], reportFor("Operation is not allowed when the object is closed.",
                                 "Form1.listRooms", 106));
    QCOMPARE(form.listModel()->rowCount(), 0);
    QVERIFY(QFileInfo(temp.places.makerFolder()).isFile());
    // Not the program's folder: its mode is left as it was.
    QVERIFY(QFileInfo(temp.places.makerFolder()).permissions().testFlag(QFile::ReadOther));
}

void TestStartup::columnWidths_data() {
    QTest::addColumn<QStringList>("stored");  // "key=value"
    QTest::addColumn<QList<float>>("widths"); // columns 1..13
    QTest::addColumn<QStringList>("reports");
    const QList<float> defaults = {1,    2000, 2000, 2000, 2000, 2000, 2000,
                                   2000, 2000, 2000, 2000, 2000, 2000};
    QTest::newRow("nothing saved") << QStringList() << defaults << QStringList();
    QList<float> dragged = defaults;
    dragged[0] = 900;
    dragged[1] = 0;
    dragged[12] = 4567.5f;
    QTest::newRow("saved widths") << QStringList{"ColumnHeaders1=900", "ColumnHeaders2=0",
                                                 "ColumnHeaders13=4567.5"}
                                  << dragged << QStringList();
    QList<float> bad = defaults;
    bad[0] = bad[2] = bad[4] = -1; // refused: the width the column was created with
    bad[3] = 3000;
    QTest::newRow("bad values reported per column")
        << QStringList{"ColumnHeaders3=wide", "ColumnHeaders4=3000", "ColumnHeaders5=-5",
                       "ColumnHeaders1=1e999"}
        << bad
        << QStringList{reportFor("Type mismatch", "Form1.Form_Load", 130),
                       reportFor("Type mismatch", "Form1.Form_Load", 132),
                       reportFor("Invalid property value", "Form1.Form_Load", 132)};
}

void TestStartup::columnWidths() {
    QFETCH(QStringList, stored);
    QFETCH(QList<float>, widths);
    QFETCH(QStringList, reports);
    for (const QString& pair : stored)
        store(pair.section('=', 0, 0), pair.section('=', 1));
    TempPlaces temp;
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    const float created = form.columnWidth(1);
    QVERIFY(created > 0);
    QVERIFY(form.Form_Load());
    QCOMPARE(dialogs.texts(), reports);
    for (int i = 1; i <= 13; ++i) {
        const float expected = widths[i - 1] < 0 ? created : widths[i - 1];
        QCOMPARE(form.columnWidth(i), expected);
    }
}

void TestStartup::windowState_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("layoutMoved");
    QTest::addColumn<QStringList>("reports");
    QTest::newRow("nothing saved") << QString() << 0 << false << QStringList();
    QTest::newRow("normal") << "0" << 0 << false << QStringList();
    QTest::newRow("minimised") << "1" << 1 << true << QStringList();
    QTest::newRow("maximised") << "2" << 2 << true << QStringList();
    QTest::newRow("seven") << "7" << 0 << false
                           << QStringList{
                                  reportFor("Invalid property value", "Form1.Form_Load", 142)};
    QTest::newRow("word") << "big" << 0 << false
                          << QStringList{reportFor("Type mismatch", "Form1.Form_Load", 142)};
}

void TestStartup::windowState() {
    QFETCH(QString, stored);
    QFETCH(int, state);
    QFETCH(bool, layoutMoved);
    QFETCH(QStringList, reports);
    if (!stored.isNull()) store("WindowState", stored);
    TempPlaces temp;
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    QCOMPARE(dialogs.texts(), reports);
    const Qt::WindowStates s = form.windowState();
    QCOMPARE(s & Qt::WindowMinimized ? 1 : s & Qt::WindowMaximized ? 2 : 0, state);
    QCOMPARE(form.layoutMoved(), layoutMoved);
}

void TestStartup::mainWindowDesign() {
    TempPlaces temp;
    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    Form1 form(session);
    QVERIFY(form.Form_Load());
    // 9960 x 7845 twips at 15 twips a pixel, below the menu bar.
    QCOMPARE(form.size(), QSize(664, 523 + form.menuHeight()));
    const QStringList captions = {"Add New",        "Delete Selected", "Edit Selected",
                                  "Search By Date", "Show All",        "Load Sample/Example Data"};
    const QList<QPushButton*> buttons = {
        control<QPushButton>(form, "PushButton1"), control<QPushButton>(form, "PushButton2"),
        control<QPushButton>(form, "PushButton3"), control<QPushButton>(form, "PushButton4"),
        control<QPushButton>(form, "PushButton5"), control<QPushButton>(form, "PushButton6")};
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->text(), captions[i]);
        QCOMPARE(buttons[i]->font().pointSizeF(), 11.25);
        QVERIFY(buttons[i]->font().bold());
    }
    QCOMPARE(control<QTreeView>(form, "ListView1")->geometry(), QRect(8, 106, 648, 342));
    QCOMPARE(control<QPushButton>(form, "PushButton6")->geometry(), QRect(336, 489, 320, 27));
    QCOMPARE(control<QTreeView>(form, "ListView1")->toolTip(),
             QStringLiteral("Double-click item to remove it. Move | line to right and out of "
                            "window to reveal full names."));
    QCOMPARE(control<QDateEdit>(form, "dtpCheckIn")->minimumDate(), QDate(1601, 1, 1));
    QCOMPARE(control<QDateEdit>(form, "dtpCheckOut")->maximumDate(), QDate(9999, 12, 31));
    QCOMPARE(form.font().family(), QStringLiteral("Arial"));
    QCOMPARE(form.font().pointSizeF(), 9.0);
}

// The program itself, started headless on fresh folders, ending once its window is painted. Qt
// takes its own arguments (-style) before the program reads the rest.
void TestStartup::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("errorLine");
    QTest::newRow("a file from Open with")
        << QStringList{"/home/desk/Reservations 2026-12-01.csv", "-style", "Fusion", "--frobnicate"}
        << 0
        << "corvanna: arguments ignored (not options of this program): "
           "\"/home/desk/Reservations 2026-12-01.csv\" \"--frobnicate\"";
    QTest::newRow("the program's own option without its value")
        << QStringList{"--server"} << 2
        << "corvanna: --server needs a server: a postgresql:// URL or key=value connection "
           "string";
}

void TestStartup::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, errorLine);
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("CORVANNA_QUIT_WHEN_SHOWN", "1");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CORVANNA_PROGRAM_DIR "/corvanna"), arguments);
    const bool ended = program.waitForFinished(120000);
    if (!ended) program.kill();
    QVERIFY(ended);
    const QStringList errors = QString::fromLocal8Bit(program.readAllStandardError()).split('\n');
    QVERIFY2(errors.contains(errorLine), qPrintable(errors.join('\n')));
    QCOMPARE(program.exitCode(), exitCode);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
