// The schema history on both engines: every older generation of the database brought to the
// newest step with its reservations untouched, a step that fails or is killed half way left at
// the step before, and a database from a newer program refused and unchanged.
#include "base/failure.h"
#include "store/connection.h"
#include "store/inventory.h"
#include "store/schemahistory.h"
#include "store/server/serverlink.h"
#include "store/stays.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <csignal>
#include <memory>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

// Reservations an older program may have left: quotes, accents, nulls, a reversed stay.
const char* const kOlderRows =
    "insert into tblRooms (GuestName, Accommodation, NoOfRooms, Type, CheckInDate, CheckOutDate, "
    "CreditCardNo, PhoneNumber, Address) values "
    "('O''Brien', 'Room', 1, 'Single', '2019-03-05', '2019-03-07', '0000 1234', '', 'NY'), "
    "('Łódź Ångström', 'Wing', 2, 'Royal', '2024-02-29', '2024-02-28', null, null, 'a\nb'), "
    "(null, null, null, null, null, null, null, null, null)";

// Today's program's additions on the server, as it made them before it kept a history. (The
// file of that generation is a fixture it made: tests/data/dbRooms-before-history.mdb.)
const char* const kServerInventory =
    "create table tblInventory (Kind text not null, Type text not null, Units bigint not null "
    "check (Units >= 0), primary key (Kind, Type));"
    "create index idxRoomsStayLength on tblRooms ((CheckOutDate - CheckInDate));"
    "insert into tblInventory values ('Room', 'Single', 4)";

// One database on the engine under test: a file in a temporary folder, or a database of its own
// on the tests' server.
class Database {
public:
    explicit Database(const QString& name) {
        if (onTestServer())
            m_server = std::make_unique<ServerDatabase>(name);
        else
            m_file = m_places.path(name + QStringLiteral(".mdb"));
    }
    QString target() const {
        return m_server ? m_server->url()
                        : QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + m_file +
                              QStringLiteral(";JET OLEDB:Database Password=");
    }
    bool onServer() const { return bool(m_server); }
    const QString& file() const { return m_file; }
    void exec(const QString& sql) const {
        if (m_server)
            m_server->exec(sql);
        else
            execOn(m_file, sql);
    }
    QString value(const QString& sql) const {
        return m_server ? m_server->value(sql) : queryValue(m_file, sql);
    }
    // Every reservation, every byte of it, in the id's order.
    QString rows() const {
        return value(m_server ? "select string_agg(t::text, '|' order by id) from tblRooms t"
                              : "select group_concat(r, '|') from (select quote(id) || "
                                "quote(GuestName) || quote(Accommodation) || quote(NoOfRooms) || "
                                "quote(Type) || quote(ServiceIncluded) || quote(NoOfPersons) || "
                                "quote(CheckInDate) || quote(CheckOutDate) || "
                                "quote(CreditCardType) || quote(CreditCardNo) || "
                                "quote(PhoneNumber) || quote(Address) as r "
                                "from tblRooms order by id)");
    }
    // What the database records as its version, or -1 when it records none.
    int recorded() const {
        if (!m_server) return queryValue(m_file, "PRAGMA user_version").toInt();
        if (value("select to_regclass('corvanna_schema') is null") == QLatin1String("t")) return -1;
        return value("select version from corvanna_schema").toInt();
    }
    // Makes the generation before the history: the reservation table alone, or
    // with the inventory today's program added.
    void makeOlder(bool withInventory) {
        if (m_server) {
            for (const QString& sql : serverSchema(QStringLiteral("und")))
                exec(sql);
            if (withInventory) exec(kServerInventory);
            exec(kOlderRows);
        } else {
            if (withInventory) {
                // Made by the program before the history: kOlderRows and one inventory entry.
                QVERIFY(QFile::copy(
                    QStringLiteral(CORVANNA_TEST_DATA "/dbRooms-before-history.mdb"), m_file));
                QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner);
            } else {
                // The reservation table alone, as the desk's first database held it.
                createDatabase(m_file);
                exec("drop table tblInventory; drop index idxRoomsStayLength; drop table tblUnits; "
                     "drop table tblStays; drop table tblStayUnits; drop table tblStayEvents; "
                     "drop table tblCapacity; drop trigger trgRoomsDeleteStay; "
                     "drop trigger trgRoomsStayNights; drop table tblGuests; "
                     "drop table tblStayGuests; drop table tblPrivacyRules; "
                     "drop table tblPrivacyLog; drop trigger trgRoomsDeleteGuests; "
                     "pragma user_version = 0");
                exec(kOlderRows);
            }
        }
    }
    QByteArray fileHash() const {
        QFile f(m_file);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

private:
    TempPlaces m_places;
    QString m_file;
    std::unique_ptr<ServerDatabase> m_server;
};

// The history with one more step, whose statements the test chooses.
std::vector<SchemaStep> withStep3(const QString& first, const QString& second) {
    std::vector<SchemaStep> steps = schemaHistory();
    steps.push_back({newestSchemaVersion() + 1, {first, second}, {first, second}});
    return steps;
}

} // namespace

class TestSchemaHistory : public QObject {
    Q_OBJECT
private slots:
    void everyGenerationIsBroughtToTheNewestStep_data();
    void everyGenerationIsBroughtToTheNewestStep();
    void aFailedStepLeavesTheStepBefore();
    void aKilledStepIsFinishedAtTheNextOpen();
    void aNewerDatabaseIsRefusedUnchanged();
    void theStaysGenerationKeepsItsStays();
    void anOlderGenerationGetsTheNameOrder();
};

void TestSchemaHistory::everyGenerationIsBroughtToTheNewestStep_data() {
    QTest::addColumn<bool>("withInventory");
    QTest::newRow("reservations alone") << false;
    QTest::newRow("with the inventory of the program before the history") << true;
}

void TestSchemaHistory::everyGenerationIsBroughtToTheNewestStep() {
    QFETCH(bool, withInventory);
    Database db(QStringLiteral("generation"));
    db.makeOlder(withInventory);
    const QString before = db.rows();
    QVERIFY(before.contains(QStringLiteral("Łódź Ångström")));
    {
        Connection c(QStringLiteral("generation"));
        c.open(db.target());
        QCOMPARE(schemaUpgradeProblem(c), QString());
        QVERIFY(hasInventoryTable(c));
        QVERIFY(hasStayTables(c));
        // Every reservation of the older database is an expected stay.
        QVERIFY(readStatuses(c, {1, 2, 3}).empty());
    }
    QCOMPARE(db.rows(), before);
    QCOMPARE(db.recorded(), newestSchemaVersion());
    // The inventory entered before is carried over.
    if (withInventory) QCOMPARE(db.value("select Units from tblInventory"), QStringLiteral("4"));
    // The next step of a later program applies on top of either.
    Connection c(QStringLiteral("later"));
    c.open(db.target());
    upgradeSchema(
        c, withStep3("create table tblLater (a integer)", "insert into tblLater values (7)"));
    QCOMPARE(db.recorded(), newestSchemaVersion() + 1);
    QCOMPARE(db.value("select a from tblLater"), QStringLiteral("7"));
    QCOMPARE(db.rows(), before);
}

void TestSchemaHistory::aFailedStepLeavesTheStepBefore() {
    Database db(QStringLiteral("failed"));
    db.makeOlder(false);
    Connection c(QStringLiteral("failed"));
    c.open(db.target());
    upgradeSchema(c);
    const QString failure = failureOf([&] {
        upgradeSchema(
            c, withStep3("create table tblHalf (a integer)", "insert into nowhere values (1)"));
    });
    QVERIFY2(failure.contains(QStringLiteral("nowhere")), qPrintable(failure));
    QCOMPARE(db.recorded(), newestSchemaVersion());
    QCOMPARE(db.value(db.onServer() ? "select to_regclass('tblhalf') is null"
                                    : "select count(*) = 0 from sqlite_master where "
                                      "name = 'tblHalf'"),
             db.onServer() ? QStringLiteral("t") : QStringLiteral("1"));
    // The connection goes on, and the mended step applies at the next try.
    upgradeSchema(c,
                  withStep3("create table tblHalf (a integer)", "insert into tblHalf values (1)"));
    QCOMPARE(db.recorded(), newestSchemaVersion() + 1);
}

void TestSchemaHistory::aKilledStepIsFinishedAtTheNextOpen() {
    if (onTestServer()) QSKIP("A killed session's transaction is the server's to roll back.");
    Database db(QStringLiteral("killed"));
    db.makeOlder(false);
    {
        Connection c(QStringLiteral("first"));
        c.open(db.target());
        upgradeSchema(c);
    }
    // A step long enough to be killed in the middle of its transaction.
    const auto slow = withStep3(
        "create table tblSlow as with recursive n(i) as (select 1 union all select i + 1 from n "
        "where i < 5000000) select i from n",
        "create table tblAfter (a integer)");
    const pid_t child = fork();
    if (child == 0) {
        Connection c(QStringLiteral("child"));
        c.open(db.target());
        upgradeSchema(c, slow);
        _exit(0);
    }
    // Killed once the new step is under way: its journal is there.
    const QString journal = db.file() + QStringLiteral("-journal");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(journal), 60000);
    QTest::qWait(200);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    QVERIFY(WIFSIGNALED(status));
    Connection c(QStringLiteral("next"));
    c.open(db.target());
    QCOMPARE(fileSchemaVersion(c.handle()), newestSchemaVersion());
    QCOMPARE(db.value("select count(*) from sqlite_master where name = 'tblSlow'"), "0");
    upgradeSchema(c, withStep3("create table tblSlow (i integer)", "create table tblAfter (a)"));
    QCOMPARE(db.recorded(), newestSchemaVersion() + 1);
}

void TestSchemaHistory::aNewerDatabaseIsRefusedUnchanged() {
    Database db(QStringLiteral("newer"));
    db.makeOlder(false);
    {
        Connection c(QStringLiteral("made"));
        c.open(db.target());
        upgradeSchema(c);
    }
    db.exec(db.onServer() ? "update corvanna_schema set version = 99" : "PRAGMA user_version = 99");
    const QString before = db.rows();
    const QByteArray bytes = db.fileHash();
    Connection c(QStringLiteral("newer"));
    QCOMPARE(failureOf([&] { c.open(db.target()); }),
             QStringLiteral("This database was written by a newer version of Corvanna (schema 99; "
                            "this version knows up to 9). It is left unchanged: use the newer "
                            "version."));
    QCOMPARE(c.state(), 0);
    QCOMPARE(db.rows(), before);
    QCOMPARE(db.recorded(), 99);
    if (!db.onServer()) QCOMPARE(db.fileHash(), bytes);
}

// A database of the stay's generation (step 3) gets the held nights' index with every stay row
// as it was; a stay row that says "expected" says what no row says, and goes.
void TestSchemaHistory::theStaysGenerationKeepsItsStays() {
    constexpr int kStaysStep = 3;
    Database db(QStringLiteral("stays"));
    db.makeOlder(false);
    for (const SchemaStep& step : schemaHistory())
        for (const QString& sql :
             step.number <= kStaysStep ? (db.onServer() ? step.server : step.file) : QStringList())
            db.exec(sql);
    db.exec(db.onServer() ? "create table corvanna_schema (one boolean primary key default true "
                            "check (one), version integer not null); insert into corvanna_schema "
                            "values (true, 3)"
                          : "pragma user_version = 3");
    db.exec("insert into tblUnits (Name, Kind, Type) values ('12', 'Room', 'Single');"
            "insert into tblStays (ReservationId, Status, CheckedInAt) values (1, 'in house', "
            "'2019-03-05T12:00:00.000Z');"
            "insert into tblStays (ReservationId, Status, CancelReason) values (2, 'cancelled', "
            "'by hotel');"
            "insert into tblStays (ReservationId, Status) values (3, 'expected');"
            "insert into tblStayUnits values (1, 1, '2019-03-05', '2019-03-07');"
            "insert into tblStayEvents (ReservationId, At, Desk, What, Before) values (1, "
            "'2019-03-05T12:00:00.000Z', 'desk', 'check-in', '|none||')");
    const QString stays =
        db.onServer() ? "select concat((select string_agg((s.ReservationId, s.Status, "
                        "s.CancelReason, s.CheckedInAt, s.CheckedOutAt)::text, ';' order by "
                        "ReservationId) from tblStays s where Status <> 'expected'), '/', (select "
                        "string_agg(u::text, ';') from tblStayUnits u), '/', (select "
                        "string_agg(e::text, ';') from tblStayEvents e))"
                      : "select (select group_concat(quote(ReservationId) || quote(Status) || "
                        "quote(CancelReason) || quote(CheckedInAt) || quote(CheckedOutAt), ';') "
                        "from tblStays where Status <> 'expected') || '/' || (select "
                        "group_concat(ReservationId || UnitId || FromNight || ToNight) from "
                        "tblStayUnits) || '/' || (select group_concat(id || At || Desk || What || "
                        "Before) from tblStayEvents)";
    const QString before = db.value(stays), rows = db.rows();
    Connection c(QStringLiteral("stays"));
    c.open(db.target());
    QCOMPARE(schemaUpgradeProblem(c), QString());
    QCOMPARE(db.recorded(), newestSchemaVersion());
    QCOMPARE(db.value(stays), before);
    QCOMPARE(db.rows(), rows);
    QCOMPARE(db.value("select count(*) from tblStays where Status = 'expected'"),
             QStringLiteral("0"));
    QCOMPARE(db.value(db.onServer() ? "select to_regclass('idxstayunitsheld') is not null and "
                                      "to_regclass('idxstayunitsnight') is null"
                                    : "select group_concat(name) from sqlite_master where name "
                                      "like 'idxStayUnits%'"),
             db.onServer() ? QStringLiteral("t")
                           : QStringLiteral("idxStayUnitsUnit,idxStayUnitsHeld"));
    const std::map<qint64, StayStatus> statuses{{1, StayStatus::InHouse},
                                                {2, StayStatus::Cancelled}};
    QCOMPARE(readStatuses(c, {1, 2, 3}), statuses);
    // The stay rows keep their arrival, and follow a reservation's new check-in date.
    QCOMPARE(stayRowsArrivingOn(c, QDate(2024, 2, 29)), std::vector<qint64>{2});
    db.exec("update tblRooms set CheckInDate = '2019-03-04' where id = 1");
    QCOMPARE(stayRowsArrivingOn(c, QDate(2019, 3, 4)), std::vector<qint64>{1});
    QVERIFY(stayRowsArrivingOn(c, QDate(2019, 3, 5)).empty());
}

// A database at the step before it gets the names' order index, its reservations untouched.
void TestSchemaHistory::anOlderGenerationGetsTheNameOrder() {
    Database db(QStringLiteral("stays"));
    if (db.onServer()) {
        Connection(QStringLiteral("make")).open(db.target());
        db.exec("drop index idxRoomsNameOrder; update corvanna_schema set version = 6");
    } else {
        createDatabase(db.file());
        db.exec("drop index idxRoomsNameOrder; drop index idxStaysArrival; drop trigger "
                "trgStaysArrival; drop trigger trgRoomsArrival; alter table tblStays drop column "
                "Arrival; pragma user_version = 6");
    }
    db.exec(kOlderRows);
    const QString hasIndex = db.onServer() ? "select count(*) from pg_indexes where indexname = "
                                             "'idxroomsnameorder'"
                                           : "select count(*) from sqlite_master where name = "
                                             "'idxRoomsNameOrder'";
    QCOMPARE(db.value(hasIndex), QStringLiteral("0"));
    const QString before = db.rows();
    {
        Connection c(QStringLiteral("stays"));
        c.open(db.target());
        QCOMPARE(schemaUpgradeProblem(c), QString());
    }
    QCOMPARE(db.value(hasIndex), QStringLiteral("1"));
    QCOMPARE(db.recorded(), newestSchemaVersion());
    QCOMPARE(db.rows(), before);
}

QTEST_GUILESS_MAIN(TestSchemaHistory)
#include "tst_schemahistory.moc"
