// Availability: which nights a stay takes, the overbooking found on save and its question, the
// chart against a brute-force count, and the inventory's table joining an old database.
#include "editor/availability.h"
#include "gui/frame/form1.h"
#include "gui/frame/session.h"
#include "store/connection.h"
#include "store/inventory.h"
#include "store/literals.h"
#include "store/statements.h"
#include "tests/common/testsupport.h"

#include <QRandomGenerator>
#include <QTest>
#include <sqlite3.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kDay{2027, 12, 30};

StayRow stay(qint64 id, const QDate& in, const QDate& out, qint64 units = 1,
             const QString& type = "Double", const QString& kind = "Room") {
    return {id, kind, type, units, in, out};
}

// Every row of tblRooms as the engine stores it, byte for byte.
QString everyRow(const QString& db) {
    return queryValue(db, "select group_concat(r, '|') from (select quote(id) || quote(GuestName) "
                          "|| quote(Accommodation) || quote(NoOfRooms) || quote(Type) || "
                          "quote(ServiceIncluded) || quote(NoOfPersons) || quote(CheckInDate) || "
                          "quote(CheckOutDate) || quote(CreditCardType) || quote(CreditCardNo) || "
                          "quote(PhoneNumber) || quote(Address) as r from tblRooms order by id)");
}

} // namespace

class TestAvailability : public QObject {
    Q_OBJECT
private slots:
    void nights_data();
    void nights();
    void overbooking_data();
    void overbooking();
    void question_data();
    void question();
    void chartMatchesBruteForce();
    void oldDatabaseGetsInventory();
    void inventoryRoundTrip();
};

// Units booked on the nights from kDay - 1 to kDay + 3 (Dec 29 to Jan 2: a year's end).
void TestAvailability::nights_data() {
    QTest::addColumn<QDate>("in");
    QTest::addColumn<QDate>("out");
    QTest::addColumn<QList<qint64>>("booked");
    const QDate d = kDay;
    QTest::newRow("one night") << d << d.addDays(1) << QList<qint64>{0, 1, 0, 0, 0};
    QTest::newRow("ending frees the night") << d.addDays(-1) << d << QList<qint64>{1, 0, 0, 0, 0};
    QTest::newRow("same day counts on its day") << d << d << QList<qint64>{0, 1, 0, 0, 0};
    QTest::newRow("across the year's end")
        << d.addDays(1) << d.addDays(3) << QList<qint64>{0, 0, 1, 1, 0};
    QTest::newRow("begins before the window")
        << d.addDays(-40) << d.addDays(2) << QList<qint64>{1, 1, 1, 0, 0};
    QTest::newRow("ends after the window")
        << d.addDays(3) << d.addDays(90) << QList<qint64>{0, 0, 0, 0, 1};
    QTest::newRow("reversed dates take nothing")
        << d.addDays(2) << d << QList<qint64>{0, 0, 0, 0, 0};
}

void TestAvailability::nights() {
    QFETCH(QDate, in);
    QFETCH(QDate, out);
    QFETCH(QList<qint64>, booked);
    const std::vector<StayRow> stays{stay(1, in, out, 2), stay(2, in, out, 5, "Single"),
                                     stay(3, in, out, 7, "Double", "Wing")};
    const std::vector<qint64> got = bookedPerNight(stays, "Room", "Double", kDay.addDays(-1), 5);
    QList<qint64> doubled;
    for (qint64 b : booked)
        doubled << 2 * b;
    QCOMPARE(QList<qint64>(got.begin(), got.end()), doubled);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(coversNight(in, out, kDay.addDays(i - 1)), booked[i] == 1);
    // Leaving the stay out leaves nothing booked.
    for (qint64 b : bookedPerNight(stays, "Room", "Double", kDay.addDays(-1), 5, 1))
        QCOMPARE(b, 0);
}

void TestAvailability::overbooking_data() {
    QTest::addColumn<QDate>("in");
    QTest::addColumn<QDate>("out");
    QTest::addColumn<QString>("type");
    QTest::addColumn<qint64>("wanted");
    QTest::addColumn<qint64>("leaveOut");
    QTest::addColumn<QList<QDate>>("nights");
    QTest::addColumn<qint64>("over");
    // Two units; reservation 7 holds one from Dec 30 to Jan 2, reservation 8 one on Dec 31 only.
    const QDate d = kDay;
    QTest::newRow("fits") << d << d.addDays(1) << "Double" << qint64(1) << qint64(0)
                          << QList<QDate>{} << qint64(0);
    QTest::newRow("full night") << d.addDays(1) << d.addDays(2) << "Double" << qint64(1)
                                << qint64(0) << QList<QDate>{d.addDays(1)} << qint64(1);
    QTest::newRow("arrives as the others leave")
        << d.addDays(3) << d.addDays(5) << "Double" << qint64(2) << qint64(0) << QList<QDate>{}
        << qint64(0);
    QTest::newRow("same day on a full night")
        << d.addDays(1) << d.addDays(1) << "Double" << qint64(1) << qint64(0)
        << QList<QDate>{d.addDays(1)} << qint64(1);
    QTest::newRow("most missing on one night")
        << d << d.addDays(3) << "Double" << qint64(3) << qint64(0)
        << QList<QDate>{d, d.addDays(1), d.addDays(2)} << qint64(3);
    QTest::newRow("own stay shortened does not count")
        << d << d.addDays(2) << "Double" << qint64(1) << qint64(7) << QList<QDate>{} << qint64(0);
    QTest::newRow("own stay moved does not count")
        << d.addDays(1) << d.addDays(4) << "Double" << qint64(1) << qint64(7) << QList<QDate>{}
        << qint64(0);
    QTest::newRow("type changed: the new type's units")
        << d << d.addDays(2) << "Single" << qint64(2) << qint64(7) << QList<QDate>{} << qint64(0);
    QTest::newRow("type changed onto a full type")
        << d << d.addDays(2) << "Single" << qint64(3) << qint64(7) << QList<QDate>{d, d.addDays(1)}
        << qint64(1);
}

void TestAvailability::overbooking() {
    QFETCH(QDate, in);
    QFETCH(QDate, out);
    QFETCH(QString, type);
    QFETCH(qint64, wanted);
    QFETCH(qint64, leaveOut);
    QFETCH(QList<QDate>, nights);
    QFETCH(qint64, over);
    const std::vector<StayRow> stays{stay(7, kDay, kDay.addDays(3)),
                                     stay(8, kDay.addDays(1), kDay.addDays(2))};
    const std::optional<Overbooking> found =
        findOverbooking(stays, 2, "Room", type, in, out, wanted, leaveOut);
    QCOMPARE(found.has_value(), !nights.isEmpty());
    if (!found) return;
    QCOMPARE(found->nights, nights);
    QCOMPARE(found->over, over);
    QCOMPARE(found->type, type);
}

void TestAvailability::question_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("nights");
    QTest::addColumn<QString>("text");
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);
    QTest::newRow("one night") << us << 1
                               << "This stay overbooks Main Hall Meeting Hall on 12/30/2027 (2 "
                                  "over). Save anyway?";
    QTest::newRow("five nights, day first")
        << de << 5
        << "This stay overbooks Main Hall Meeting Hall on 30.12.2027, 31.12.2027, 01.01.2028, "
           "02.01.2028, 03.01.2028 (2 over). Save anyway?";
    QTest::newRow("six nights") << us << 6
                                << "This stay overbooks Main Hall Meeting Hall on 12/30/2027, "
                                   "12/31/2027, 1/1/2028, 1/2/2028, 1/3/2028 and 1 more night (2 "
                                   "over). Save anyway?";
    QTest::newRow("nine nights") << us << 9
                                 << "This stay overbooks Main Hall Meeting Hall on 12/30/2027, "
                                    "12/31/2027, 1/1/2028, 1/2/2028, 1/3/2028 and 4 more nights "
                                    "(2 over). Save anyway?";
}

void TestAvailability::question() {
    QFETCH(QLocale, locale);
    QFETCH(int, nights);
    QFETCH(QString, text);
    Overbooking o{"Meeting Hall", "Main Hall", {}, 2};
    for (int i = 0; i < nights; ++i)
        o.nights << kDay.addDays(i);
    QCOMPARE(overbookingQuestion(o, locale), text);
}

// A generated hotel: the chart read through the stay index against a count over every row.
void TestAvailability::chartMatchesBruteForce() {
    TempPlaces temp;
    const QString db = temp.path("hotel.mdb");
    createDatabase(db);
    QRandomGenerator random(15);
    const QStringList types = kindDetails(GuestKind::Rooms).types;
    QString sql = "begin;";
    for (int i = 0; i < 3000; ++i) {
        GuestValues v = sampleGuest("Guest", kDay.addDays(random.bounded(-120, 120)), {});
        const int kind = random.bounded(3);
        v.accommodation = kindDetails(GuestKind(kind)).word;
        const QStringList& kindTypes = kindDetails(GuestKind(kind)).types;
        v.type = kindTypes[random.bounded(int(kindTypes.size()))];
        // Same-day stays, ordinary ones and a few very long ones.
        const int length = random.bounded(10) == 0 ? random.bounded(60, 200) : random.bounded(15);
        v.checkOut = v.checkIn.addDays(length);
        v.noOfRooms = QString::number(random.bounded(1, 4));
        sql += translateDates(statements::insert(v)) + ";";
    }
    sql += "insert into tblRooms (Accommodation, Type, NoOfRooms) values ('Room', 'Single', 5);";
    sql += "insert into tblInventory values ('Room','Single',40), ('Wing','Royal',3), "
           "('Meeting Hall','East Hall',0);commit;";
    execOn(db, sql);

    // Brute force: every row, every night.
    struct Row {
        QString kind, type;
        qint64 units;
        QDate in, out;
    };
    QList<Row> all;
    sqlite3* raw = nullptr;
    QCOMPARE(sqlite3_open(db.toUtf8().constData(), &raw), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(raw,
                       "select Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate "
                       "from tblRooms",
                       -1, &st, nullptr);
    const auto text = [&](int c) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)));
    };
    while (sqlite3_step(st) == SQLITE_ROW)
        all << Row{text(0), text(1), sqlite3_column_int64(st, 2),
                   QDate::fromString(text(3), Qt::ISODate),
                   QDate::fromString(text(4), Qt::ISODate)};
    sqlite3_finalize(st);
    sqlite3_close(raw);

    Connection connection;
    connection.open("data source=" + db);
    for (const QDate& first : {kDay.addDays(-130), kDay.addDays(-17), kDay, kDay.addDays(100)}) {
        for (int nights : {14, 31}) {
            const std::vector<ChartRow> chart = readAvailabilityChart(connection, first, nights);
            QCOMPARE(chart.size(), size_t(13));
            for (const ChartRow& row : chart) {
                for (int n = 0; n < nights; ++n) {
                    const QDate night = first.addDays(n);
                    qint64 booked = 0;
                    for (const Row& r : all) {
                        const bool takes =
                            r.in == r.out ? night == r.in : r.in <= night && night < r.out;
                        if (r.kind == row.kindWord && r.type == row.type && takes)
                            booked += r.units;
                    }
                    QCOMPARE(row.booked[size_t(n)], booked);
                }
            }
            QCOMPARE(chart[0].units, std::optional<qint64>(40));
            QCOMPARE(chart[1].units, std::nullopt);
            QCOMPARE(chart[0].freeOn(0), std::optional<qint64>(40 - chart[0].booked[0]));
        }
    }
}

// A working database from before the inventory: start-up adds the table and keeps every
// reservation as it was.
void TestAvailability::oldDatabaseGetsInventory() {
    TempPlaces temp;
    createWorkingDatabase(temp.places);
    const QString db = temp.places.workingDatabase();
    execOn(db, "drop table tblInventory; drop index idxRoomsStayLength; pragma user_version = 0;");
    GuestValues v = sampleGuest("O'Brien", QDate::currentDate(), QDate::currentDate());
    v.address = "1 Quay\nLine 2";
    execOn(db, translateDates(statements::insert(v)) +
                   "; insert into tblRooms (GuestName) values (null); delete from tblRooms where "
                   "GuestName is null; insert into tblRooms (GuestName, NoOfRooms) values ('x', "
                   "null);");
    const QString rows = everyRow(db);
    const QString table = queryValue(db, "select sql from sqlite_master where name='tblRooms'");
    const QString sequence = queryValue(db, "select seq from sqlite_sequence");

    ScriptedDialogs dialogs;
    Session session(dialogs, temp.places);
    {
        Form1 main(session);
        QVERIFY(main.Form_Load());
        QVERIFY2(dialogs.shown.isEmpty(), qPrintable(dialogs.texts().join('\n')));
        QCOMPARE(session.inventoryUnavailable, QString());
        QVERIFY(hasInventoryTable(session.connection()));
        QCOMPARE(readInventory(session.connection()), std::vector<InventoryEntry>{});
        main.close();
    }
    QCOMPARE(everyRow(db), rows);
    QCOMPARE(queryValue(db, "select sql from sqlite_master where name='tblRooms'"), table);
    QCOMPARE(queryValue(db, "select seq from sqlite_sequence"), sequence);
    QCOMPARE(queryValue(db, "select count(*) from sqlite_master where name in ('tblInventory', "
                            "'idxRoomsStayLength')"),
             "2");
}

void TestAvailability::inventoryRoundTrip() {
    TempPlaces temp;
    const QString db = temp.path("inventory.mdb");
    createDatabase(db);
    Connection connection;
    connection.open("data source=" + db);
    const std::vector<InventoryEntry> entries{{"Room", "Double", 12},
                                              {"Meeting Hall", "O'Neil", 0}};
    writeInventory(connection, entries);
    QCOMPARE(readInventory(connection),
             (std::vector<InventoryEntry>{{"Meeting Hall", "O'Neil", 0}, {"Room", "Double", 12}}));
    QCOMPARE(inventoryUnits(connection, "Room", "Double"), std::optional<qint64>(12));
    QCOMPARE(inventoryUnits(connection, "Room", "double"), std::nullopt);
    // A refused entry leaves the inventory as it was.
    QVERIFY(!failureOf([&] {
                 writeInventory(connection, {{"Room", "Single", 3}, {"Room", "Double", -1}});
             }).isEmpty());
    QCOMPARE(readInventory(connection).size(), size_t(2));
    writeInventory(connection, {});
    QCOMPARE(readInventory(connection), std::vector<InventoryEntry>{});
}

QTEST_MAIN(TestAvailability)
#include "tst_availability.moc"
