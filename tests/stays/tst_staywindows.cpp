// The stays' windows over a real working database: the room chart by keyboard and by mouse, the
// check-in's choice of unit, and the cancel that greys the list's row.
#include "base/dates.h"
#include "editor/roomchart.h"
#include "gui/frame/form1.h"
#include "gui/frame/rowdelegate.h"
#include "gui/frame/session.h"
#include "gui/stays/roomchartview.h"
#include "gui/stays/roomchartwindow.h"
#include "gui/stays/unitswindow.h"
#include "store/literals.h"
#include "store/statements.h"
#include "store/stays.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

namespace {
const QDate kToday = QDate::currentDate();

QString day(const QDate& date) {
    return QLocale().toString(date, shortDateFormat());
}
} // namespace

class TestStayWindows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void chartDrawsTheLayout();
    void keyboardMovesABar_data();
    void keyboardMovesABar();
    void aStayWithoutAUnitTakesOne();
    void folioOpensOnTheChosenStay();
    void dragMovesABar_data();
    void dragMovesABar();
    void checkInOffersFreeUnitsFirst_data();
    void checkInOffersFreeUnitsFirst();
    void cancelGreysTheRow();
    void commandsRefuse_data();
    void commandsRefuse();
    void unitsRefuseBadInput_data();
    void unitsRefuseBadInput();
    void unitsAskOnceAboutTheInventory();

private:
    QString db() const { return m_desk->places.places.workingDatabase(); }
    Connection& connection() { return m_desk->session.connection(); }
    // A reservation of a Double Room from `from` to `to` days after today; its id.
    qint64 addStay(const QString& name, int from, int to, const QString& type = "Double") {
        GuestValues v = sampleGuest(name, kToday.addDays(from), kToday.addDays(to));
        v.type = type;
        execOn(db(), translateDates(statements::insert(v)));
        return queryValue(db(), "select max(id) from tblRooms").toLongLong();
    }
    qint64 addUnit(const QString& name, const QString& type = "Double") {
        Unit unit;
        unit.name = name;
        unit.kind = "Room";
        unit.type = type;
        return corvanna::addUnit(connection(), unit);
    }
    RoomChartWindow* openChart() {
        m_desk->form->showRoomChart();
        auto* chart = m_desk->form->findChild<RoomChartWindow*>("RoomChart");
        if (!chart) qFatal("no room chart");
        return chart;
    }
    void selectInList(qint64 id) {
        m_desk->form->PushButton5_Click();
        auto* list = control<QTreeView>(*m_desk->form, "ListView1");
        list->selectionModel()->setCurrentIndex(
            list->model()->index(m_desk->form->listModel()->rowOfId(id), 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    std::vector<UnitSpan> spansOf(qint64 id) { return readStay(connection(), id).spans; }

    std::unique_ptr<WindowDesk> m_desk;
};

void TestStayWindows::init() {
    m_desk = std::make_unique<WindowDesk>();
    QVERIFY(m_desk->start());
}

void TestStayWindows::cleanup() {
    m_desk.reset();
}

// Each bar lies on its unit's row over exactly its nights, and reads as its stay.
void TestStayWindows::chartDrawsTheLayout() {
    const QDate first(2026, 3, 2);
    std::vector<Unit> units{{1, "101", "Room", "Double", "", true},
                            {2, "102", "Room", "Double", "", true}};
    Stay inHouse;
    inHouse.reservationId = 7;
    inHouse.guestName = "Ada Ames";
    inHouse.kind = "Room";
    inHouse.type = "Double";
    inHouse.checkIn = first.addDays(-2);
    inHouse.checkOut = first.addDays(3);
    inHouse.status = StayStatus::InHouse;
    inHouse.spans = {{2, inHouse.checkIn, inHouse.checkOut}};
    Stay waiting = inHouse;
    waiting.reservationId = 8;
    waiting.guestName = "Bo Byrne";
    waiting.status = StayStatus::Expected;
    waiting.checkIn = first.addDays(4);
    waiting.checkOut = first.addDays(6);
    waiting.spans.clear();

    RoomChartView view;
    view.setChart(layOutRoomChart(units, {inHouse, waiting}, first, 14), first);
    QCOMPARE(view.chart().bars.size(), size_t(1));
    const QRect bar = view.barRect(0);
    // Rows and nights: the second unit, the chart's first three nights.
    for (int column = 0; column < 3; ++column)
        QCOMPARE(view.barAt(view.cellRect(1, column).center()), std::optional(0));
    QCOMPARE(view.barAt(view.cellRect(1, 3).center()), std::nullopt);
    QCOMPARE(view.barAt(view.cellRect(0, 1).center()), std::nullopt);
    QVERIFY(bar.top() >= view.cellRect(1, 0).top() && bar.bottom() <= view.cellRect(1, 0).bottom());
    QCOMPARE(view.barText(0), "Ada Ames, in house, unit 102, nights of " + day(first) + " to " +
                                  day(first.addDays(2)));
    view.selectBar(0);
    QCOMPARE(view.accessibleDescription(), view.barText(0));
}

void TestStayWindows::keyboardMovesABar_data() {
    QTest::addColumn<bool>("targetTaken");
    QTest::newRow("to a free unit") << false;
    QTest::newRow("to a unit another guest holds") << true;
}

// Home selects the bar, Ctrl+M asks for the unit and the night, and the stay moves; a unit
// another stay holds is refused with that guest's name.
void TestStayWindows::keyboardMovesABar() {
    QFETCH(bool, targetTaken);
    const qint64 from = addUnit("101");
    const qint64 to = addUnit("102");
    const qint64 ada = addStay("Ada Ames", 0, 3);
    QVERIFY(!assignUnit(connection(), ada, from));
    if (targetTaken) QVERIFY(!assignUnit(connection(), addStay("Bo Byrne", 1, 2), to));

    RoomChartWindow* chart = openChart();
    auto* view = control<RoomChartView>(*chart, "roomChartView");
    QVERIFY(QTest::qWaitForWindowActive(chart)); // its keys act in the active window
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(chart->chosenReservation(), std::optional(ada));
    QList<UnitQuestion> asked;
    m_desk->session.chooseUnit = [&](const UnitQuestion& q, QWidget*) {
        asked << q;
        return std::optional(UnitAnswer{to, q.night});
    };
    QTest::keyClick(view, Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(asked.size(), 1);
    QVERIFY(asked[0].asksNight);
    QCOMPARE(asked[0].night, kToday);
    if (targetTaken) {
        QCOMPARE(m_desk->dialogs.texts(),
                 QStringList{"Unit 102 is held by Bo Byrne on the night of " +
                             day(kToday.addDays(1)) + ", so the stay was not moved."});
        QCOMPARE(spansOf(ada).front().unitId, from);
    } else {
        QCOMPARE(m_desk->dialogs.texts(), QStringList());
        const std::vector<UnitSpan> spans = spansOf(ada);
        QCOMPARE(spans.size(), size_t(1));
        QCOMPARE(spans[0].unitId, to);
        QCOMPARE(view->chart().bars.front().unitRow, 1); // the chart shows it at once
    }
}

// A stay without a unit is listed beside the chart and counted on its nights; chosen there, it
// takes a unit by the keyboard and leaves the list.
void TestStayWindows::aStayWithoutAUnitTakesOne() {
    const qint64 unit = addUnit("101");
    const qint64 ada = addStay("Ada Ames", 0, 2);
    RoomChartWindow* chart = openChart();
    auto* list = control<QListWidget>(*chart, "roomChartUnassigned");
    auto* view = control<RoomChartView>(*chart, "roomChartView");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(),
             "Ada Ames\nDouble Room, " + day(kToday) + " to " + day(kToday.addDays(2)));
    const std::vector<int>& wanted = view->chart().unassignedPerNight;
    QCOMPARE(std::vector<int>(wanted.begin(), wanted.begin() + 3), (std::vector<int>{1, 1, 0}));
    list->setCurrentRow(0);
    QCOMPARE(chart->chosenReservation(), std::optional(ada));
    m_desk->session.chooseUnit = [&](const UnitQuestion& q, QWidget*) {
        return std::optional(UnitAnswer{unit, q.night});
    };
    chart->MoveToUnit_Click();
    QCOMPARE(m_desk->dialogs.texts(), QStringList());
    QCOMPARE(spansOf(ada), (std::vector<UnitSpan>{{unit, kToday, kToday.addDays(2)}}));
    QCOMPARE(list->count(), 0);
    QCOMPARE(view->chart().bars.size(), size_t(1));
}

// The chart's Folio opens the account of the stay chosen in it; without one it asks for one.
void TestStayWindows::folioOpensOnTheChosenStay() {
    const qint64 ada = addStay("Ada Ames", 0, 2);
    QVERIFY(!assignUnit(connection(), ada, addUnit("101")));
    RoomChartWindow* chart = openChart();
    auto* folio = control<QPushButton>(*chart, "roomChartFolio");
    folio->click();
    QCOMPARE(m_desk->dialogs.texts(), QStringList{"Select a reservation first."});
    auto* view = control<RoomChartView>(*chart, "roomChartView");
    QVERIFY(QTest::qWaitForWindowActive(chart));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = modal->objectName() + QLatin1Char('|') +
                     modal->findChildren<QLabel*>().value(0)->text();
            modal->close();
        }
    });
    folio->click();
    QVERIFY2(opened.startsWith(QStringLiteral("Folio|Ada Ames,")), qPrintable(opened));
}

void TestStayWindows::dragMovesABar_data() {
    QTest::addColumn<int>("dropNight"); // days after check-in
    QTest::newRow("dropped at its start: the whole stay") << 0;
    QTest::newRow("dropped on a later night: from that night") << 2;
}

// A bar dragged with the mouse onto the other unit's row moves the stay there.
void TestStayWindows::dragMovesABar() {
    QFETCH(int, dropNight);
    const qint64 from = addUnit("101");
    const qint64 to = addUnit("102");
    const qint64 ada = addStay("Ada Ames", 0, 3);
    QVERIFY(!assignUnit(connection(), ada, from));
    RoomChartWindow* chart = openChart();
    chart->show();
    auto* view = control<RoomChartView>(*chart, "roomChartView");
    QVERIFY(QTest::qWaitForWindowExposed(chart));

    const QPoint grab = view->cellRect(0, 0).center();
    const QPoint drop = view->cellRect(1, dropNight).center();
    QTest::mousePress(view, Qt::LeftButton, {}, grab);
    QTest::mouseMove(view, (grab + drop) / 2);
    QTest::mouseMove(view, drop);
    QTest::mouseRelease(view, Qt::LeftButton, {}, drop);

    QCOMPARE(m_desk->dialogs.texts(), QStringList());
    const std::vector<UnitSpan> spans = spansOf(ada);
    if (dropNight == 0) {
        QCOMPARE(spans.size(), size_t(1));
        QCOMPARE(spans[0].unitId, to);
    } else {
        QCOMPARE(spans.size(), size_t(2));
        QCOMPARE(spans[0].unitId, from);
        QCOMPARE(spans[1].unitId, to);
        QCOMPARE(spans[1].from, kToday.addDays(dropNight));
    }
}

// A guest without a unit is asked for one: the free units of the booked type first, then the
// free units of other types, marked; a unit another stay holds is not offered.
void TestStayWindows::checkInOffersFreeUnitsFirst_data() {
    QTest::addColumn<bool>("fromDayView");
    QTest::newRow("from the list's menu") << false;
    QTest::newRow("from the arrivals' Stay menu") << true;
}

void TestStayWindows::checkInOffersFreeUnitsFirst() {
    QFETCH(bool, fromDayView);
    const qint64 held = addUnit("101");
    const qint64 free = addUnit("102");
    addUnit("201", "Single");
    QVERIFY(!assignUnit(connection(), addStay("Bo Byrne", -1, 2), held));
    const qint64 ada = addStay("Ada Ames", 0, 2);
    selectInList(ada);
    QAction* checkIn = control<QAction>(*m_desk->form, "actionCheckIn");
    if (fromDayView) {
        control<QAction>(*m_desk->form, "actionArrivals")->trigger(); // Ada is today's arrival
        checkIn = control<QAction>(*m_desk->form, "dayViewCheckIn");
    }
    QStringList offered;
    m_desk->session.chooseUnit = [&](const UnitQuestion& q, QWidget*) {
        for (const UnitOffer& offer : q.offers)
            offered << offer.text + (offer.marked ? " *" : "");
        return std::optional(UnitAnswer{q.offers.front().unitId, {}});
    };
    checkIn->trigger();
    QCOMPARE(offered, (QStringList{"102", "201: Single Room, not the booked type *"}));
    const Stay stay = readStay(connection(), ada);
    QCOMPARE(stay.status, StayStatus::InHouse);
    QCOMPARE(stay.spans.front().unitId, free);
}

// Cancel asks who cancels; the row stays where it was, greyed, and reads with its status.
void TestStayWindows::cancelGreysTheRow() {
    addStay("Ada Ames", 0, 2);
    const qint64 bo = addStay("Bo Byrne", 0, 2);
    selectInList(bo);
    const QStringList before = m_desk->names();
    m_desk->session.chooseCancelReason = [](const QString& guest, QWidget*) {
        return guest == "Bo Byrne" ? std::optional(CancelReason::ByHotel) : std::nullopt;
    };
    control<QAction>(*m_desk->form, "actionCancelReservation")->trigger();
    const Stay stay = readStay(connection(), bo);
    QCOMPARE(stay.status, StayStatus::Cancelled);
    QCOMPARE(stay.reason, CancelReason::ByHotel);

    QCOMPARE(m_desk->names(), before);
    auto* list = control<QTreeView>(*m_desk->form, "ListView1");
    auto* rows = qobject_cast<ListRowDelegate*>(list->itemDelegate());
    const ReservationModel& model = *m_desk->form->listModel();
    const int boRow = model.rowOfId(bo);
    QCOMPARE(rows->greyedStatus(model.index(boRow, ReservationModel::GuestName)), "cancelled");
    QCOMPARE(rows->greyedStatus(model.index(1 - boRow, ReservationModel::GuestName)), QString());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(list);
    QAccessibleInterface* name = table->tableInterface()->cellAt(boRow, 0);
    QCOMPARE(name->text(QAccessible::Name), "Bo Byrne, cancelled");
}

void TestStayWindows::commandsRefuse_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing selected") << "none"
                                      << "actionCheckIn"
                                      << "Select a reservation first.";
    QTest::newRow("check-out of a guest not yet in")
        << "selected"
        << "actionCheckOut"
        << "The reservation of Ada Ames cannot be checked out: its status is expected.";
    QTest::newRow("undo with nothing to undo")
        << "selected"
        << "actionUndoStay"
        << "There is no check-in or check-out of Ada Ames to undo.";
    QTest::newRow("a database without stays")
        << "no stays"
        << "actionCheckIn"
        << "This database keeps no stays (it was made by an older program and cannot be changed "
           "here), so check-in, check-out and units are not available.";
}

// A command that cannot act says why and changes nothing.
void TestStayWindows::commandsRefuse() {
    QFETCH(QString, situation);
    QFETCH(QString, command);
    QFETCH(QString, message);
    const qint64 ada = addStay("Ada Ames", 0, 2);
    if (situation == "no stays") execOn(db(), "drop table tblStayUnits; drop table tblStays");
    if (situation != "none") selectInList(ada);
    m_desk->session.chooseUnit = [](const UnitQuestion&, QWidget*) -> std::optional<UnitAnswer> {
        qFatal("no unit may be asked for");
    };
    control<QAction>(*m_desk->form, qPrintable(command))->trigger();
    QCOMPARE(m_desk->dialogs.texts(), QStringList{message});
    if (situation != "no stays") QCOMPARE(readStay(connection(), ada).status, StayStatus::Expected);
}

void TestStayWindows::unitsRefuseBadInput_data() {
    QTest::addColumn<QString>("name"); // the unit saved; empty: unit 101 removed
    QTest::addColumn<QString>("message");
    QTest::newRow("no name") << "  "
                             << "A unit needs a name.";
    QTest::newRow("a name taken") << "101 "
                                  << "There is already a unit named 101. Each unit needs a name "
                                     "of its own.";
    QTest::newRow("removing a unit that holds a stay")
        << ""
        << "Unit 101 holds the stay of Ada Ames, so it cannot be removed. Move the stay to "
           "another unit first, or take the unit out of service.";
}

// The units window refuses a bad entry with a message saying why, and keeps the units as they were.
void TestStayWindows::unitsRefuseBadInput() {
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(!assignUnit(connection(), addStay("Ada Ames", 0, 2), addUnit("101")));
    UnitsWindow window(*m_desk->form);
    window.Form_Load();
    if (name.isEmpty()) {
        window.Remove_Click();
    } else {
        Unit unit;
        unit.name = name;
        unit.kind = "Room";
        unit.type = "Single";
        QVERIFY(!window.saveUnit(unit));
    }
    QCOMPARE(m_desk->dialogs.texts(), QStringList{message});
    QCOMPARE(readUnits(connection()).size(), size_t(1));
}

// Where the units of a type differ from the inventory's count, the desk decides once.
void TestStayWindows::unitsAskOnceAboutTheInventory() {
    execOn(db(), "insert into tblInventory values ('Room', 'Double', 3)");
    addUnit("101");
    addUnit("102");
    m_desk->dialogs.answers = {Answer::No};
    for (int opening = 0; opening < 2; ++opening) {
        UnitsWindow window(*m_desk->form);
        window.Form_Load();
    }
    QCOMPARE(m_desk->dialogs.texts(),
             QStringList{"Units in service for Double Room: 2. The inventory counts 3. Count the "
                         "units from now on? (No keeps the inventory's count.)"});
    QVERIFY(capacityDifferences(connection()).empty());
}

QTEST_MAIN(TestStayWindows)
#include "tst_staywindows.moc"
