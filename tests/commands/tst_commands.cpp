// The main window's list commands and sample loader, driven on the real window.
#include "../common/testsupport.h"

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/session.h"
#include "list/reservationmodel.h"

#include <QApplication>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

using namespace corvanna;
using namespace corvanna::test;

namespace {

using Column = ReservationModel::Column;

// One run of the desk on a throw-away database, started as the program starts.
struct Desk {
    TempPlaces temp;
    ScriptedDialogs dialogs;
    Session session{dialogs, temp.places};
    Form1 form{session};

    Desk() {
        loaded = form.Form_Load();
        form.show();
        exposed = QTest::qWaitForWindowExposed(&form);
        dialogs.clear();
    }

    QString db() const { return temp.places.workingDatabase(); }
    int stored() const {
        return queryValue(db(), QStringLiteral("select count(*) from tblRooms")).toInt();
    }
    bool storedId(qint64 id) const {
        return !queryValue(db(), QStringLiteral("select id from tblRooms where id=%1").arg(id))
                    .isEmpty();
    }

    // A reservation written straight into the file, behind the program's back.
    qint64 addRow(const QString& name, const QDate& in, const QDate& out) {
        QString quoted = name;
        quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
        execOn(db(),
               QStringLiteral("insert into tblRooms (GuestName, Accommodation, NoOfRooms, "
                              "CheckInDate, CheckOutDate) values ('%1', 'Room', 1, '%2', '%3')")
                   .arg(quoted, in.toString(Qt::ISODate), out.toString(Qt::ISODate)));
        return queryValue(db(), QStringLiteral("select max(id) from tblRooms")).toLongLong();
    }

    void setRange(const QDate& in, const QDate& out) {
        form.dtpCheckIn->setDate(in);
        form.dtpCheckOut->setDate(out);
    }

    QList<qint64> listedIds() const {
        QList<qint64> ids;
        for (int r = 0; r < form.model->rowCount(); ++r)
            ids << form.model->idAt(r);
        return ids;
    }
    int rowOf(qint64 id) const { return int(listedIds().indexOf(id)); }

    QRect rowRect(int row) const {
        return form.ListView1->visualRect(form.model->index(row, Column::Id));
    }
    void clickRow(int row) {
        QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, rowRect(row).center());
    }
    // As a real double-click arrives: press, release, double-click, release.
    void doubleClickRow(int row) {
        QWidget* viewport = form.ListView1->viewport();
        const QPoint at = rowRect(row).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }
    int selectedRow() const {
        const QModelIndexList rows = form.ListView1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }

    bool loaded = false;
    bool exposed = false;
};

const QDate kMay1(2024, 5, 1);
const QDate kMay2(2024, 5, 2);
const QDate kMay3(2024, 5, 3);
const QDate kJune1(2024, 6, 1);

// The lines of the error reports that name a procedure, in the order they were shown.
QList<int> reportedLines(const ScriptedDialogs& dialogs, const QString& procedure) {
    QList<int> lines;
    const QString marker =
        QStringLiteral("in Corvanna2021/08/31.") + procedure + QStringLiteral(" at line ");
    for (const Message& m : dialogs.shown) {
        const qsizetype at = m.text.indexOf(marker);
        if (at >= 0)
            lines << m.text.mid(at + marker.size()).section(QLatin1Char('\r'), 0, 0).toInt();
    }
    return lines;
}

// Runs an action that may open modal windows; each one is closed as soon as it shows and its
// object name recorded (with what `inspect` read from it meanwhile).
QStringList modalsDuring(const std::function<void()>& action,
                         const std::function<void(QWidget*)>& inspect = {}) {
    QStringList seen;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        seen << modal->objectName();
        if (inspect) inspect(modal);
        modal->close();
    });
    watch.start();
    action();
    watch.stop();
    return seen;
}

enum class Command { Edit, Delete, DoubleClick };

void run(Desk& desk, Command command) {
    switch (command) {
    case Command::Edit:
        desk.form.PushButton3_Click();
        break;
    case Command::Delete:
        desk.form.PushButton2_Click();
        break;
    case Command::DoubleClick:
        desk.form.ListView1_DblClick();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void loaderAddsThreeEachClick_data();
    void loaderAddsThreeEachClick();
    void loaderFailuresAreReportedAndSkipped_data();
    void loaderFailuresAreReportedAndSkipped();

    void confirmationNamesTheGuest_data();
    void confirmationNamesTheGuest();
    void noDeletesNothingAndDoesNotRefill_data();
    void noDeletesNothingAndDoesNotRefill();
    void deletesTheSelectedRowById_data();
    void deletesTheSelectedRowById();
    void deleteRefillsWithThePickersRange();
    void rejectedDeleteIsReportedAndRefills();

    void emptyListShowsNothing_data();
    void emptyListShowsNothing();
    void noSelectedRowReportsOnceAndStops_data();
    void noSelectedRowReportsOnceAndStops();
    void editNamesTheRowAndAddNewClears();
    void searchListsThePickersRange();
};

// ---- Load Sample/Example Data ----

void TestCommands::loaderAddsThreeEachClick_data() {
    QTest::addColumn<QString>("guest");
    QTest::addColumn<QStringList>("cells"); // Accomodation to Number of Persons
    QTest::addColumn<int>("nights");
    QTest::addColumn<QStringList>("card"); // Card Type to Address
    const QString services = QStringLiteral("Breakfast, Lunch, Dinner, Security");
    QTest::newRow("first") << QStringLiteral("Zuveze Voridi")
                           << QStringList{"Room", "1", "Single", services, "1"} << 1
                           << QStringList{"VISA", "0000 1234 5678 9101", "17021234567", "NY"};
    QTest::newRow("second") << QStringLiteral("Rozud Vavuviz")
                            << QStringList{"Room", "1", "Double", services, "2"} << 2
                            << QStringList{"MASTERCARD", "0123 4567 8910 1234", "", "LA"};
    QTest::newRow("third") << QStringLiteral("Zize Zuvezud")
                           << QStringList{"Room", "2", "Suite", services, "5"} << 4
                           << QStringList{"AMERICAN EXPRESS", "0098 7654 3210 9875", "", "NH"};
}

void TestCommands::loaderAddsThreeEachClick() {
    QFETCH(QString, guest);
    QFETCH(QStringList, cells);
    QFETCH(int, nights);
    QFETCH(QStringList, card);

    Desk desk;
    QVERIFY(desk.loaded);
    // A range far from today: the loader must show its rows anyway.
    desk.setRange(QDate(2001, 3, 1), QDate(2001, 3, 2));
    const QDate before = QDate::currentDate();
    desk.form.PushButton6_Click();
    desk.form.PushButton6_Click();
    const QDate after = QDate::currentDate();
    QCOMPARE(desk.dialogs.texts(), QStringList());
    QVERIFY2(before == after, "the clock passed midnight during the test");
    const QDate today = before;

    QCOMPARE(desk.stored(), 6);
    QCOMPARE(desk.form.model->rowCount(), 6);
    const QList<qint64> ids = desk.listedIds();
    QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 6);

    // All reservations by guest name: Rozud, Rozud, Zize, Zize, Zuveze, Zuveze.
    const QStringList order{"Rozud Vavuviz", "Rozud Vavuviz", "Zize Zuvezud",
                            "Zize Zuvezud",  "Zuveze Voridi", "Zuveze Voridi"};
    QStringList names;
    for (int r = 0; r < 6; ++r)
        names << desk.form.model->cellText(r, Column::GuestName);
    QCOMPARE(names, order);

    int found = 0;
    for (int r = 0; r < 6; ++r) {
        const ReservationModel& m = *desk.form.model;
        if (m.cellText(r, Column::GuestName) != guest) continue;
        ++found;
        QStringList shown;
        for (int c = Column::Accommodation; c <= Column::NoOfPersons; ++c)
            shown << m.cellText(r, c);
        QCOMPARE(shown, cells);
        shown.clear();
        for (int c = Column::CreditCardType; c <= Column::Address; ++c)
            shown << m.cellText(r, c);
        QCOMPARE(shown, card);

        const qint64 id = m.idAt(r);
        auto value = [&](const char* column) {
            return queryValue(desk.db(), QStringLiteral("select %1 from tblRooms where id=%2")
                                             .arg(QLatin1String(column))
                                             .arg(id));
        };
        QCOMPARE(value("CheckInDate"), today.toString(Qt::ISODate));
        QCOMPARE(value("CheckOutDate"), today.addDays(nights).toString(Qt::ISODate));
        // An empty phone is stored as empty text, not left out.
        QCOMPARE(value("typeof(PhoneNumber)"), QStringLiteral("text"));
    }
    QCOMPARE(found, 2);
}

void TestCommands::loaderFailuresAreReportedAndSkipped_data() {
    QTest::addColumn<QString>(
        "refused"); // guest whose insert the database refuses; "*": no connection
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<int>("stored");
    QTest::newRow("first refused") << QStringLiteral("Zuveze Voridi") << QList<int>{104} << 2;
    QTest::newRow("second refused") << QStringLiteral("Rozud Vavuviz") << QList<int>{108} << 2;
    QTest::newRow("third refused") << QStringLiteral("Zize Zuvezud") << QList<int>{112} << 2;
    QTest::newRow("connection gone") << QStringLiteral("*") << QList<int>{104, 108, 112} << 0;
}

void TestCommands::loaderFailuresAreReportedAndSkipped() {
    QFETCH(QString, refused);
    QFETCH(QList<int>, lines);
    QFETCH(int, stored);

    Desk desk;
    QVERIFY(desk.loaded);
    const qint64 old = desk.addRow(QStringLiteral("Ada Old"), QDate(2001, 3, 1), QDate(2001, 3, 2));
    if (refused == QLatin1String("*")) {
        desk.session.dbConnection.reset();
    } else {
        execOn(desk.db(), QStringLiteral("create trigger refuse before insert on tblRooms when "
                                         "new.GuestName = '%1' begin select raise(abort, 'refused "
                                         "by the desk'); end")
                              .arg(refused));
    }
    desk.form.PushButton6_Click();

    QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.PushButton6_Click")), lines);
    const QString description =
        refused == QLatin1String("*")
            ? QStringLiteral("Object variable or With block variable not set")
            : QStringLiteral("refused by the desk");
    QCOMPARE(desk.dialogs.shown.first().text,
             reportFor(description, QStringLiteral("Form1.PushButton6_Click"), lines.first()));
    QCOMPARE(desk.dialogs.shown.first().title, QStringLiteral("Application Error"));
    QCOMPARE(desk.stored(), stored + 1);
    if (stored > 0) {
        // The other two went in, and the list ends showing every reservation.
        QCOMPARE(desk.form.model->rowCount(), stored + 1);
        QVERIFY(desk.rowOf(old) >= 0);
        for (int r = 0; r < desk.form.model->rowCount(); ++r)
            QVERIFY(desk.form.model->cellText(r, Column::GuestName) != refused);
    } else {
        // Without a connection the two fills still run and report for themselves.
        QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.listRooms")).size(), 1);
        QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.PushButton5_Click")).size(), 1);
    }
}

// ---- Delete Selected and the double-click ----

void TestCommands::confirmationNamesTheGuest_data() {
    QTest::addColumn<QString>("guest");
    QTest::addColumn<QString>("question");
    QTest::newRow("plain") << QStringLiteral("Zuveze Voridi")
                           << QStringLiteral("Are you sure you want to delete Zuveze Voridi?");
    QTest::newRow("empty name") << QString() << QStringLiteral("Are you sure you want to delete ?");
    QTest::newRow("quote kept") << QStringLiteral("Seán O'Brien")
                                << QStringLiteral("Are you sure you want to delete Seán O'Brien?");
    QTest::newRow("blanks kept") << QStringLiteral("  Ida  ")
                                 << QStringLiteral("Are you sure you want to delete   Ida  ?");
}

void TestCommands::confirmationNamesTheGuest() {
    QFETCH(QString, guest);
    QFETCH(QString, question);

    Desk desk;
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Aaron First"), kMay1, kMay2);
    const qint64 id = desk.addRow(guest, kMay1, kMay3);
    desk.form.listRooms();
    desk.clickRow(desk.rowOf(id));
    QCOMPARE(desk.selectedRow(), desk.rowOf(id));

    desk.dialogs.answers = {Answer::No};
    desk.form.PushButton2_Click();
    QCOMPARE(desk.dialogs.shown.size(), 1);
    const Message& asked = desk.dialogs.shown.first();
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.buttons, Buttons::YesNo);
    QCOMPARE(asked.icon, Icon::None);
    QCOMPARE(asked.defaultButton, Answer::Yes);
    QCOMPARE(asked.title, applicationTitle());
}

void TestCommands::noDeletesNothingAndDoesNotRefill_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("Delete Selected") << false;
    QTest::newRow("double-click on the row") << true;
}

void TestCommands::noDeletesNothingAndDoesNotRefill() {
    QFETCH(bool, doubleClick);

    Desk desk;
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Bo Ek"), kMay1, kMay2);
    const qint64 target = desk.addRow(QStringLiteral("Cy Fox"), kMay1, kMay2);
    desk.form.listRooms();
    // Written after the fill: a refill would show it.
    desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2);

    desk.dialogs.answers = {Answer::No};
    if (doubleClick) {
        desk.doubleClickRow(desk.rowOf(target));
    } else {
        desk.clickRow(desk.rowOf(target));
        desk.form.PushButton2_Click();
    }
    QCOMPARE(desk.dialogs.texts(),
             QStringList{QStringLiteral("Are you sure you want to delete Cy Fox?")});
    QCOMPARE(desk.stored(), 3);
    QVERIFY(desk.storedId(target));
    QCOMPARE(desk.form.model->rowCount(), 2);
}

void TestCommands::deletesTheSelectedRowById_data() {
    QTest::addColumn<int>("sortBy"); // header Index clicked before choosing, 0: none
    QTest::addColumn<int>("clicks"); // how many times
    QTest::addColumn<int>("twin");   // which of the two same-named rows goes (0 first added)
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("first twin") << 0 << 0 << 0 << false;
    QTest::newRow("second twin") << 0 << 0 << 1 << false;
    QTest::newRow("second twin, double-click") << 0 << 0 << 1 << true;
    QTest::newRow("after sorting by ID descending") << 1 << 2 << 0 << false;
    QTest::newRow("after sorting by name descending") << 2 << 2 << 1 << false;
    QTest::newRow("after sorting by check-out") << 9 << 1 << 0 << true;
}

void TestCommands::deletesTheSelectedRowById() {
    QFETCH(int, sortBy);
    QFETCH(int, clicks);
    QFETCH(int, twin);
    QFETCH(bool, doubleClick);

    Desk desk;
    desk.setRange(kMay1, kJune1);
    const qint64 other1 = desk.addRow(QStringLiteral("Ann Berg"), kMay1, kMay2);
    const qint64 twins[2] = {desk.addRow(QStringLiteral("Mia Lund"), kMay1, kMay3),
                             desk.addRow(QStringLiteral("Mia Lund"), kMay2, kMay2)};
    const qint64 other2 = desk.addRow(QStringLiteral("Zed Moe"), kMay1, kMay2);
    desk.form.listRooms();
    for (int i = 0; i < clicks; ++i)
        desk.form.ListView1_ColumnClick(sortBy);

    const qint64 victim = twins[twin];
    const qint64 survivor = twins[1 - twin];
    if (doubleClick) {
        desk.doubleClickRow(desk.rowOf(victim));
    } else {
        desk.clickRow(desk.rowOf(victim));
        QCOMPARE(desk.selectedRow(), desk.rowOf(victim));
        desk.form.PushButton2_Click();
    }
    QCOMPARE(desk.dialogs.texts(),
             QStringList{QStringLiteral("Are you sure you want to delete Mia Lund?")});

    QVERIFY(!desk.storedId(victim));
    QVERIFY(desk.storedId(survivor));
    QCOMPARE(desk.stored(), 3);
    QList<qint64> listed = desk.listedIds();
    std::sort(listed.begin(), listed.end());
    QList<qint64> expected{other1, survivor, other2};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(listed, expected);
}

void TestCommands::deleteRefillsWithThePickersRange() {
    Desk desk;
    desk.setRange(kMay1, kMay3);
    const qint64 inside1 = desk.addRow(QStringLiteral("Ben In"), kMay1, kMay2);
    const qint64 inside2 = desk.addRow(QStringLiteral("Cal In"), kMay2, kMay3);
    const qint64 outside = desk.addRow(QStringLiteral("Dag Out"), kMay2, kJune1);
    desk.form.PushButton5_Click();
    QCOMPARE(desk.form.model->rowCount(), 3);

    desk.clickRow(desk.rowOf(inside1));
    desk.form.PushButton2_Click();
    QCOMPARE(desk.dialogs.texts(),
             QStringList{QStringLiteral("Are you sure you want to delete Ben In?")});
    QVERIFY(!desk.storedId(inside1));
    QVERIFY(desk.storedId(outside));
    QCOMPARE(desk.listedIds(), QList<qint64>{inside2});
    // After a fill the first row added is the selected one.
    QCOMPARE(desk.selectedRow(), 0);
}

void TestCommands::rejectedDeleteIsReportedAndRefills() {
    Desk desk;
    desk.setRange(kMay1, kJune1);
    const qint64 kept = desk.addRow(QStringLiteral("Eve Kept"), kMay1, kMay2);
    desk.form.listRooms();
    execOn(desk.db(), QStringLiteral("create trigger keep before delete on tblRooms begin "
                                     "select raise(abort, 'record is locked'); end"));
    const qint64 late = desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2);

    desk.form.PushButton2_Click();
    QCOMPARE(desk.dialogs.texts(),
             (QStringList{QStringLiteral("Are you sure you want to delete Eve Kept?"),
                          reportFor(QStringLiteral("record is locked"),
                                    QStringLiteral("Form1.PushButton2_Click"), 104)}));
    QCOMPARE(desk.dialogs.shown.last().icon, Icon::Warning);
    QVERIFY(desk.storedId(kept));
    // The refill still ran.
    QVERIFY(desk.rowOf(late) >= 0);
    QVERIFY(desk.rowOf(kept) >= 0);
}

// ---- Edit Selected, Add New, Search By Date ----

void TestCommands::emptyListShowsNothing_data() {
    QTest::addColumn<Command>("command");
    QTest::newRow("Edit Selected") << Command::Edit;
    QTest::newRow("Delete Selected") << Command::Delete;
    QTest::newRow("double-click") << Command::DoubleClick;
}

void TestCommands::emptyListShowsNothing() {
    QFETCH(Command, command);

    Desk desk;
    // Rows exist, but none in the pickers' range.
    desk.addRow(QStringLiteral("Far Away"), QDate(2001, 3, 1), QDate(2001, 3, 2));
    desk.form.listRooms();
    QCOMPARE(desk.form.model->rowCount(), 0);
    desk.session.mHotelID = QStringLiteral("7");

    const QStringList modals = modalsDuring([&] { run(desk, command); });
    QCOMPARE(modals, QStringList());
    QCOMPARE(desk.dialogs.texts(), QStringList());
    QCOMPARE(desk.session.mHotelID, QStringLiteral("7"));
    QCOMPARE(desk.stored(), 1);
}

void TestCommands::noSelectedRowReportsOnceAndStops_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<bool>("keepCurrent"); // the current row stays, only its highlight is gone
    QTest::newRow("Edit Selected")
        << Command::Edit << QStringLiteral("Form1.PushButton3_Click") << false;
    QTest::newRow("Edit Selected, row current only")
        << Command::Edit << QStringLiteral("Form1.PushButton3_Click") << true;
    QTest::newRow("Delete Selected")
        << Command::Delete << QStringLiteral("Form1.PushButton2_Click") << false;
    QTest::newRow("Delete Selected, row current only")
        << Command::Delete << QStringLiteral("Form1.PushButton2_Click") << true;
    QTest::newRow("double-click") << Command::DoubleClick
                                  << QStringLiteral("Form1.PushButton2_Click") << true;
}

void TestCommands::noSelectedRowReportsOnceAndStops() {
    QFETCH(Command, command);
    QFETCH(QString, procedure);
    QFETCH(bool, keepCurrent);

    Desk desk;
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Gus Hall"), kMay1, kMay2);
    desk.addRow(QStringLiteral("Ivy Jones"), kMay1, kMay2);
    desk.form.listRooms();
    QItemSelectionModel* selection = desk.form.ListView1->selectionModel();
    if (keepCurrent)
        selection->clearSelection();
    else
        selection->clear();
    desk.session.mHotelID = QStringLiteral("1");
    const int filledBefore = desk.form.model->rowCount();
    desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2);

    const QStringList modals = modalsDuring([&] { run(desk, command); });
    QCOMPARE(modals, QStringList());
    QCOMPARE(desk.dialogs.texts(),
             QStringList{reportFor(QStringLiteral("Object variable or With block variable not set"),
                                   procedure, 102)});
    QCOMPARE(desk.session.mHotelID, QStringLiteral("1"));
    QCOMPARE(desk.stored(), 3);
    QCOMPARE(desk.form.model->rowCount(), filledBefore);
}

void TestCommands::editNamesTheRowAndAddNewClears() {
    Desk desk;
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Kim Lee"), kMay1, kMay2);
    const qint64 chosen = desk.addRow(QStringLiteral("Kim Lee"), kMay2, kMay3);
    desk.form.listRooms();
    desk.form.ListView1_ColumnClick(1);
    desk.form.ListView1_ColumnClick(1); // by ID, descending
    desk.clickRow(desk.rowOf(chosen));

    modalsDuring([&] { desk.form.PushButton3_Click(); });
    QCOMPARE(desk.session.mHotelID, QString::number(chosen));
    modalsDuring([&] { desk.form.PushButton1_Click(); });
    QCOMPARE(desk.session.mHotelID, QString());
    QCOMPARE(desk.dialogs.texts(), QStringList());
}

void TestCommands::searchListsThePickersRange() {
    Desk desk;
    const qint64 early = desk.addRow(QStringLiteral("Nia Early"), kMay1, kMay2);
    const qint64 late = desk.addRow(QStringLiteral("Oli Late"), kMay2, kMay3);
    desk.form.PushButton5_Click();
    desk.setRange(kMay2, kMay3);
    desk.form.PushButton4_Click();
    QCOMPARE(desk.listedIds(), QList<qint64>{late});
    desk.setRange(kMay1, kMay2);
    desk.form.PushButton4_Click();
    QCOMPARE(desk.listedIds(), QList<qint64>{early});
    QCOMPARE(desk.dialogs.texts(), QStringList());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
