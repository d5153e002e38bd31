// The guest editor's save over an inventory: the overbooking question, its answers, and an
// edited reservation that does not count against itself.
#include "base/dates.h"
#include "gui/editor/form2.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"
#include "tests/common/windowsupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kToday = QDate::currentDate();

int traceWrites(unsigned type, void* context, void* statement, void*) {
    const QString sql = QString::fromUtf8(sqlite3_sql(static_cast<sqlite3_stmt*>(statement)));
    // The reservation's own statements; the guest profile that follows a save writes elsewhere.
    if (type == SQLITE_TRACE_STMT &&
        (sql.startsWith("insert into tblRooms") || sql.startsWith("update tblRooms")))
        static_cast<QStringList*>(context)->append(sql);
    return 0;
}

QString shortDate(const QDate& date) {
    return QLocale().toString(date, shortDateFormat());
}

} // namespace

class TestOverbooking : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noKeepsEverythingTyped();
    void yesSavesTheStatement();
    void editedStayDoesNotCountItself_data();
    void editedStayDoesNotCountItself();
    void withoutInventoryNothingIsAsked();

private:
    QString db() const { return m_places->places.workingDatabase(); }
    QString rows() const { return queryValue(db(), "select count(*) from tblRooms"); }
    std::unique_ptr<Form2> open(const QString& id = {}) {
        m_session->mHotelID = id;
        auto editor = std::make_unique<Form2>(*m_main);
        editor->Form_Load();
        editor->show();
        return editor;
    }
    // A valid new stay of one Double room from today for `nights` nights.
    static void fill(Form2& e, int nights) {
        control<QLineEdit>(e, "Text1")->setText("Ada Lovelace");
        control<QLineEdit>(e, "Text2")->setText("1");
        control<QComboBox>(e, "Combo1")->setCurrentText("Double");
        control<QComboBox>(e, "Combo2")->setEditText("VISA");
        control<QLineEdit>(e, "Text3")->setText("4111");
        control<QLineEdit>(e, "Text6")->setText("555 0100");
        control<QPlainTextEdit>(e, "Text7")->setPlainText("1 Harbour Road");
        control<QDateEdit>(e, "dtpCheckOut")->setDate(kToday.addDays(nights));
        control<QDateEdit>(e, "dtpExpiry")->setDate(kToday.addYears(1));
    }
    static void save(Form2& e) { control<QPushButton>(e, "PushButton4")->click(); }
    QString addStay(const QString& type, int from, int to) {
        GuestValues v = sampleGuest("Held", kToday.addDays(from), kToday.addDays(to));
        v.type = type;
        execOn(db(), translateDates(statements::insert(v)));
        return queryValue(db(), "select max(id) from tblRooms");
    }

    std::unique_ptr<TempPlaces> m_places;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<Form1> m_main;
};

void TestOverbooking::init() {
    m_places = std::make_unique<TempPlaces>();
    createWorkingDatabase(m_places->places);
    execOn(db(), "insert into tblInventory values ('Room', 'Double', 1), ('Room', 'Single', 1)");
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_session = std::make_unique<Session>(*m_dialogs, m_places->places);
    m_main = std::make_unique<Form1>(*m_session);
    QVERIFY(m_main->Form_Load());
    m_dialogs->clear();
}

void TestOverbooking::cleanup() {
    m_main.reset();
    m_session.reset();
    m_places.reset();
}

void TestOverbooking::noKeepsEverythingTyped() {
    addStay("Double", 1, 8);
    auto e = open();
    fill(*e, 8);
    m_dialogs->answers = {Answer::No};
    save(*e);
    QCOMPARE(m_dialogs->shown.size(), 1);
    const Message& asked = m_dialogs->shown[0];
    QStringList nights;
    for (int i = 1; i <= 5; ++i)
        nights << shortDate(kToday.addDays(i));
    QCOMPARE(asked.text, "This stay overbooks Double Room on " + nights.join(", ") +
                             " and 2 more nights (1 over). Save anyway?");
    QCOMPARE(asked.buttons, Buttons::YesNo);
    QCOMPARE(asked.defaultButton, Answer::No);
    QCOMPARE(rows(), "1");
    QVERIFY(e->isVisible());
    QCOMPARE(control<QLineEdit>(*e, "Text1")->text(), "Ada Lovelace");
    QCOMPARE(control<QComboBox>(*e, "Combo1")->currentText(), "Double");
    QCOMPARE(control<QDateEdit>(*e, "dtpCheckOut")->date(), kToday.addDays(8));
    QCOMPARE(control<QPlainTextEdit>(*e, "Text7")->toPlainText(), "1 Harbour Road");
}

void TestOverbooking::yesSavesTheStatement() {
    addStay("Double", 0, 1);
    auto e = open();
    fill(*e, 1);
    QStringList sent;
    sqlite3_trace_v2(m_session->connection().handle(), SQLITE_TRACE_STMT, traceWrites, &sent);
    m_dialogs->answers = {Answer::Yes};
    save(*e);
    QCOMPARE(m_dialogs->texts(), QStringList({"This stay overbooks Double Room on " +
                                                  shortDate(kToday) + " (1 over). Save anyway?",
                                              "Successfully Saved."}));
    GuestValues v = sampleGuest("Ada Lovelace", kToday, kToday.addDays(1));
    v.type = "Double";
    v.creditCardNo = "4111";
    v.noOfPersons = "1";
    v.serviceIncluded = "Breakfast, Lunch, Dinner, Security";
    QCOMPARE(sent, QStringList{translateDates(statements::insert(v))});
    QCOMPARE(rows(), "2");
}

void TestOverbooking::editedStayDoesNotCountItself_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("asked");
    QTest::newRow("unchanged") << "Double" << 0 << 3 << false;
    QTest::newRow("shortened") << "Double" << 1 << 2 << false;
    QTest::newRow("moved later") << "Double" << 2 << 5 << false;
    QTest::newRow("moved onto another's night") << "Double" << 4 << 6 << true;
    QTest::newRow("changed to a free type") << "Single" << 0 << 3 << false;
    QTest::newRow("changed to a full type") << "Single" << 9 << 10 << true;
}

void TestOverbooking::editedStayDoesNotCountItself() {
    QFETCH(QString, type);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, asked);
    const QString id = addStay("Double", 0, 3);
    addStay("Double", 5, 6);
    addStay("Single", 9, 10);
    auto e = open(id);
    control<QComboBox>(*e, "Combo1")->setCurrentText(type);
    control<QDateEdit>(*e, "dtpCheckOut")->setDate(kToday.addDays(to));
    control<QDateEdit>(*e, "dtpCheckIn")->setDate(kToday.addDays(from));
    control<QDateEdit>(*e, "dtpExpiry")->setDate(kToday.addYears(1));
    m_dialogs->answers = {Answer::No};
    save(*e);
    QCOMPARE(m_dialogs->shown.first().text.startsWith("This stay overbooks"), asked);
    QCOMPARE(queryValue(db(), "select Type from tblRooms where id=" + id),
             asked ? QString("Double") : type);
}

void TestOverbooking::withoutInventoryNothingIsAsked() {
    execOn(db(), "delete from tblInventory");
    addStay("Double", 0, 5);
    auto e = open();
    fill(*e, 3);
    control<QLineEdit>(*e, "Text2")->setText("40");
    save(*e);
    QCOMPARE(m_dialogs->texts(), QStringList{"Successfully Saved."});
    QCOMPARE(rows(), "2");
}

QTEST_MAIN(TestOverbooking)
#include "tst_overbooking.moc"
