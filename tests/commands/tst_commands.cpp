// The main window's list commands and sample loader, driven on the real window.
#include "../common/testsupport.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/windowsupport.h"

#include "base/dialogs.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "list/reservationmodel.h"

#include <QApplication>
#include <QDateEdit>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

using namespace corvanna;
using namespace corvanna::test;

namespace {

using Column = ReservationModel::Column;

// One run of the desk on a throw-away database, started as the program starts: the file, or a
// database of the tests' server when the test runs for that engine.
struct Desk {
    TempPlaces temp;
    ScriptedDialogs dialogs;
    std::unique_ptr<ServerDatabase> server =
        onTestServer() ? std::make_unique<ServerDatabase>("commands" + QString::number(++made))
                       : nullptr;
    static inline int made = 0;
    Session session{dialogs, temp.places};
    Form1 form{session};

    Desk() {
        if (server) session.server = server->url();
        ready = form.Form_Load();
        form.show();
        ready = QTest::qWaitForWindowExposed(&form) && ready;
        dialogs.clear();
    }

    QString db() const { return temp.places.workingDatabase(); }
    // Statements straight on the database, behind the program's back.
    void exec(const QString& sql) const { server ? server->exec(sql) : execOn(db(), sql); }
    QString value(const QString& sql) const {
        return server ? server->value(sql) : queryValue(db(), sql);
    }
    // The same thing said in each engine's words.
    QString said(const QString& file, const QString& onServer) const {
        return server ? onServer : file;
    }
    int stored() const { return value(QStringLiteral("select count(*) from tblRooms")).toInt(); }
    bool storedId(qint64 id) const {
        return !value(QStringLiteral("select id from tblRooms where id=%1").arg(id)).isEmpty();
    }

    // A reservation written straight into the file, behind the program's back.
    qint64 addRow(const QString& name, const QDate& in, const QDate& out) {
        QString quoted = name;
        quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
        exec(QStringLiteral("insert into tblRooms (GuestName, Accommodation, NoOfRooms, "
                            "CheckInDate, CheckOutDate) values ('%1', 'Room', 1, '%2', '%3')")
                 .arg(quoted, in.toString(Qt::ISODate), out.toString(Qt::ISODate)));
        return value(QStringLiteral("select max(id) from tblRooms")).toLongLong();
    }

    void setRange(const QDate& in, const QDate& out) {
        control<QDateEdit>(form, "dtpCheckIn")->setDate(in);
        control<QDateEdit>(form, "dtpCheckOut")->setDate(out);
    }

    QList<qint64> listedIds() const {
        QList<qint64> ids;
        for (int r = 0; r < form.listModel()->rowCount(); ++r)
            ids << form.listModel()->idAt(r);
        return ids;
    }
    int rowOf(qint64 id) const { return int(listedIds().indexOf(id)); }

    QRect rowRect(int row) const {
        return control<QTreeView>(form, "ListView1")
            ->visualRect(form.listModel()->index(row, Column::Id));
    }
    void clickRow(int row) {
        QTest::mouseClick(control<QTreeView>(form, "ListView1")->viewport(), Qt::LeftButton, {},
                          rowRect(row).center());
    }
    // As a real double-click arrives: press, release, double-click, release.
    void doubleClickRow(int row) {
        QWidget* viewport = control<QTreeView>(form, "ListView1")->viewport();
        const QPoint at = rowRect(row).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
    }
    int selectedRow() const {
        const QModelIndexList rows =
            control<QTreeView>(form, "ListView1")->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }

    bool ready = false;
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
    if (command == Command::Edit)
        desk.form.PushButton3_Click();
    else if (command == Command::Delete)
        desk.form.PushButton2_Click();
    else
        desk.form.ListView1_DblClick();
}

} // namespace

Q_DECLARE_METATYPE(Command)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void loaderAddsThreeEachClick();
    void loaderFailuresAreReportedAndSkipped_data();
    void loaderFailuresAreReportedAndSkipped();
    void confirmationNamesTheGuest_data();
    void confirmationNamesTheGuest();
    void deletesTheSelectedRowById_data();
    void deletesTheSelectedRowById();
    void rejectedDeleteIsReportedAndRefills();
    void emptyListShowsNothing_data();
    void emptyListShowsNothing();
    void noSelectedRowReportsOnceAndStops_data();
    void noSelectedRowReportsOnceAndStops();
    void editorOpensOnTheSelectedRowThenEmpty();
    void emptySpaceKeepsTheSelection_data();
    void emptySpaceKeepsTheSelection();
};

void TestCommands::loaderAddsThreeEachClick() {
    Desk desk;
    QVERIFY(desk.ready);
    // A range far from today: the loader must show its rows anyway.
    desk.setRange(QDate(2001, 3, 1), QDate(2001, 3, 2));
    const QDate today = QDate::currentDate();
    desk.form.PushButton6_Click();
    desk.form.PushButton6_Click();
    QVERIFY2(QDate::currentDate() == today, "the clock passed midnight during the test");
    QCOMPARE(desk.dialogs.texts(), QStringList());

    const QList<qint64> ids = desk.listedIds();
    QCOMPARE(ids.size(), 6);
    QCOMPARE(QSet<qint64>(ids.begin(), ids.end()).size(), 6);

    const QString stay = today.toString(Qt::ISODate) + QStringLiteral("|%1|");
    const QString services = QStringLiteral("|Breakfast, Lunch, Dinner, Security|");
    const QStringList three{"Zuveze Voridi|Room|1|Single" + services + "1|" +
                                stay.arg(today.addDays(1).toString(Qt::ISODate)) +
                                "VISA|0000 1234 5678 9101|text:17021234567|NY",
                            "Rozud Vavuviz|Room|1|Double" + services + "2|" +
                                stay.arg(today.addDays(2).toString(Qt::ISODate)) +
                                "MASTERCARD|0123 4567 8910 1234|text:|LA",
                            "Zize Zuvezud|Room|2|Suite" + services + "5|" +
                                stay.arg(today.addDays(4).toString(Qt::ISODate)) +
                                "AMERICAN EXPRESS|0098 7654 3210 9875|text:|NH"};
    const QString row = QStringLiteral(
        "GuestName||'|'||Accommodation||'|'||NoOfRooms||'|'||Type||'|'||ServiceIncluded||'|'||"
        "NoOfPersons||'|'||CheckInDate||'|'||CheckOutDate||'|'||CreditCardType||'|'||"
        "CreditCardNo||'|'||%1(PhoneNumber)||':'||PhoneNumber||'|'||Address");
    const QString stored = desk.value(desk.said(
        "select group_concat(r, '\n') from (select " + row.arg("typeof") +
            " as r from tblRooms order by id)",
        "select string_agg(" + row.arg("pg_typeof") + ", E'\\n' order by id) from tblRooms"));
    QCOMPARE(stored.split(QLatin1Char('\n')), three + three);
}

void TestCommands::loaderFailuresAreReportedAndSkipped_data() {
    QTest::addColumn<QString>("refused"); // the guest the database refuses; empty: no connection
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("first refused") << QStringLiteral("Zuveze Voridi") << QList<int>{104};
    QTest::newRow("second refused") << QStringLiteral("Rozud Vavuviz") << QList<int>{108};
    QTest::newRow("third refused") << QStringLiteral("Zize Zuvezud") << QList<int>{112};
    QTest::newRow("connection gone") << QString() << QList<int>{104, 108, 112};
}

void TestCommands::loaderFailuresAreReportedAndSkipped() {
    QFETCH(QString, refused);
    QFETCH(QList<int>, lines);

    Desk desk;
    QVERIFY(desk.ready);
    const qint64 old = desk.addRow(QStringLiteral("Ada Old"), QDate(2001, 3, 1), QDate(2001, 3, 2));
    QString description = QStringLiteral("refused by the desk");
    if (refused.isEmpty()) {
        desk.session.dbConnection.reset();
        description = QStringLiteral("Object variable or With block variable not set");
    } else {
        desk.exec(desk.said(QStringLiteral("create trigger refuse before insert on tblRooms when "
                                           "new.GuestName = '%1' begin select raise(abort, '%2'); "
                                           "end"),
                            QStringLiteral("create function refuse() returns trigger language "
                                           "plpgsql as $$ begin if new.GuestName = '%1' then "
                                           "raise exception '%2'; end if; return new; end $$; "
                                           "create trigger refuse before insert on tblRooms for "
                                           "each row execute function refuse()"))
                      .arg(refused, description));
    }
    desk.form.PushButton6_Click();

    QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.PushButton6_Click")), lines);
    QCOMPARE(desk.dialogs.shown.first().text,
             reportFor(description, QStringLiteral("Form1.PushButton6_Click"), lines.first()));
    if (refused.isEmpty()) {
        // The two fills still ran, each reporting for itself.
        QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.listRooms")).size(), 1);
        QCOMPARE(reportedLines(desk.dialogs, QStringLiteral("Form1.PushButton5_Click")).size(), 1);
        QCOMPARE(desk.stored(), 1);
        return;
    }
    // The other two went in, and the list shows every reservation.
    QCOMPARE(desk.stored(), 3);
    QCOMPARE(desk.form.listModel()->rowCount(), 3);
    QVERIFY(desk.rowOf(old) >= 0);
    for (int r = 0; r < 3; ++r)
        QVERIFY(desk.form.listModel()->cellText(r, Column::GuestName) != refused);
}

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

// Answered No: nothing is deleted and the list is not refilled.
void TestCommands::confirmationNamesTheGuest() {
    QFETCH(QString, guest);
    QFETCH(QString, question);

    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Aaron First"), kMay1, kMay2);
    const qint64 id = desk.addRow(guest, kMay1, kMay3);
    desk.form.listRooms();
    desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2); // a refill would show it
    desk.clickRow(desk.rowOf(id));

    desk.dialogs.answers = {Answer::No};
    desk.form.PushButton2_Click();
    QCOMPARE(desk.dialogs.shown.size(), 1);
    const Message& asked = desk.dialogs.shown.first();
    QCOMPARE(asked.text, question);
    QCOMPARE(asked.buttons, Buttons::YesNo);
    QCOMPARE(asked.icon, Icon::None);
    QCOMPARE(asked.defaultButton, Answer::Yes);
    QCOMPARE(asked.title, applicationTitle());
    QCOMPARE(desk.stored(), 3);
    QCOMPARE(desk.form.listModel()->rowCount(), 2);
}

void TestCommands::deletesTheSelectedRowById_data() {
    QTest::addColumn<int>("sortBy"); // header Index clicked before choosing
    QTest::addColumn<int>("clicks"); // how many times
    QTest::addColumn<int>("twin");   // which of the two same-named rows goes (0 first added)
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("first twin") << 1 << 0 << 0 << false;
    QTest::newRow("second twin") << 1 << 0 << 1 << false;
    QTest::newRow("second twin, double-click") << 1 << 0 << 1 << true;
    QTest::newRow("sorted by ID descending") << 1 << 2 << 0 << false;
    QTest::newRow("sorted by name descending") << 2 << 2 << 1 << false;
    QTest::newRow("sorted by check-out, double-click") << 9 << 1 << 0 << true;
}

// Also: the refill after a delete is the pickers' range, even after "Show All".
void TestCommands::deletesTheSelectedRowById() {
    QFETCH(int, sortBy);
    QFETCH(int, clicks);
    QFETCH(int, twin);
    QFETCH(bool, doubleClick);

    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kMay3);
    const qint64 other = desk.addRow(QStringLiteral("Ann Berg"), kMay1, kMay2);
    const qint64 twins[2] = {desk.addRow(QStringLiteral("Mia Lund"), kMay1, kMay3),
                             desk.addRow(QStringLiteral("Mia Lund"), kMay2, kMay2)};
    const qint64 outside = desk.addRow(QStringLiteral("Mia Lund"), kMay2, kJune1);
    desk.form.PushButton5_Click();
    for (int i = 0; i < clicks; ++i)
        desk.form.ListView1_ColumnClick(sortBy);

    const qint64 victim = twins[twin];
    if (doubleClick) {
        desk.doubleClickRow(desk.rowOf(victim));
    } else {
        desk.clickRow(desk.rowOf(victim));
        desk.form.PushButton2_Click();
    }
    QCOMPARE(desk.dialogs.texts(), QStringList{"Are you sure you want to delete Mia Lund?"});
    QVERIFY(!desk.storedId(victim));
    QCOMPARE(desk.stored(), 3);
    QVERIFY(desk.storedId(outside));
    QList<qint64> listed = desk.listedIds();
    std::sort(listed.begin(), listed.end());
    QCOMPARE(listed, (QList<qint64>{other, twins[1 - twin]}));
}

void TestCommands::rejectedDeleteIsReportedAndRefills() {
    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kJune1);
    const qint64 kept = desk.addRow(QStringLiteral("Eve Kept"), kMay1, kMay2);
    desk.form.listRooms();
    desk.exec(desk.said("create trigger keep before delete on tblRooms begin "
                        "select raise(abort, 'record is locked'); end",
                        "create function keep() returns trigger language plpgsql as $$ begin "
                        "raise exception 'record is locked'; end $$; create trigger keep before "
                        "delete on tblRooms for each row execute function keep()"));
    const qint64 late = desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2);

    desk.form.PushButton2_Click();
    QCOMPARE(desk.dialogs.texts(),
             (QStringList{"Are you sure you want to delete Eve Kept?",
                          reportFor(QStringLiteral("record is locked"),
                                    QStringLiteral("Form1.PushButton2_Click"), 104)}));
    QVERIFY(desk.storedId(kept));
    QVERIFY(desk.rowOf(late) >= 0); // refilled all the same
}

void TestCommands::emptyListShowsNothing_data() {
    QTest::addColumn<Command>("command");
    QTest::newRow("Edit Selected") << Command::Edit;
    QTest::newRow("Delete Selected") << Command::Delete;
    QTest::newRow("double-click") << Command::DoubleClick;
}

void TestCommands::emptyListShowsNothing() {
    QFETCH(Command, command);

    Desk desk;
    QVERIFY(desk.ready);
    // A reservation exists, but none in the pickers' range.
    desk.addRow(QStringLiteral("Far Away"), QDate(2001, 3, 1), QDate(2001, 3, 2));
    desk.form.listRooms();
    QCOMPARE(desk.form.listModel()->rowCount(), 0);
    desk.session.mHotelID = QStringLiteral("7");

    QCOMPARE(modalsDuring([&] { run(desk, command); }), QStringList());
    QCOMPARE(desk.dialogs.texts(), QStringList());
    QCOMPARE(desk.session.mHotelID, QStringLiteral("7"));
    QCOMPARE(desk.stored(), 1);
}

void TestCommands::noSelectedRowReportsOnceAndStops_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("procedure");
    QTest::addColumn<bool>("keepCurrent"); // the current row stays, only its highlight is gone
    const QString edit = QStringLiteral("Form1.PushButton3_Click");
    const QString remove = QStringLiteral("Form1.PushButton2_Click");
    QTest::newRow("Edit Selected") << Command::Edit << edit << false;
    QTest::newRow("Edit Selected, row current only") << Command::Edit << edit << true;
    QTest::newRow("Delete Selected") << Command::Delete << remove << false;
    QTest::newRow("Delete Selected, row current only") << Command::Delete << remove << true;
    QTest::newRow("double-click") << Command::DoubleClick << remove << true;
}

void TestCommands::noSelectedRowReportsOnceAndStops() {
    QFETCH(Command, command);
    QFETCH(QString, procedure);
    QFETCH(bool, keepCurrent);

    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Gus Hall"), kMay1, kMay2);
    desk.addRow(QStringLiteral("Ivy Jones"), kMay1, kMay2);
    desk.form.listRooms();
    QItemSelectionModel* selection = control<QTreeView>(desk.form, "ListView1")->selectionModel();
    keepCurrent ? selection->clearSelection() : selection->clear();
    desk.session.mHotelID = QStringLiteral("1");
    desk.addRow(QStringLiteral("Al Late"), kMay1, kMay2);

    QCOMPARE(modalsDuring([&] { run(desk, command); }), QStringList());
    QCOMPARE(desk.dialogs.texts(),
             QStringList{reportFor(QStringLiteral("Object variable or With block variable not set"),
                                   procedure, 102)});
    QCOMPARE(desk.session.mHotelID, QStringLiteral("1"));
    QCOMPARE(desk.stored(), 3);
    QCOMPARE(desk.form.listModel()->rowCount(), 2);
}

// What the guest editor showed while it was open.
struct EditorSeen {
    QString key; // mHotelID while it showed
    QString guest;
    QDate checkIn;
    QString cardNo;
};

EditorSeen showEditor(Desk& desk, void (Form1::*command)()) {
    QList<EditorSeen> seen;
    const QStringList modals = modalsDuring(
        [&] { (desk.form.*command)(); },
        [&](QWidget* modal) {
            if (auto* editor = qobject_cast<Form2*>(modal))
                seen.append({desk.session.mHotelID, control<QLineEdit>(*editor, "Text1")->text(),
                             control<QDateEdit>(*editor, "dtpCheckIn")->date(),
                             control<QLineEdit>(*editor, "Text3")->text()});
        });
    if (modals.size() != 1 || seen.size() != 1)
        return {QStringLiteral("(editor shown %1 times)").arg(modals.size()), {}, {}, {}};
    return seen.first();
}

void TestCommands::editorOpensOnTheSelectedRowThenEmpty() {
    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Kim Lee"), kMay1, kMay2);
    const qint64 chosen = desk.addRow(QStringLiteral("Kim Lee"), kMay2, kMay3);
    desk.addRow(QStringLiteral("Lou Moe"), kMay1, kMay3);
    desk.exec(QStringLiteral("update tblRooms set CreditCardNo = 'card ' || id"));
    desk.form.listRooms();
    desk.form.ListView1_ColumnClick(1);
    desk.form.ListView1_ColumnClick(1); // by ID, descending
    desk.clickRow(desk.rowOf(chosen));

    const EditorSeen edit = showEditor(desk, &Form1::PushButton3_Click);
    QCOMPARE(edit.key, QString::number(chosen));
    QCOMPARE(edit.guest, QStringLiteral("Kim Lee"));
    QCOMPARE(edit.checkIn, kMay2);
    QCOMPARE(edit.cardNo, QStringLiteral("card %1").arg(chosen));

    const EditorSeen add = showEditor(desk, &Form1::PushButton1_Click);
    QCOMPARE(add.key, QString());
    QCOMPARE(add.guest, QString());
    QCOMPARE(add.cardNo, QString());
    QCOMPARE(add.checkIn, QDate::currentDate());

    // Closed without saving: nothing written, nothing shown.
    QCOMPARE(desk.stored(), 3);
    QCOMPARE(desk.dialogs.texts(), QStringList());
}

void TestCommands::emptySpaceKeepsTheSelection_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click, then Delete Selected") << false;
    QTest::newRow("double-click") << true;
}

// A click below the last row keeps the selected row; a double-click there asks about it.
void TestCommands::emptySpaceKeepsTheSelection() {
    QFETCH(bool, doubleClick);
    Desk desk;
    QVERIFY(desk.ready);
    desk.setRange(kMay1, kJune1);
    desk.addRow(QStringLiteral("Gus Hall"), kMay1, kMay2);
    desk.addRow(QStringLiteral("Ivy Jones"), kMay1, kMay2);
    desk.form.listRooms();
    auto* list = desk.form.findChild<QTreeView*>(QStringLiteral("ListView1"));
    QVERIFY(list);
    desk.clickRow(1);
    const QPoint below = desk.rowRect(1).center() + QPoint(0, 4 * desk.rowRect(1).height());
    QVERIFY(!list->indexAt(below).isValid());

    desk.dialogs.answers = {Answer::No};
    QWidget* viewport = list->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, below);
    QCOMPARE(desk.selectedRow(), 1);
    if (doubleClick) {
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, below);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, below);
    } else {
        desk.form.PushButton2_Click();
    }
    QCOMPARE(desk.dialogs.texts(), QStringList{"Are you sure you want to delete Ivy Jones?"});
    QCOMPARE(desk.selectedRow(), 1);
    QCOMPARE(desk.stored(), 2);
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
