// The list filled from a PostgreSQL server shows every cell as the same list filled from the file.
#include "base/report.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace corvanna;
using namespace corvanna::test;

class TestServerList : public QObject {
    Q_OBJECT
private slots:
    void sameCellsAsTheFile_data();
    void sameCellsAsTheFile();
    void failingStatementIsReportedOnce();

private:
    static QStringList cells(Connection& connection, const QString& statement, int sortIndex,
                             ScriptedDialogs& dialogs);
};

QStringList TestServerList::cells(Connection& connection, const QString& statement,
                                  int sortIndex, ScriptedDialogs& dialogs) {
    ReservationModel model;
    model.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    if (sortIndex) model.columnClick(sortIndex);
    Procedure proc(dialogs, "Form1.listRooms");
    fillList(
        proc, model, &connection, [&] { return statement; }, [](int) {});
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < model.columnCount(); ++c)
            row << model.cellText(r, c);
        rows << row.join('|');
    }
    return rows;
}

void TestServerList::sameCellsAsTheFile_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("sortIndex"); // header Index clicked before the fill, 0: none
    QTest::newRow("show all") << statements::selectAll() << 0;
    QTest::newRow("range") << statements::selectRange({2024, 3, 10}, {2024, 3, 20}) << 0;
    QTest::newRow("by check-in") << statements::selectAll() << 8;
    QTest::newRow("by persons") << statements::selectAll() << 7;
    QTest::newRow("one by id") << statements::selectById("3") << 0;
}

void TestServerList::sameCellsAsTheFile() {
    QFETCH(QString, statement);
    QFETCH(int, sortIndex);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.mdb");
    createDatabase(path);
    ServerDatabase db("list");
    Connection file("file");
    file.open("data source=" + path);
    Connection server("server");
    server.open(db.url());
    // Names that differ in case and accent only (the order beyond that follows the language on
    // the server, see tst_serverconnection), dates at the range's edges and across years, counts
    // past nine, nulls.
    struct Stay {
        const char* name;
        QDate in, out;
        const char* persons;
    };
    const Stay stays[] = {{"zoë", {2024, 3, 10}, {2024, 3, 20}, "12"},
                          {"Zoe", {2024, 3, 9}, {2024, 3, 12}, "2"},
                          {"adam", {2023, 12, 31}, {2024, 1, 1}, "9"},
                          {"emile", {2024, 3, 15}, {2024, 3, 15}, "10"},
                          {"O'Brien", {2024, 3, 11}, {2024, 3, 21}, "0"}};
    for (const Stay& s : stays) {
        GuestValues v = sampleGuest(QString::fromUtf8(s.name), s.in, s.out);
        v.noOfPersons = QString::fromLatin1(s.persons);
        file.execute(statements::insert(v));
        server.execute(statements::insert(v));
    }
    const QString nulls = "insert into tblRooms ([GuestName]) values ('Nulls')";
    file.execute(nulls);
    server.execute(nulls);
    ScriptedDialogs dialogs;
    const QStringList fromFile = cells(file, statement, sortIndex, dialogs);
    const QStringList fromServer = cells(server, statement, sortIndex, dialogs);
    QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
    QVERIFY(!fromFile.isEmpty());
    QCOMPARE(fromServer, fromFile);
}

void TestServerList::failingStatementIsReportedOnce() {
    ServerDatabase db("listfail");
    Connection server("server");
    server.open(db.url());
    ScriptedDialogs dialogs;
    QCOMPARE(cells(server, "select * from tblRooms where CheckInDate>=#02/30/2024#", 0, dialogs),
             QStringList());
    QCOMPARE(dialogs.texts(),
             QStringList{reportFor("date/time field value out of range: \"2024-02-30\"",
                                   "Form1.listRooms", 106)});
    // The session is usable at once after the failed read.
    server.execute(statements::insert(sampleGuest("After", {2024, 1, 1}, {2024, 1, 2})));
    dialogs.clear();
    QCOMPARE(cells(server, statements::selectAll(), 0, dialogs).size(), 1);
}

QTEST_GUILESS_MAIN(TestServerList)
#include "tst_serverlist.moc"
