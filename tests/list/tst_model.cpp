// The reservation list's model: the fill, the cells and the header-click sort.
#include "base/report.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cellsOfOneRow();
    void nullsAndOddValues();
    void sortRules_data();
    void sortRules();
    void headerClickState();
    void sortSurvivesRefill();
    void equalKeysKeepFillOrder();
    void fillWithFailingStatement();
    void pointerDuringFill();

private:
    void fill(const QString& statement);
    QStringList column(int c) const;

    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Connection> m_connection;
    ReservationModel m_model;
    ScriptedDialogs m_dialogs;
    QList<int> m_pointers;
};

void TestModel::init() {
    m_connection.reset();
    m_path = m_dir.filePath("list.mdb");
    createDatabase(m_path);
    m_connection = std::make_unique<Connection>("list");
    m_connection->open("data source=" + m_path);
    m_model.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    m_model.setSortState(false, 0, 0);
    m_dialogs.clear();
    m_pointers.clear();
}

void TestModel::fill(const QString& statement) {
    Procedure proc(m_dialogs, "Form1.listRooms");
    fillList(
        proc, m_model, m_connection.get(), [&] { return statement; },
        [&](int s) { m_pointers << s; });
}

QStringList TestModel::column(int c) const {
    QStringList cells;
    for (int r = 0; r < m_model.rowCount(); ++r)
        cells << m_model.cellText(r, c);
    return cells;
}

void TestModel::cellsOfOneRow() {
    GuestValues v = sampleGuest("Zoë O'Brien", QDate(2024, 1, 30), QDate(2024, 2, 3));
    v.address = "1 Harbour Road\r\nPellworth";
    m_connection->execute(statements::insert(v));
    fill(statements::selectAll());
    QCOMPARE(m_model.rowCount(), 1);
    QCOMPARE(m_model.columnCount(), 13);
    const QStringList expected = {"1",
                                  "Zoë O'Brien",
                                  "Room",
                                  "1",
                                  "Single",
                                  "Breakfast",
                                  "2",
                                  "1/30/2024",
                                  "2/3/2024",
                                  "VISA",
                                  "•••• 1111",
                                  "555 0100",
                                  "1 Harbour Road\r\nPellworth"};
    for (int c = 0; c < 13; ++c)
        QCOMPARE(m_model.cellText(0, c), expected[c]);
    QCOMPARE(m_model.data(m_model.index(0, 1)).toString(), expected[1]);
    // The list shows the address on one line; the cell keeps it as stored.
    QCOMPARE(m_model.data(m_model.index(0, 12)).toString(),
             QStringLiteral("1 Harbour Road  Pellworth"));
    QCOMPARE(m_model.idAt(0), 1);
    QCOMPARE(m_model.firstAddedRow(), 0);
    const QStringList headers = {"ID",
                                 "Guest Name",
                                 "Accomodation",
                                 "Number Of Rooms",
                                 "Type",
                                 "Services Included",
                                 "Number of Persons",
                                 "Check In Date",
                                 "Check Out Date",
                                 "Card Type",
                                 "Card Number",
                                 "Phone Number",
                                 "Address"};
    for (int c = 0; c < 13; ++c)
        QCOMPARE(m_model.headerData(c, Qt::Horizontal).toString(), headers[c]);
}

void TestModel::nullsAndOddValues() {
    // A row with nulls everywhere but the name, and one whose values are not of their kind:
    // both show what is stored, nothing else.
    execOn(m_path, "insert into tblRooms (GuestName) values ('Nulls');"
                   "create table t2 as select * from tblRooms;");
    m_connection->execute(
        "insert into tblRooms (GuestName, PhoneNumber) values ('Empty phone', '')");
    fill(statements::selectAll());
    QCOMPARE(m_model.rowCount(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 2; c < 13; ++c)
            QCOMPARE(m_model.cellText(r, c), QString());
    // A database of the same schema kept elsewhere may hold values of other kinds.
    m_connection->execute(
        "create table odd (id integer primary key, GuestName, NoOfRooms, CheckInDate)");
    m_connection->execute("insert into odd values (5, 'Odd', 'two', 'soon')");
    fill("select * from odd");
    QCOMPARE(m_model.cellText(0, ReservationModel::NoOfRooms), QStringLiteral("two"));
    QCOMPARE(m_model.cellText(0, ReservationModel::CheckInDate), QStringLiteral("soon"));
}

void TestModel::sortRules_data() {
    QTest::addColumn<int>("index"); // header Index: position + 1
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("shownColumn");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("id numeric, 9 before 10")
        << 1 << 1 << 0 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("id descending")
        << 1 << 2 << 0 << QStringList{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"};
    QTest::newRow("persons numeric")
        << 7 << 1 << 6 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QTest::newRow("check-in by date, not text")
        << 8 << 1 << 0 << QStringList{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"};
    QTest::newRow("names ignore case")
        << 2 << 1 << 1 << QStringList{"alice", "Bob",  "carol", "Dave", "émile",
                                      "Frank", "gina", "Hal",   "ivy",  "Jo"};
    QTest::newRow("names descending")
        << 2 << 2 << 1 << QStringList{"Jo",    "ivy",  "Hal",   "gina", "Frank",
                                      "émile", "Dave", "carol", "Bob",  "alice"};
}

void TestModel::sortRules() {
    QFETCH(int, index);
    QFETCH(int, clicks);
    QFETCH(int, shownColumn);
    QFETCH(QStringList, expected);
    // Ten guests: id i has i persons and checks in on a date that sorts the other way; the
    // names, in a mixed case, sort differently from the ids.
    const QStringList names = {"Jo",    "ivy",  "Hal",   "gina", "Frank",
                               "émile", "Dave", "carol", "Bob",  "alice"};
    for (int i = 1; i <= 10; ++i) {
        GuestValues v = sampleGuest(names[i - 1], QDate(2025, 12, 1).addMonths(-i),
                                    QDate(2025, 12, 2).addMonths(-i));
        v.noOfPersons = QString::number(i);
        m_connection->execute(statements::insert(v));
    }
    fill(statements::selectAll());
    for (int k = 0; k < clicks; ++k)
        m_model.columnClick(index);
    QCOMPARE(column(shownColumn), expected);
}

void TestModel::headerClickState() {
    QVERIFY(!m_model.sorted());
    m_model.columnClick(2); // Guest Name
    QVERIFY(m_model.sorted());
    QCOMPARE(m_model.sortKey(), 1);
    QCOMPARE(m_model.sortOrder(), int(ReservationModel::Ascending));
    m_model.columnClick(2);
    QCOMPARE(m_model.sortOrder(), int(ReservationModel::Descending));
    m_model.columnClick(2);
    QCOMPARE(m_model.sortOrder(), int(ReservationModel::Ascending));
    m_model.columnClick(2);
    m_model.columnClick(1); // another column starts ascending
    QCOMPARE(m_model.sortKey(), 0);
    QCOMPARE(m_model.sortOrder(), int(ReservationModel::Ascending));
}

void TestModel::sortSurvivesRefill() {
    for (const char* name : {"b", "a", "c"})
        m_connection->execute(
            statements::insert(sampleGuest(name, QDate(2024, 1, 1), QDate(2024, 1, 2))));
    fill(statements::selectAll());
    QCOMPARE(column(1), (QStringList{"a", "b", "c"})); // the statement's order
    m_model.columnClick(1);
    m_model.columnClick(1); // id descending
    fill(statements::selectAll());
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
    // The selected row after a fill is the first row the statement gave.
    QCOMPARE(m_model.cellText(m_model.firstAddedRow(), 1), QStringLiteral("a"));
    QVERIFY(m_model.sorted());
    QCOMPARE(m_model.sortKey(), 0);
}

void TestModel::equalKeysKeepFillOrder() {
    // Same name in different case and the same check-in: the statement's order stays.
    m_connection->execute(
        statements::insert(sampleGuest("smith", QDate(2024, 5, 1), QDate(2024, 5, 2))));
    m_connection->execute(
        statements::insert(sampleGuest("Smith", QDate(2024, 5, 1), QDate(2024, 5, 3))));
    m_connection->execute(
        statements::insert(sampleGuest("SMITH", QDate(2024, 5, 1), QDate(2024, 5, 4))));
    fill("select * from tblRooms order by id desc");
    m_model.columnClick(2);
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
    m_model.columnClick(2);
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
    m_model.columnClick(8);
    QCOMPARE(column(0), (QStringList{"3", "2", "1"}));
}

void TestModel::fillWithFailingStatement() {
    m_connection->execute(
        statements::insert(sampleGuest("x", QDate(2024, 1, 1), QDate(2024, 1, 2))));
    fill(statements::selectAll());
    QCOMPARE(m_model.rowCount(), 1);
    fill("select * from tblMissing");
    QCOMPARE(m_model.rowCount(), 0);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].text,
             reportFor("no such table: tblMissing", "Form1.listRooms", 106));
    QCOMPARE(m_dialogs.shown[0].title, QStringLiteral("Application Error"));
    QCOMPARE(m_pointers.last(), int(kPointerDefault));
    // No connection at all: one report as well.
    m_dialogs.clear();
    Procedure proc(m_dialogs, "Form1.PushButton5_Click");
    fillList(
        proc, m_model, nullptr, [] { return statements::selectAll(); }, [](int) {});
    QCOMPARE(m_dialogs.shown.size(), 1);
    QVERIFY(m_dialogs.shown[0].text.contains("Form1.PushButton5_Click at line 106"));
}

void TestModel::pointerDuringFill() {
    fill(statements::selectAll());
    QCOMPARE(m_pointers, (QList<int>{kPointerHourglass, kPointerDefault}));
    QCOMPARE(m_model.rowCount(), 0);
    QCOMPARE(m_model.firstAddedRow(), -1);
    QVERIFY(m_dialogs.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
