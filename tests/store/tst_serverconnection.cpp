// The connection on a PostgreSQL server: the schema made on first use, the six statements with
// their meaning kept, the server's own words on failure, a dropped session taken up again.
#include "base/failure.h"
#include "store/connection.h"
#include "store/inventory.h"
#include "store/server/localcopy.h"
#include "store/server/serverlink.h"
#include "store/statements.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

class TestServerConnection : public QObject {
    Q_OBJECT
private slots:
    void targets_data();
    void targets();
    void schemaMadeOnFirstUseOnly();
    void olderDatabaseGetsTheInventory();
    void roundTripOfTexts_data();
    void roundTripOfTexts();
    void rangeBoundsAreInclusive_data();
    void rangeBoundsAreInclusive();
    void serverRejectsWhatDoesNotFit_data();
    void serverRejectsWhatDoesNotFit();
    void idsAreNeverReused();
    void nullReadsAsEmptyText();
    void guestNamesFollowTheLanguage_data();
    void guestNamesFollowTheLanguage();
    void unreachableServerIsReportedInItsWords();
    void droppedSessionIsTakenUpByTheNextCommand();
    void secondHostTakesOverFromADeadFirst();
    void otherDesksChangesAreNoticed();
    void copyIsReadAtMostOnceAnInterval_data();
    void copyIsReadAtMostOnceAnInterval();
    void stopCancelsACopyReadUnderWay();
    void leftoversOfKilledCopyReadsAreRemoved();
};

void TestServerConnection::targets_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("server");
    QTest::newRow("uri") << "postgresql://desk@db.hotel:5432/corvanna" << true;
    QTest::newRow("short uri") << "postgres://db.hotel/corvanna" << true;
    QTest::newRow("multi-host")
        << "postgresql://a:5432,b:5432/corvanna?target_session_attrs=read-write" << true;
    QTest::newRow("key=value") << "host=db.hotel dbname=corvanna user=desk" << true;
    QTest::newRow("the file") << connectionString("/var/lib") << false;
    QTest::newRow("a path") << "/home/desk/dbRooms.mdb" << false;
}

void TestServerConnection::targets() {
    QFETCH(QString, target);
    QFETCH(bool, server);
    QCOMPARE(isServerTarget(target), server);
}

void TestServerConnection::schemaMadeOnFirstUseOnly() {
    ServerDatabase db("schema");
    {
        Connection c("schema");
        c.open(db.url());
        QCOMPARE(c.state(), 1);
        QVERIFY(c.server());
        QCOMPARE(c.execute(statements::insert(sampleGuest("Kept", {2024, 1, 1}, {2024, 1, 2}))), 1);
    }
    QCOMPARE(db.value("select string_agg(column_name || ' ' || data_type, ', ' order by "
                      "ordinal_position) from information_schema.columns "
                      "where table_name = 'tblrooms'"),
             QStringLiteral("id bigint, guestname text, accommodation text, noofrooms integer, "
                            "type text, serviceincluded text, noofpersons integer, checkindate "
                            "date, checkoutdate date, creditcardtype text, creditcardno text, "
                            "phonenumber text, address text"));
    QCOMPARE(db.value("select identity_generation from information_schema.columns "
                      "where table_name = 'tblrooms' and column_name = 'id'"),
             QStringLiteral("ALWAYS"));
    QCOMPARE(db.value("select indexdef from pg_indexes where indexname = 'idxroomsstay'"),
             QStringLiteral("CREATE INDEX idxroomsstay ON public.tblrooms USING btree "
                            "(checkindate, checkoutdate)"));
    // A second desk finds the table and keeps its rows.
    Connection again("again");
    again.open(db.url());
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("1"));
    QCOMPARE(failureOf([&] {
                 again.execute("insert into tblRooms (id, GuestName) values (9,'x')");
             }).isEmpty(),
             false);
}

void TestServerConnection::olderDatabaseGetsTheInventory() {
    ServerDatabase db("older");
    {
        Connection c("made");
        c.open(db.url());
    }
    // A database made before the inventory: the reservations alone.
    db.exec("drop table tblInventory; drop index idxRoomsStayLength; drop table corvanna_schema");
    db.exec("insert into tblRooms (GuestName, CheckInDate, CheckOutDate) "
            "values ('Kept', '2024-01-01', '2024-01-09')");
    Connection c("older");
    c.open(db.url());
    QCOMPARE(db.value("select count(*) || ' ' || max(GuestName) from tblRooms"), "1 Kept");
    QCOMPARE(db.value("select string_agg(column_name || ' ' || data_type || ' ' || is_nullable, "
                      "', ' order by ordinal_position) from information_schema.columns "
                      "where table_name = 'tblinventory'"),
             "kind text NO, type text NO, units bigint NO");
    // Among many stays the longest is read through its index.
    db.exec("insert into tblRooms (CheckInDate, CheckOutDate) select date '2000-01-01' + i, "
            "date '2000-01-04' + i from generate_series(0, 2000) as i; analyze tblRooms");
    QVERIFY(db.value("explain (format json) select max(CheckOutDate - CheckInDate) from tblRooms")
                .contains("\"idxroomsstaylength\""));
    db.exec("delete from tblRooms where GuestName is null");
    // The file's rules: no units below zero, one entry per kind and type.
    QVERIFY(!failureOf([&] { writeInventory(c, {{"Room", "Double", -1}}); }).isEmpty());
    QVERIFY(!failureOf([&] {
                 writeInventory(c, {{"Room", "Double", 1}, {"Room", "Double", 2}});
             }).isEmpty());
    QCOMPARE(readInventory(c), std::vector<InventoryEntry>());
    writeInventory(c, {{"Room", "Double", 2}});
    QCOMPARE(inventoryUnits(c, "Room", "Double"), std::optional<qint64>(2));
    QVERIFY(!inventoryUnits(c, "Room", "double"));
}

void TestServerConnection::roundTripOfTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophes") << "O'Brien's ''inn''";
    QTest::newRow("date in a name") << "#01/02/2024#";
    QTest::newRow("brackets in a name") << "[GuestName] \"x\"";
    QTest::newRow("backslashes") << "C:\\new\\table \\' end";
    QTest::newRow("statement in a name") << "'); drop table tblRooms; --";
    QTest::newRow("blanks kept") << "  padded  ";
    QTest::newRow("multi-line") << "1 Harbour Road\r\nPellworth\r\n";
    QTest::newRow("accents and rtl") << QString::fromUtf8("Zoë Ångström \u05E9\u05DC\u05D5\u05DD");
    QTest::newRow("empty") << "";
}

void TestServerConnection::roundTripOfTexts() {
    QFETCH(QString, text);
    ServerDatabase db("texts");
    Connection c("texts");
    c.open(db.url());
    GuestValues v = sampleGuest(text, QDate(2024, 1, 30), QDate(2024, 1, 31));
    v.address = text;
    QCOMPARE(c.execute(statements::insert(v)), 1);
    ResultSet rs;
    rs.open(statements::selectAll(), c);
    QVERIFY(!rs.eof());
    QCOMPARE(rs.text("GuestName"), text);
    QCOMPARE(rs.text("Address"), text);
    QCOMPARE(rs.text("CheckInDate"), QStringLiteral("2024-01-30"));
    QCOMPARE(rs.text("NoOfRooms"), v.noOfRooms);
    rs.moveNext();
    QVERIFY(rs.eof());
    rs.close();
    // The update rewrites every column by the same rules.
    v.guestName = text + QStringLiteral("'2");
    QCOMPARE(c.execute(statements::update(v, db.value("select id from tblRooms"))), 1);
    rs.open(statements::selectById(db.value("select id from tblRooms")), c);
    QCOMPARE(rs.text("GuestName"), v.guestName);
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("1"));
}

void TestServerConnection::rangeBoundsAreInclusive_data() {
    QTest::addColumn<QDate>("checkIn");
    QTest::addColumn<QDate>("checkOut");
    QTest::addColumn<bool>("listed");
    // The range searched is 10 to 20 March 2024.
    QTest::newRow("exactly the range") << QDate(2024, 3, 10) << QDate(2024, 3, 20) << true;
    QTest::newRow("starts a day early") << QDate(2024, 3, 9) << QDate(2024, 3, 12) << false;
    QTest::newRow("ends a day late") << QDate(2024, 3, 15) << QDate(2024, 3, 21) << false;
    QTest::newRow("day and month swapped") << QDate(2024, 10, 3) << QDate(2024, 10, 4) << false;
    QTest::newRow("other year, same day") << QDate(2023, 3, 12) << QDate(2023, 3, 13) << false;
}

void TestServerConnection::rangeBoundsAreInclusive() {
    QFETCH(QDate, checkIn);
    QFETCH(QDate, checkOut);
    QFETCH(bool, listed);
    ServerDatabase db("range");
    Connection c("range");
    c.open(db.url());
    c.execute(statements::insert(sampleGuest("Guest", checkIn, checkOut)));
    ResultSet rs;
    rs.open(statements::selectRange(QDate(2024, 3, 10), QDate(2024, 3, 20)), c);
    QCOMPARE(!rs.eof(), listed);
    rs.open(statements::selectRange(QDate(2024, 3, 20), QDate(2024, 3, 10)), c);
    QVERIFY2(rs.eof(), "a range whose first date is after its second lists nothing");
}

void TestServerConnection::serverRejectsWhatDoesNotFit_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("words");
    QTest::newRow("text in a count")
        << "insert into tblRooms ([GuestName],[NoOfRooms]) values ('a','two')"
        << "invalid input syntax for type integer: \"two\"";
    QTest::newRow("bare word in a count")
        << "insert into tblRooms ([GuestName],[NoOfRooms]) values ('a',two)"
        << "column \"two\" does not exist";
    QTest::newRow("impossible date")
        << "insert into tblRooms ([GuestName],[CheckInDate]) values ('a',#02/30/2024#)"
        << "date/time field value out of range: \"2024-02-30\"";
    QTest::newRow("empty id") << "delete from tblRooms where id="
                              << "syntax error at end of input";
    QTest::newRow("a second statement")
        << "insert into tblRooms ([GuestName]) values ('a'); delete from tblRooms"
        << "cannot insert multiple commands into a prepared statement";
}

void TestServerConnection::serverRejectsWhatDoesNotFit() {
    QFETCH(QString, statement);
    QFETCH(QString, words);
    ServerDatabase db("reject");
    Connection c("reject");
    c.open(db.url());
    QCOMPARE(failureOf([&] { c.execute(statement); }), words);
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("0"));
    // A result set only reads.
    c.execute(statements::insert(sampleGuest("Kept", {2024, 1, 1}, {2024, 1, 2})));
    ResultSet rs;
    QVERIFY(!failureOf([&] { rs.open(statements::deleteById("1"), c); }).isEmpty());
    QCOMPARE(rs.state(), 0);
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("1"));
}

void TestServerConnection::idsAreNeverReused() {
    ServerDatabase db("ids");
    Connection c("ids");
    c.open(db.url());
    const GuestValues v = sampleGuest("A", QDate(2024, 1, 1), QDate(2024, 1, 2));
    c.execute(statements::insert(v));
    c.execute(statements::insert(v));
    QCOMPARE(c.execute(statements::deleteById("2")), 1);
    c.close();
    c.open(db.url());
    c.execute(statements::insert(v));
    QCOMPARE(db.value("select string_agg(id::text, ',' order by id) from tblRooms"),
             QStringLiteral("1,3"));
    QCOMPARE(c.execute(statements::deleteById("99")), 0);
}

void TestServerConnection::nullReadsAsEmptyText() {
    ServerDatabase db("nulls");
    Connection c("nulls");
    c.open(db.url());
    db.exec("insert into tblRooms (GuestName) values ('Only a name')");
    ResultSet rs;
    rs.open(statements::selectById("1"), c);
    QVERIFY(rs.isNull("PhoneNumber"));
    QVERIFY(!rs.isNull("GuestName"));
    QCOMPARE(rs.text("PhoneNumber"), QString());
    QCOMPARE(rs.text("NoOfRooms"), QString());
    QCOMPARE(rs.state(), 1);
    QCOMPARE(failureOf([&] { rs.text("NoSuchColumn"); }),
             QStringLiteral("Item cannot be found in the collection corresponding to the "
                            "requested name or ordinal."));
    rs.close();
    QCOMPARE(rs.state(), 0);
}

void TestServerConnection::guestNamesFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("order");
    QTest::newRow("root") << "C" << QString::fromUtf8("adam,Åsa,Bert,Zoe,zoë");
    // Swedish has Å after Z.
    QTest::newRow("swedish") << "sv_SE.UTF-8" << QString::fromUtf8("adam,Bert,Zoe,zoë,Åsa");
}

void TestServerConnection::guestNamesFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, order);
    ServerDatabase db("names");
    ServerLink link;
    link.open(db.url(), collationLanguageOf(language));
    for (const QString& name : QString::fromUtf8("zoë,Bert,Åsa,Zoe,adam").split(','))
        link.execute(statements::insert(sampleGuest(name, {2024, 1, 1}, {2024, 1, 2})));
    QStringList names;
    ServerCursor cursor;
    cursor.open(statements::selectAll(), link);
    for (; !cursor.eof(); cursor.moveNext())
        names << QString::fromUtf8(cursor.text(cursor.columnOf("GuestName")));
    QCOMPARE(names.join(','), order);
}

void TestServerConnection::unreachableServerIsReportedInItsWords() {
    ServerDatabase db("absent");
    Connection c("absent");
    // A database that does not exist on a running server, and a port where none listens.
    QString url = db.url();
    url.replace("/t_absent_", "/no_such_");
    const QString missing = failureOf([&] { c.open(url); });
    QVERIFY2(missing.contains("database \"no_such_"), qPrintable(missing));
    QCOMPARE(c.state(), 0);
    const QString refused =
        failureOf([&] { c.open("postgresql://corvanna@127.0.0.1:1/postgres?connect_timeout=2"); });
    QVERIFY2(refused.contains("Connection refused"), qPrintable(refused));
    QCOMPARE(failureOf([&] { c.execute(statements::deleteById("1")); }),
             QStringLiteral("Operation is not allowed when the object is closed."));
}

// libpq's list of hosts: the first one down (nothing listens on its port), the writable second
// one serves the desk.
void TestServerConnection::secondHostTakesOverFromADeadFirst() {
    ServerDatabase db("failover");
    const QUrl url(db.url());
    const QString target =
        QStringLiteral("postgresql://%1@%2:1,%2:%3%4?target_session_attrs=read-write")
            .arg(url.userName(), url.host(), QString::number(url.port()), url.path());
    Connection c("failover");
    c.open(target);
    QCOMPARE(c.execute(statements::insert(sampleGuest("Standby", {2024, 1, 1}, {2024, 1, 2}))), 1);
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("1"));
}

void TestServerConnection::droppedSessionIsTakenUpByTheNextCommand() {
    ServerDatabase db("dropped");
    Connection c("dropped");
    c.open(db.url());
    const GuestValues v = sampleGuest("Once", QDate(2024, 1, 1), QDate(2024, 1, 2));
    db.exec("select pg_terminate_backend(pid) from pg_stat_activity "
            "where application_name = 'Corvanna' and datname = current_database()");
    // The command that meets the dropped session fails with the server's words; nothing is sent
    // again behind the desk's back, and the next command finds a new session.
    QVERIFY(!failureOf([&] { c.execute(statements::insert(v)); }).isEmpty());
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("0"));
    QCOMPARE(c.execute(statements::insert(v)), 1);
    QCOMPARE(db.value("select count(*) from tblRooms"), QStringLiteral("1"));
    ResultSet rs;
    rs.open(statements::selectAll(), c);
    QCOMPARE(rs.text("GuestName"), QStringLiteral("Once"));
}

void TestServerConnection::otherDesksChangesAreNoticed() {
    ServerDatabase db("notices");
    ServerLink desk1;
    ServerLink desk2;
    desk1.open(db.url());
    desk2.open(db.url());
    desk1.execute(statements::insert(sampleGuest("A", QDate(2024, 1, 1), QDate(2024, 1, 2))));
    QElapsedTimer timer;
    timer.start();
    bool noticed = false;
    while (!noticed && timer.elapsed() < 2000) {
        noticed = desk2.takeChangeNotices();
        if (!noticed) QThread::msleep(20);
    }
    QVERIFY2(noticed, "the other desk's save must reach this desk within 2 seconds");
    QVERIFY2(!desk1.takeChangeNotices(), "a desk's own save is no news to it");
}

void TestServerConnection::copyIsReadAtMostOnceAnInterval_data() {
    // Changes seen at these times (ms); a read takes 5 s; the schedule asked every 100 ms.
    QTest::addColumn<QList<int>>("changes");
    QTest::addColumn<QList<int>>("reads");
    QTest::newRow("start only") << QList<int>{} << QList<int>{0};
    QTest::newRow("during the first read") << QList<int>{2000} << QList<int>{0, 60000};
    QTest::newRow("a storm of saves")
        << QList<int>{1000, 1100, 30000, 61000, 62000} << QList<int>{0, 60000, 120000};
    QTest::newRow("a quiet while, then one") << QList<int>{90000} << QList<int>{0, 90000};
}

void TestServerConnection::copyIsReadAtMostOnceAnInterval() {
    QFETCH(QList<int>, changes);
    QFETCH(QList<int>, reads);
    constexpr int kReadMs = 5000;
    RefreshSchedule schedule(60000);
    QList<int> begun;
    for (int now = 0; now <= 200000; now += 100) {
        if (changes.contains(now)) schedule.changed();
        const bool underWay = !begun.isEmpty() && now < begun.last() + kReadMs;
        if (schedule.begin(now, underWay)) begun << now;
    }
    QCOMPARE(begun, reads);
}

namespace {
QStringList copiedNames(const QString& path) {
    return queryColumn(path, QStringLiteral("select GuestName from tblRooms order by 1"));
}
} // namespace

void TestServerConnection::stopCancelsACopyReadUnderWay() {
    ServerDatabase db("copystop");
    TempPlaces places;
    QVERIFY(QDir().mkpath(places.places.dataFolder()));
    const QString copy = places.places.dataFolder() + "/server-copy.mdb";
    Connection c("copystop");
    c.open(db.url());
    c.execute(statements::insert(sampleGuest("Before", {2024, 1, 1}, {2024, 1, 2})));
    QVERIFY(writeLocalCopy(c.server()->reach(), places.places.shippedDatabase(), copy));
    // The next read of the reservations takes a minute on the server.
    db.exec("insert into tblRooms (GuestName) values ('After'); "
            "alter table tblRooms rename to tblRoomsKept; "
            "create view tblRooms as select k.* from tblRoomsKept k, pg_sleep(60)");
    const QString sleeping = "select count(*) from pg_stat_activity where wait_event = 'PgSleep' "
                             "and datname = current_database()";
    {
        LocalCopyKeeper keeper(copy, places.places.shippedDatabase());
        keeper.tick(c); // the read after the start
        QTRY_COMPARE(db.value(sleeping), "1");
        keeper.stop();
        QCOMPARE(QDir(places.places.dataFolder()).entryList({"server-copy.mdb.*"}, QDir::Files),
                 QStringList());
    }
    QCOMPARE(copiedNames(copy), QStringList{"Before"}); // the copy before, whole
    QTRY_COMPARE(db.value(sleeping), "0");              // and the server's read cancelled
}

void TestServerConnection::leftoversOfKilledCopyReadsAreRemoved() {
    TempPlaces places;
    const QString copy = places.places.dataFolder() + "/server-copy.mdb";
    QVERIFY(QDir().mkpath(places.places.dataFolder()));
    const QString killed = copy + ".4000001.new";
    const QString running = copy + ".4000002.new";
    for (const QString& path : {killed, running, copy}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // A read of another program, under way: it holds its file locked.
    const int held = ::open(QFile::encodeName(running).constData(), O_RDONLY);
    QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
    { LocalCopyKeeper keeper(copy, places.places.shippedDatabase()); }
    ::close(held);
    QVERIFY(!QFile::exists(killed));
    QVERIFY(QFile::exists(running));
    QVERIFY(QFile::exists(copy));
}

QTEST_GUILESS_MAIN(TestServerConnection)
#include "tst_serverconnection.moc"
