// The program's own parameterised reads and writes on both engines, the same checks on the file
// and on a PostgreSQL server: the day views, the availability chart and its night list, the
// inventory from one desk at another, the overbooking question on save; and the file's backups,
// which a server desk does not make.
#include "base/dates.h"
#include "gui/dayviews/dayview.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/inventory/availabilitywindow.h"
#include "gui/inventory/inventorywindow.h"
#include "list/reservationmodel.h"
#include "store/backup.h"
#include "store/connection.h"
#include "store/money.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();
constexpr int kDoubleRoom = 1; // the chart's and the inventory's row of Double Room

// A base of its own, so that the server's database is dropped only after the window and the
// session have let go of it.
struct DeskServer {
    std::unique_ptr<ServerDatabase> server;
};

// One desk on the file (its own working database) or on a fresh server database.
struct Desk : DeskServer, WindowDesk {
    Desk(bool onServer, const char* name) {
        if (onServer) {
            server = std::make_unique<ServerDatabase>(QString::fromLatin1(name));
            session.server = server->url();
        } else {
            createWorkingDatabase(places.places);
        }
        start();
    }
    // A second desk on the first one's database.
    explicit Desk(const Desk& first) {
        if (first.server)
            session.server = first.server->url();
        else
            session.places = first.places.places;
        start();
    }
    void start() {
        QVERIFY(WindowDesk::start());
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    }
    void addStay(const QString& name, int from, int to, int units = 1) {
        GuestValues v = sampleGuest(name, kToday.addDays(from), kToday.addDays(to));
        v.accommodation = "Room";
        v.type = "Double";
        v.noOfRooms = QString::number(units);
        session.connection().execute(statements::insert(v));
    }
    QString rows() {
        ResultSet rs;
        rs.open(QStringLiteral("select count(*) as n from tblRooms"), session.connection());
        return rs.text("n");
    }
};

void addEngines() {
    QTest::addColumn<bool>("server");
    QTest::newRow("file") << false;
    QTest::newRow("server") << true;
}
} // namespace

class TestBothEngines : public QObject {
    Q_OBJECT
private slots:
    void dayViews_data();
    void dayViews();
    void chartAndNightList_data() { addEngines(); }
    void chartAndNightList();
    void inventoryFromOneDeskAtAnother_data() { addEngines(); }
    void inventoryFromOneDeskAtAnother();
    void overbookingAskedOnSave_data() { addEngines(); }
    void overbookingAskedOnSave();
    void saveWithRatesPricesTheNights_data() { addEngines(); }
    void saveWithRatesPricesTheNights();
    void serverDeskMakesNoBackups();
    void nulTextOnServerNamesItsField();
};

void TestBothEngines::dayViews_data() {
    QTest::addColumn<bool>("server");
    QTest::addColumn<int>("day");           // days from today
    QTest::addColumn<QStringList>("lists"); // arrivals, in the house, departures
    // Stays: Ames -2..0, Berg 0..3, Cole 0..0 (same day), Dunn -5..5, Eddy 1..2.
    const QList<std::pair<const char*, std::pair<int, QStringList>>> days = {
        {"the busy day", {0, {"Berg,Cole", "Berg,Cole,Dunn", "Ames,Cole"}}},
        {"the day before", {-1, {"", "Ames,Dunn", ""}}},
        {"a stay's last night", {2, {"", "Berg,Dunn", "Eddy"}}},
        {"the last departure", {5, {"", "", "Dunn"}}},
    };
    for (const bool server : {false, true})
        for (const auto& [name, day] : days)
            QTest::addRow("%s, %s", server ? "server" : "file", name)
                << server << day.first << day.second;
}

void TestBothEngines::dayViews() {
    QFETCH(bool, server);
    QFETCH(int, day);
    QFETCH(QStringList, lists);
    Desk desk(server, "dayviews");
    desk.addStay("Dunn", -5, 5);
    desk.addStay("Cole", 0, 0);
    desk.addStay("Berg", 0, 3);
    desk.addStay("Eddy", 1, 2);
    desk.addStay("Ames", -2, 0);
    DayViewWindow window(desk.session, desk.form.get());
    const std::span<const DayViewEntry> views = dayViewTable();
    QCOMPARE(lists.size(), qsizetype(views.size())); // a list of names for every view
    for (size_t v = 0; v < views.size(); ++v) {
        window.showDay(views[v].view, kToday.addDays(day));
        const auto* model =
            static_cast<const ReservationModel*>(window.findChild<QTreeView*>()->model());
        const QStringList names = shownNames(*model);
        QCOMPARE(names.join(','), lists[qsizetype(v)]);
        const qsizetype n = names.size();
        QVERIFY2(window.windowTitle().endsWith(
                     QStringLiteral(" - %1 reservation%2").arg(n).arg(n == 1 ? "" : "s")),
                 qPrintable(window.windowTitle()));
    }
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
}

void TestBothEngines::chartAndNightList() {
    QFETCH(bool, server);
    Desk desk(server, "chart");
    writeInventory(desk.session.connection(), {{"Room", "Double", 4}});
    desk.addStay("Zed", 0, 2, 3);
    desk.addStay("Amy", 1, 1, 1); // a same-day stay takes its one day
    // A stay from far back still counts, however far: from before the four-digit years.
    desk.addStay("Old", int(kToday.daysTo(QDate(900, 1, 1))), 2, 1);
    desk.form->showAvailability();
    auto* chart = desk.form->findChild<AvailabilityWindow*>("Availability");
    QVERIFY(chart);
    const QAbstractItemModel* grid = chart->findChild<QTableView*>("availabilityGrid")->model();
    QStringList free;
    for (int n = 0; n < 3; ++n)
        free << grid->index(kDoubleRoom, n).data().toString();
    QCOMPARE(free, QStringList({"0", "!-1", "4"}));
    chart->Grid_DblClick(kDoubleRoom, 1);
    auto* list = chart->findChild<QTreeWidget*>("nightList");
    QStringList guests;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        guests << list->topLevelItem(i)->text(0) + '/' + list->topLevelItem(i)->text(1);
    QCOMPARE(guests, QStringList({"Amy/1", "Old/1", "Zed/3"}));
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
}

void TestBothEngines::inventoryFromOneDeskAtAnother() {
    QFETCH(bool, server);
    Desk first(server, "inventory");
    {
        InventoryWindow window(*first.form);
        window.Form_Load();
        window.findChild<QTableWidget*>("inventoryGrid")->item(kDoubleRoom, 2)->setText("7");
        window.Save_Click();
    }
    // Entries only another program wrote come back in the file's order: by bytes.
    writeInventory(first.session.connection(),
                   {{"Room", "double", 1}, {"Room", "Double", 7}, {"Room", "Single", 2}});
    Desk second(first);
    QCOMPARE(readInventory(second.session.connection()),
             (std::vector<InventoryEntry>{
                 {"Room", "Double", 7}, {"Room", "Single", 2}, {"Room", "double", 1}}));
    InventoryWindow window(*second.form);
    window.Form_Load();
    QCOMPARE(window.findChild<QTableWidget*>("inventoryGrid")->item(kDoubleRoom, 2)->text(), "7");
    QVERIFY2(first.dialogs.shown.isEmpty(), qPrintable(first.dialogs.texts().join('\n')));
    QVERIFY2(second.dialogs.shown.isEmpty(), qPrintable(second.dialogs.texts().join('\n')));
}

void TestBothEngines::overbookingAskedOnSave() {
    QFETCH(bool, server);
    Desk desk(server, "overbooking");
    writeInventory(desk.session.connection(), {{"Room", "Double", 1}});
    desk.addStay("Held", 0, 1);
    auto editor = desk.edit(QString());
    control<QLineEdit>(*editor, "Text1")->setText("Ada Lovelace");
    control<QLineEdit>(*editor, "Text2")->setText("1");
    control<QComboBox>(*editor, "Combo1")->setCurrentText("Double");
    control<QComboBox>(*editor, "Combo2")->setEditText("VISA");
    control<QLineEdit>(*editor, "Text3")->setText("4111");
    control<QLineEdit>(*editor, "Text6")->setText("555 0100");
    control<QPlainTextEdit>(*editor, "Text7")->setPlainText("1 Harbour Road");
    control<QDateEdit>(*editor, "dtpCheckOut")->setDate(kToday.addDays(1));
    control<QDateEdit>(*editor, "dtpExpiry")->setDate(kToday.addYears(1));
    const QString question = "This stay overbooks Double Room on " +
                             QLocale().toString(kToday, shortDateFormat()) +
                             " (1 over). Save anyway?";
    // On the server the desk's session is dropped meanwhile: the question is asked all the same.
    if (server)
        desk.server->exec("select pg_terminate_backend(pid) from pg_stat_activity where "
                          "application_name = 'Corvanna' and datname = current_database()");
    desk.dialogs.answers = {Answer::No};
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(), QStringList{question});
    QCOMPARE(desk.rows(), "1");
    desk.dialogs.clear();
    desk.dialogs.answers = {Answer::Yes};
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(), QStringList({question, "Successfully Saved."}));
    QCOMPARE(desk.rows(), "2");
}

// The guest editor's save prices the new nights in its own transaction: a new stay all of them,
// a lengthened one only the nights it gained.
void TestBothEngines::saveWithRatesPricesTheNights() {
    QFETCH(bool, server);
    Desk desk(server, "pricing");
    Connection& c = desk.session.connection();
    Rate rate;
    rate.kind = "Room";
    rate.type = "Double";
    rate.priceCents = 9000;
    rate.taxRateId = addTaxRate(c, {0, "Reduced", 700});
    addRate(c, rate);
    auto editor = desk.edit(QString());
    control<QLineEdit>(*editor, "Text1")->setText("Ada Lovelace");
    control<QLineEdit>(*editor, "Text2")->setText("1");
    control<QComboBox>(*editor, "Combo1")->setCurrentText("Double");
    control<QComboBox>(*editor, "Combo2")->setEditText("VISA");
    control<QLineEdit>(*editor, "Text3")->setText("4111");
    control<QLineEdit>(*editor, "Text6")->setText("555 0100");
    control<QPlainTextEdit>(*editor, "Text7")->setPlainText("1 Harbour Road");
    control<QDateEdit>(*editor, "dtpCheckOut")->setDate(kToday.addDays(2));
    control<QDateEdit>(*editor, "dtpExpiry")->setDate(kToday.addYears(1));
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(), QStringList{"Successfully Saved."});
    ResultSet rs;
    rs.open(QStringLiteral("select max(id) as n from tblRooms"), c);
    const qint64 id = rs.text("n").toLongLong();
    rs.close();
    QCOMPARE(readFolio(c, id).chargesCents, 18000);

    rate.priceCents = 11000;
    addRate(c, rate);
    desk.dialogs.clear();
    auto again = desk.edit(QString::number(id));
    control<QDateEdit>(*again, "dtpCheckOut")->setDate(kToday.addDays(3));
    control<QDateEdit>(*again, "dtpExpiry")->setDate(kToday.addYears(1));
    control<QPushButton>(*again, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(), QStringList{"Successfully Saved."});
    QCOMPARE(readFolio(c, id).chargesCents, 29000);
}

void TestBothEngines::serverDeskMakesNoBackups() {
    Desk desk(true, "nobackups");
    for (const char* name : {"actionBackUpNow", "actionRestore"}) {
        const auto* action = desk.form->findChild<QAction*>(name);
        QVERIFY(action && !action->isEnabled());
        QCOMPARE(action->statusTip(),
                 "The reservations are on a database server, whose own backups keep them.");
    }
    desk.addStay("Saved", 0, 1);
    desk.form->backUpAfterSave();
    desk.form->Form_QueryUnload();
    QVERIFY2(desk.dialogs.shown.isEmpty(), qPrintable(desk.dialogs.texts().join('\n')));
    QVERIFY(!QDir(backupFolderOf(desk.places.places.dataFolder())).exists());
    // The file's desk keeps both commands.
    Desk file(false, "");
    QVERIFY(file.form->findChild<QAction*>("actionBackUpNow")->isEnabled());
    QVERIFY(file.form->findChild<QAction*>("actionRestore")->isEnabled());
}

// A server's text cannot hold a NUL (the file's can): Save names the box and keeps the typing.
void TestBothEngines::nulTextOnServerNamesItsField() {
    Desk desk(true, "nultext");
    auto editor = desk.edit(QString());
    fillValid(*editor);
    const QString phone = QString("555") + QChar(0) + "0100";
    control<QLineEdit>(*editor, "Text6")->setText(phone);
    control<QPushButton>(*editor, "PushButton4")->click();
    QCOMPARE(desk.dialogs.texts(),
             QStringList{"The field \"Phone Number\" holds a NUL character, which the database "
                         "server cannot store. Retype the field, then save again."});
    QCOMPARE(editor->result(), 0);
    QCOMPARE(control<QLineEdit>(*editor, "Text6")->text(), phone);
    QCOMPARE(desk.rows(), "0");
}

QTEST_MAIN(TestBothEngines)
#include "tst_bothengines.moc"
