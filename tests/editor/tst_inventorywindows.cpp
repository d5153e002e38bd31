// The inventory window and the availability chart, driven over a real working database.
#include "base/dates.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "gui/inventory/availabilitywindow.h"
#include "gui/inventory/inventorywindow.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();
constexpr int kDoubleRoom = 1; // Single, Double, ... in the kinds table's order
constexpr int kRoyalWing = 6;
} // namespace

class TestInventoryWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chart();
    void chartFollowsTheList();
    void inventorySaves_data();
    void inventorySaves();
    void menuOpensBoth();
    void gridsAreNamed();
    void keysOpenTheNightAndTheEditor();

private:
    QString db() const { return m_places->places.workingDatabase(); }
    void addStay(const QString& name, const QString& kind, const QString& type, int units, int from,
                 int to) {
        GuestValues v = sampleGuest(name, kToday.addDays(from), kToday.addDays(to));
        v.accommodation = kind;
        v.type = type;
        v.noOfRooms = QString::number(units);
        execOn(db(), translateDates(statements::insert(v)));
    }
    AvailabilityWindow* openChart() {
        m_main->showAvailability();
        auto* chart = m_main->findChild<AvailabilityWindow*>("Availability");
        if (!chart) qFatal("no chart");
        return chart;
    }

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_main;
};

void TestInventoryWindows::init() {
    m_places = std::make_unique<TempPlaces>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_main = std::make_unique<Form1>(*m_session);
    QVERIFY(m_main->Form_Load());
}

void TestInventoryWindows::cleanup() {
    m_main.reset();
    m_session.reset();
    m_places.reset();
}

void TestInventoryWindows::chart() {
    execOn(db(), "insert into tblInventory values ('Room', 'Double', 2), ('Wing', 'Royal', 1)");
    addStay("Zed", "Room", "Double", 3, 0, 2);
    addStay("Amy", "Room", "Double", 1, 1, 1);
    addStay("Wes", "Wing", "Royal", 1, -3, 1);
    auto* chart = openChart();
    const QAbstractItemModel* grid = chart->findChild<QTableView*>("availabilityGrid")->model();
    const auto cell = [grid](int row, int column, int role = Qt::DisplayRole) {
        return grid->index(row, column).data(role);
    };
    QCOMPARE(grid->rowCount(), 13);
    QCOMPARE(grid->columnCount(), 14);
    QCOMPARE(grid->headerData(kDoubleRoom, Qt::Vertical).toString(), "Double Room");
    const QString format = shortDateFormat();
    QCOMPARE(grid->headerData(0, Qt::Horizontal).toString(),
             "Today\n" + QLocale().toString(kToday, format));
    QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(),
             QLocale().dayName(kToday.addDays(1).dayOfWeek(), QLocale::ShortFormat) + "\n" +
                 QLocale().toString(kToday.addDays(1), format));
    // Over-booked nights carry a sign and a colour; a type without inventory shows its bookings.
    const QStringList doubles{"!-1", "!-2", "2"};
    for (int n = 0; n < 3; ++n)
        QCOMPARE(cell(kDoubleRoom, n).toString(), doubles[n]);
    QCOMPARE(cell(kDoubleRoom, 0, Qt::BackgroundRole), cell(kDoubleRoom, 1, Qt::BackgroundRole));
    QVERIFY(cell(kDoubleRoom, 0, Qt::BackgroundRole) != cell(kDoubleRoom, 2, Qt::BackgroundRole));
    QVERIFY(cell(kRoyalWing, 0, Qt::BackgroundRole) != cell(kRoyalWing, 1, Qt::BackgroundRole));
    QCOMPARE(cell(kRoyalWing, 0).toString(), "0");
    QCOMPARE(cell(kRoyalWing, 1).toString(), "1");
    QCOMPARE(cell(0, 0).toString(), "(0)");

    auto* nights = chart->findChild<QComboBox*>("availabilityNights");
    nights->setCurrentIndex(1);
    QCOMPARE(grid->columnCount(), 31);

    // The night's reservations of that type, by guest name.
    chart->Grid_DblClick(kDoubleRoom, 1);
    auto* list = chart->findChild<QTreeWidget*>("nightList");
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), "Amy");
    QCOMPARE(list->topLevelItem(1)->text(0), "Zed");
    QCOMPARE(list->topLevelItem(1)->text(1), "3");
    QCOMPARE(chart->findChild<QLabel*>("nightLabel")->text(),
             "Double Room on " + QLocale().toString(kToday.addDays(1), format));
    QVERIFY(m_dialogs->shown.isEmpty());
}

void TestInventoryWindows::chartFollowsTheList() {
    execOn(db(), "insert into tblInventory values ('Room', 'Double', 2)");
    const QAbstractItemModel* grid =
        openChart()->findChild<QTableView*>("availabilityGrid")->model();
    QCOMPARE(grid->index(kDoubleRoom, 0).data().toString(), "2");
    addStay("Zed", "Room", "Double", 1, 0, 1);
    m_main->PushButton4_Click(); // any fill of the list, as after a save or a delete
    QCOMPARE(grid->index(kDoubleRoom, 0).data().toString(), "1");
    // One chart at a time.
    m_main->showAvailability();
    QCOMPARE(m_main->findChildren<AvailabilityWindow*>().size(), 1);
}

void TestInventoryWindows::inventorySaves_data() {
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("a count") << " 12 "
                             << "Room|Double|12;Wing|Royal|3" << QStringList{};
    QTest::newRow("empty: no limit") << ""
                                     << "Wing|Royal|3" << QStringList{};
    QTest::newRow("not a number") << "1O"
                                  << "Room|Double|2"
                                  << QStringList{"The units of Double must be a whole number."};
    QTest::newRow("negative") << "-1"
                              << "Room|Double|2"
                              << QStringList{"The units of Double must be a whole number."};
}

void TestInventoryWindows::inventorySaves() {
    QFETCH(QString, units);
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    execOn(db(), "insert into tblInventory values ('Room', 'Double', 2)");
    InventoryWindow window(*m_main);
    window.Form_Load();
    auto* grid = window.findChild<QTableWidget*>("inventoryGrid");
    QCOMPARE(grid->rowCount(), 13);
    QCOMPARE(grid->item(kDoubleRoom, 2)->text(), "2");
    QCOMPARE(grid->item(kRoyalWing, 0)->text(), "Wings");
    grid->item(kDoubleRoom, 2)->setText(units);
    grid->item(kRoyalWing, 2)->setText("3");
    window.Save_Click();
    QCOMPARE(m_dialogs->texts(), messages);
    QCOMPARE(queryValue(db(), "select group_concat(Kind || '|' || Type || '|' || Units, ';') "
                              "from (select * from tblInventory order by Kind, Type)"),
             stored);
}

void TestInventoryWindows::menuOpensBoth() {
    QString shownModal;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shownModal = modal->objectName();
            modal->close();
        }
    });
    m_main->findChild<QAction*>("actionInventory")->trigger();
    QCOMPARE(shownModal, "Inventory");
    m_main->findChild<QAction*>("actionAvailability")->trigger();
    auto* chart = m_main->findChild<AvailabilityWindow*>("Availability");
    QVERIFY(chart && chart->isVisible());
}

void TestInventoryWindows::gridsAreNamed() {
    InventoryWindow inventory(*m_main);
    AvailabilityWindow* chart = openChart();
    const std::pair<QWidget*, const char*> grids[] = {
        {inventory.findChild<QTableWidget*>("inventoryGrid"), "Inventory"},
        {chart->findChild<QTableView*>("availabilityGrid"), "Availability"},
        {chart->findChild<QTreeWidget*>("nightList"), "Reservations of the night"}};
    for (const auto& [grid, name] : grids)
        QCOMPARE(QAccessible::queryAccessibleInterface(grid)->text(QAccessible::Name),
                 QString::fromLatin1(name));
}

void TestInventoryWindows::keysOpenTheNightAndTheEditor() {
    addStay("Zed", "Room", "Double", 3, 0, 2);
    AvailabilityWindow* chart = openChart();
    QVERIFY(QTest::qWaitForWindowActive(chart));
    auto* grid = chart->findChild<QTableView*>("availabilityGrid");
    auto* list = chart->findChild<QTreeWidget*>("nightList");
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        list->clear();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(kDoubleRoom, 1));
        QTest::keyClick(grid, key);
        QCOMPARE(list->topLevelItemCount(), 1);
    }
    // Enter on the night's reservation opens it in the guest editor.
    QString edited;
    QObject scope; // a timer that found no editor ends with the test
    QTimer::singleShot(0, &scope, [&] {
        if (auto* editor = qobject_cast<Form2*>(QApplication::activeModalWidget())) {
            edited = control<QLineEdit>(*editor, "Text1")->text();
            editor->close();
        }
    });
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(edited, "Zed");
    QVERIFY(m_dialogs->shown.isEmpty());
}

QTEST_MAIN(TestInventoryWindows)
#include "tst_inventorywindows.moc"
