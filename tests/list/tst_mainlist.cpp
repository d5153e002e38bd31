// The main window's list on either engine: today's range at start, Show All, the header click,
// the selection, the refill for another desk's change, and one order of names in every list.
#include "base/report.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace corvanna;
using namespace corvanna::test;

class TestMainList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startupListsTodaysStays();
    void showAllAndSearch();
    void namesInTheLocaleOrder();
    void headerClickSortsTheView();
    void firstRowIsSelectedAfterSortedFill();
    void fillFailureShowsOneReport();
    void rowsAreOneLineWhateverTheirText();
    void doubleClickAnywhereAsksAboutSelectedRow_data();
    void doubleClickAnywhereAsksAboutSelectedRow();
    void otherDesksChangeKeepsTheSelection();
    void everyListOrdersNamesAlike();
    void showAllInParts_data();
    void showAllInParts();

private:
    // A reservation added by another program (on the file) or desk (on the server).
    void add(const QString& name, const QDate& in, const QDate& out) {
        m_other->execute(statements::insert(sampleGuest(name, in, out)));
    }
    QStringList names() const { return shownNames(*m_form->listModel()); }
    QTreeView* list() const { return control<QTreeView>(*m_form, "ListView1"); }

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ServerDatabase> m_server;
    std::unique_ptr<Connection> m_other;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_form;
    const QDate m_today = QDate::currentDate();
};

void TestMainList::init() {
    static int runs = 0;
    m_places = std::make_unique<TempPlaces>();
    m_other = std::make_unique<Connection>(QStringLiteral("other"));
    if (onTestServer()) {
        m_server = std::make_unique<ServerDatabase>("mainlist" + QString::number(++runs));
        m_other->open(m_server->url());
    } else {
        createWorkingDatabase(m_places->places);
        m_other->open("data source=" + m_places->places.workingDatabase());
    }
    add("Today only", m_today, m_today);
    add("Today to tomorrow", m_today, m_today.addDays(1));
    add("yesterday to today", m_today.addDays(-1), m_today);
    add("Another today", m_today, m_today);
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    if (m_server) m_session->server = m_server->url();
    m_form = std::make_unique<Form1>(*m_session);
}

void TestMainList::cleanup() {
    m_form.reset();
    m_session.reset();
    m_other.reset();
    m_server.reset();
}

void TestMainList::startupListsTodaysStays() {
    QVERIFY(m_form->Form_Load());
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join("\n")));
    QCOMPARE(control<QDateEdit>(*m_form, "dtpCheckIn")->date(), m_today);
    QCOMPARE(control<QDateEdit>(*m_form, "dtpCheckOut")->date(), m_today);
    QCOMPARE(names(), (QStringList{"Another today", "Today only"}));
    QCOMPARE(m_form->MousePointer(), 0);
    QCOMPARE(m_session->dbConnection->state(), 1);
}

void TestMainList::showAllAndSearch() {
    QVERIFY(m_form->Form_Load());
    m_form->PushButton5_Click();
    QCOMPARE(names(), (QStringList{"Another today", "Today only", "Today to tomorrow",
                                   "yesterday to today"}));
    control<QDateEdit>(*m_form, "dtpCheckIn")->setDate(m_today.addDays(-1));
    control<QDateEdit>(*m_form, "dtpCheckOut")->setDate(m_today.addDays(1));
    QTest::mouseClick(control<QPushButton>(*m_form, "PushButton4"), Qt::LeftButton);
    QCOMPARE(names().size(), 4);
    control<QDateEdit>(*m_form, "dtpCheckIn")->setDate(m_today);
    QTest::mouseClick(control<QPushButton>(*m_form, "PushButton4"), Qt::LeftButton);
    QCOMPARE(names(), (QStringList{"Another today", "Today only", "Today to tomorrow"}));
    QTest::mouseClick(control<QPushButton>(*m_form, "PushButton5"), Qt::LeftButton);
    QCOMPARE(names().size(), 4);
    QVERIFY(m_dialogs->shown.isEmpty());
}

// Both fills put an accented name where the user's collation puts it, not after Z.
void TestMainList::namesInTheLocaleOrder() {
    add("Émile", m_today, m_today);
    QVERIFY(m_form->Form_Load());
    auto* model =
        qobject_cast<ReservationModel*>(m_form->findChild<QTreeView*>("ListView1")->model());
    model->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    for (const char* button : {"PushButton5", "PushButton4"}) {
        QTest::mouseClick(m_form->findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(names().mid(0, 3), (QStringList{"Another today", "Émile", "Today only"}));
        QCOMPARE(m_form->findChild<QTreeView*>("ListView1")->currentIndex().row(), 0);
    }
}

void TestMainList::headerClickSortsTheView() {
    QVERIFY(m_form->Form_Load());
    m_form->PushButton5_Click();
    QHeaderView* header = control<QTreeView>(*m_form, "ListView1")->header();
    emit header->sectionClicked(0); // ID
    QCOMPARE(m_form->listModel()->cellText(0, 0), QStringLiteral("1"));
    emit header->sectionClicked(0);
    QCOMPARE(m_form->listModel()->cellText(0, 0), QStringLiteral("4"));
    QCOMPARE(header->sortIndicatorSection(), 0);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    emit header->sectionClicked(1);
    QCOMPARE(names(), (QStringList{"Another today", "Today only", "Today to tomorrow",
                                   "yesterday to today"}));
}

void TestMainList::firstRowIsSelectedAfterSortedFill() {
    QVERIFY(m_form->Form_Load());
    m_form->ListView1_ColumnClick(2);
    m_form->ListView1_ColumnClick(2); // names descending
    m_form->PushButton5_Click();
    const QModelIndex current =
        control<QTreeView>(*m_form, "ListView1")->selectionModel()->currentIndex();
    QVERIFY(current.isValid());
    // The first row the statement gave (by guest name) stays the selected one, wherever it shows.
    QCOMPARE(m_form->listModel()->cellText(current.row(), 1), QStringLiteral("Another today"));
    QCOMPARE(current.row(), 3);
}

void TestMainList::fillFailureShowsOneReport() {
    QVERIFY(m_form->Form_Load());
    m_form->PushButton5_Click();
    QCOMPARE(names().size(), 4);
    m_session->dbConnection->close();
    m_form->PushButton5_Click();
    QCOMPARE(m_dialogs->shown.size(), 1);
    QCOMPARE(m_dialogs->shown[0].text,
             reportFor("Operation is not allowed when the object is closed.",
                       "Form1.PushButton5_Click", 106));
    QCOMPARE(m_dialogs->shown[0].icon, Icon::Warning);
    QCOMPARE(m_dialogs->shown[0].buttons, Buttons::Ok);
    QCOMPARE(m_form->listModel()->rowCount(), 0);
    QCOMPARE(m_form->MousePointer(), 0);
    m_dialogs->clear();
    m_form->listRooms();
    QCOMPARE(m_dialogs->texts(),
             QStringList{reportFor("Operation is not allowed when the object is closed.",
                                   "Form1.listRooms", 106)});
}

void TestMainList::rowsAreOneLineWhateverTheirText() {
    QVERIFY(m_form->Form_Load());
    m_form->PushButton5_Click();
    const int plain = control<QTreeView>(*m_form, "ListView1")
                          ->visualRect(m_form->listModel()->index(0, 1))
                          .height();
    QVERIFY(plain > 0);
    // A first row with a three-line address and a long name gives every row the same height.
    GuestValues tall = sampleGuest("Aaron " + QString(40, 'W'), m_today, m_today);
    tall.address = "1 Harbour Road\r\nPellworth\r\nNorth Frisia";
    m_other->execute(statements::insert(tall));
    m_form->PushButton5_Click();
    QCOMPARE(m_form->listModel()->cellText(0, 12), tall.address);
    for (int row = 0; row < m_form->listModel()->rowCount(); ++row)
        QCOMPARE(control<QTreeView>(*m_form, "ListView1")
                     ->visualRect(m_form->listModel()->index(row, 12))
                     .height(),
                 plain);
    // Sizing a column to its contents still follows the longest text.
    control<QTreeView>(*m_form, "ListView1")->resizeColumnToContents(1);
    QVERIFY(control<QTreeView>(*m_form, "ListView1")->columnWidth(1) >
            QFontMetrics(control<QTreeView>(*m_form, "ListView1")->font())
                .horizontalAdvance(QString(40, 'W')));
}

void TestMainList::doubleClickAnywhereAsksAboutSelectedRow_data() {
    QTest::addColumn<bool>("onEmptySpace");
    QTest::newRow("on a row") << false;
    QTest::newRow("below the rows") << true;
}

void TestMainList::doubleClickAnywhereAsksAboutSelectedRow() {
    QFETCH(bool, onEmptySpace);
    QVERIFY(m_form->Form_Load());
    m_form->resize(m_form->normalWindowSize());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QWidget* viewport = control<QTreeView>(*m_form, "ListView1")->viewport();
    const QRect firstRow =
        control<QTreeView>(*m_form, "ListView1")->visualRect(m_form->listModel()->index(0, 1));
    const QPoint at =
        onEmptySpace ? QPoint(firstRow.center().x(), viewport->height() - 5) : firstRow.center();
    QVERIFY(!control<QTreeView>(*m_form, "ListView1")->indexAt(at).isValid() == onEmptySpace);
    m_dialogs->answers = {Answer::No};
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QCOMPARE(m_dialogs->texts(), QStringList{"Are you sure you want to delete Another today?"});
    QCOMPARE(m_form->listModel()->rowCount(), 2);
    QCOMPARE(m_form->focusWidget(), control<QTreeView>(*m_form, "ListView1"));
}

// Another desk's (on the file, another program's) commit refills the list without moving what
// the desk chose: the selected reservation, the scroll position, the find, and the range it last
// searched, not the one the pickers show since.
void TestMainList::otherDesksChangeKeepsTheSelection() {
    for (int i = 0; i < 40; ++i)
        add(QStringLiteral("Guest %1").arg(i, 2, 10, QLatin1Char('0')), m_today, m_today);
    QVERIFY(m_form->Form_Load());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    auto* find = control<QLineEdit>(*m_form, "findEdit");
    find->setText(QStringLiteral("guest"));
    const ReservationModel& model = *m_form->listModel();
    QCOMPARE(model.rowCount(), 40);
    list()->selectionModel()->setCurrentIndex(
        model.index(20, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list()->scrollTo(model.index(20, 0), QAbstractItemView::PositionAtTop);
    const qint64 chosen = model.idAt(20);
    const int scrolled = list()->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);
    control<QDateEdit>(*m_form, "dtpCheckIn")->setDate(m_today.addDays(-1));

    add(QStringLiteral("Aaron Guest"), m_today, m_today);
    add(QStringLiteral("Guest from yesterday"), m_today.addDays(-1), m_today);
    QTRY_VERIFY_WITH_TIMEOUT(names().contains(QStringLiteral("Aaron Guest")), 5000);
    const QModelIndex current = list()->currentIndex();
    QCOMPARE(model.idAt(current.row()), chosen);
    QVERIFY(list()->selectionModel()->isRowSelected(current.row()));
    QCOMPARE(list()->verticalScrollBar()->value(), scrolled);
    QCOMPARE(find->text(), QStringLiteral("guest"));
    QCOMPARE(names().size(), 41);
    QCOMPARE(names().first(), QStringLiteral("Aaron Guest"));
    QVERIFY(!names().contains(QStringLiteral("Guest from yesterday")));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
}

// Arrivals lists a day's stays in the order Search By Date lists them, on either engine: the
// user's collation (accents beside their letters, a missing name first), then the id.
void TestMainList::everyListOrdersNamesAlike() {
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_form = std::make_unique<Form1>(*m_session); // in the user's locale
    const QDate day = m_today.addDays(30);
    for (const char* name :
         {"Zero", "Bob", "Ångström", "bob", "Élan", "", "Łódź", "Ames", "Ames"}) // ids 5 to 13
        add(QString::fromUtf8(name), day, day.addDays(1));
    m_other->execute(QStringLiteral("insert into tblRooms (GuestName, CheckInDate, CheckOutDate) "
                                    "values (null, %1, %2)")
                         .arg(dateLiteral(day), dateLiteral(day.addDays(1)))); // id 14
    const QStringList expected{"10 ",   "14 ",   "12 Ames", "13 Ames", "7 Ångström",
                               "6 Bob", "8 bob", "9 Élan",  "11 Łódź", "5 Zero"};
    const auto listed = [](const ReservationModel& model) {
        QStringList rows;
        for (int r = 0; r < model.rowCount(); ++r)
            rows << QString::number(model.idAt(r)) + ' ' + model.cellText(r, 1);
        return rows;
    };

    QVERIFY(m_form->Form_Load());
    control<QDateEdit>(*m_form, "dtpCheckIn")->setDate(day);
    control<QDateEdit>(*m_form, "dtpCheckOut")->setDate(day.addDays(1));
    m_form->PushButton4_Click();
    QCOMPARE(listed(*m_form->listModel()), expected);

    m_form->findChild<QAction*>(QStringLiteral("actionArrivals"))->trigger();
    auto* dayView = m_form->findChild<QWidget*>(QStringLiteral("DayView"));
    QVERIFY(dayView);
    control<QDateEdit>(*dayView, "dayViewDate")->setDate(day);
    const auto* arrivals =
        qobject_cast<ReservationModel*>(control<QTreeView>(*dayView, "dayList")->model());
    QCOMPARE(listed(*arrivals), expected);
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
}

void TestMainList::showAllInParts_data() {
    QTest::addColumn<QString>("meanwhile");
    for (const char* what :
         {"select and scroll", "sort", "find", "statement", "save", "export", "close", "stop"})
        QTest::newRow(what) << QString::fromLatin1(what);
}

// A list large enough to be shown in parts: the first screen is the list's first rows, what the
// desk does meanwhile holds at the end, and the end's order is that of a fill read at once.
void TestMainList::showAllInParts() {
    QFETCH(QString, meanwhile);
    const QLocale before;
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_form = std::make_unique<Form1>(*m_session);
    // Names the engine and the collation order apart; 17 rows, doubled 11 times.
    for (const char* name : {"12 Ann", " 12 ann", "2 Bob", "Émile", "emile", "", "ZOË", "zoe",
                             "O'Neil", "oneil", "Åsa", "asa", "Zeta"})
        add(QString::fromUtf8(name), m_today, m_today.addDays(1));
    m_other->execute("update tblRooms set GuestName = null where GuestName = 'Zeta'");
    const QString columns = "GuestName, Accommodation, NoOfRooms, Type, ServiceIncluded, "
                            "NoOfPersons, CheckInDate, CheckOutDate, CreditCardType, "
                            "CreditCardNo, PhoneNumber, Address";
    for (int i = 0; i < 11; ++i)
        m_other->execute("insert into tblRooms (" + columns + ") select " + columns +
                         " from tblRooms");
    ReservationModel whole;
    whole.setGuestNameOrder(true);
    Procedure proc(*m_dialogs, "whole");
    fillList(
        proc, whole, m_other.get(), [] { return statements::selectAll(); }, [](int) {});
    const auto ids = [](const ReservationModel& model) {
        std::vector<qint64> all;
        for (int r = 0; r < model.rowCount(); ++r)
            all.push_back(model.idAt(r));
        return all;
    };
    const std::vector<qint64> firstRows = ids(whole);
    QCOMPARE(firstRows.size(), size_t(17 << 11));

    QVERIFY(m_form->Form_Load());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const ReservationModel& model = *m_form->listModel();
    m_form->PushButton5_Click();
    QVERIFY(model.filling());
    QCOMPARE(ids(model), std::vector<qint64>(firstRows.begin(),
                                             firstRows.begin() + ListFill::kFirstScreenRows));
    QCOMPARE(model.idAt(list()->currentIndex().row()), firstRows.front());
    // Another program holds the table, so the rest's read waits for it while the desk works.
    const auto hold = [&](bool on) {
        m_other->execute(on ? OwnStatement{"begin exclusive", "begin"}
                            : OwnStatement{"rollback", "rollback"});
        if (on && onTestServer())
            m_other->execute({"", "lock table tblRooms in access exclusive mode"});
    };
    hold(true);
    bool held = true;
    const auto release = qScopeGuard([&] {
        if (held) hold(false);
    });
    // On to the reading of the rest.
    Connection& connection = m_session->connection();
    while (model.filling() && !connection.hasOpenRead())
        QCoreApplication::processEvents();
    QVERIFY(connection.hasOpenRead());
    if (meanwhile != "select and scroll" && meanwhile != "sort" && meanwhile != "find" &&
        meanwhile != "stop") {
        hold(false);
        held = false;
    }

    qint64 chosen = firstRows.front();
    int scrolled = 0;
    if (meanwhile == "select and scroll") {
        list()->selectionModel()->setCurrentIndex(
            model.index(300, 2), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        chosen = model.idAt(300);
        list()->verticalScrollBar()->setValue(200);
        scrolled = list()->verticalScrollBar()->value();
        QVERIFY(scrolled > 0);
    } else if (meanwhile == "sort") {
        emit list()->header()->sectionClicked(ReservationModel::Id);
        emit list()->header()->sectionClicked(ReservationModel::Id);
        whole.columnClick(ReservationModel::Id + 1);
        whole.columnClick(ReservationModel::Id + 1);
    } else if (meanwhile == "find") {
        control<QLineEdit>(*m_form, "findEdit")->setText(QStringLiteral("emile"));
        whole.setFindText(QStringLiteral("emile"));
        chosen = -1; // the find hides the selected reservation
    } else if (meanwhile == "statement" || meanwhile == "save") {
        // On the server the statement runs beside the read, which lists it when its own
        // statement began after it, as a whole fill begun then would. The file's writer waits
        // for its readers: there the rest is read first, and the statement then never fails
        // for a lock the list's own read holds.
        if (meanwhile == "statement")
            connection.execute(QStringLiteral("update tblRooms set Address = 'here' where id = 1"));
        else
            connection.execute(statements::insert(sampleGuest("Aaron", m_today, m_today)));
        QCOMPARE(model.filling(), onTestServer());
        QTRY_VERIFY_WITH_TIMEOUT(!model.filling(), 20000);
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
        const std::vector<qint64> before = ids(whole);
        fillList(
            proc, whole, m_other.get(), [] { return statements::selectAll(); }, [](int) {});
        QVERIFY(ids(model) == before || ids(model) == ids(whole));
        QCOMPARE(model.idAt(list()->currentIndex().row()), chosen);
        return;
    } else if (meanwhile == "export") {
        // A file holds the whole list.
        QTemporaryDir out;
        m_session->saveFileName = [&](QWidget*, const QString&) {
            return out.filePath(QStringLiteral("all.csv"));
        };
        m_form->findChild<QAction*>(QStringLiteral("actionExport"))->trigger();
        QFile file(out.filePath(QStringLiteral("all.csv")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count('\n'), qsizetype(firstRows.size() + 1));
    } else {
        // The read is stopped (where it waits, for a close of the connection), and nothing of it
        // is left running.
        if (meanwhile == "close")
            m_form->close();
        else
            connection.close();
        QVERIFY(!model.filling());
        QCOMPARE(ListFill::workersRunning(), 0);
        QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
        return;
    }
    if (held) hold(false);
    held = false;
    QTRY_VERIFY_WITH_TIMEOUT(!model.filling(), 20000);
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join('\n')));
    QCOMPARE(ids(model), ids(whole));
    QCOMPARE(model.idAt(list()->currentIndex().row()), chosen);
    QVERIFY(chosen < 0 || list()->selectionModel()->isRowSelected(list()->currentIndex().row()));
    QCOMPARE(list()->verticalScrollBar()->value(), scrolled);
    // A range lists its own rows from the first.
    control<QDateEdit>(*m_form, "dtpCheckIn")->setDate(m_today);
    control<QDateEdit>(*m_form, "dtpCheckOut")->setDate(m_today);
    m_form->PushButton4_Click();
    QVERIFY(!model.filling());
    QCOMPARE(model.rowCount(), 2 << 11);
    const QStringList listed = names();
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()),
             (QSet<QString>{"Another today", "Today only"}));
}

QTEST_MAIN(TestMainList)
#include "tst_mainlist.moc"
