// The stay on both engines: a unit never holds two stays on one night, also when two desks try
// at once; a move keeps the nights before; cancel and no-show free their nights; undo restores
// the stay exactly; the classic delete leaves no stay rows behind; the room chart's layout.
#include "base/failure.h"
#include "base/report.h"
#include "editor/availability.h"
#include "editor/roomchart.h"
#include "list/dayviewfill.h"
#include "list/listfill.h"
#include "list/reservationmodel.h"
#include "store/connection.h"
#include "store/inventory.h"
#include "store/schemahistory.h"
#include "store/statements.h"
#include "store/stays.h"
#include "tests/common/servertestsupport.h"
#include "tests/common/testsupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <fcntl.h>
#include <latch>
#include <linux/fs.h>
#include <memory>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

using namespace corvanna;
using namespace corvanna::test;

namespace {

const QDate kDay(2026, 5, 10);

// A database of the newest schema on the engine under test.
class Database {
public:
    Database() {
        if (onTestServer()) {
            m_server = std::make_unique<ServerDatabase>(QStringLiteral("stays"));
        } else {
            m_file = m_places.path(QStringLiteral("stays.mdb"));
            createDatabase(m_file);
        }
        m_desk.open(target());
        upgradeSchema(m_desk);
    }
    QString target() const {
        return m_server ? m_server->url()
                        : QStringLiteral("provider=microsoft.jet.oledb.4.0;data source=") + m_file;
    }
    Connection& desk() { return m_desk; }
    QString value(const QString& sql) const {
        return m_server ? m_server->value(sql) : queryValue(m_file, sql);
    }
    // A reservation of a room from `in` to `out` (days from kDay); returns its id.
    qint64 reserve(const QString& guest, int in, int out) {
        m_desk.execute(statements::insert(sampleGuest(guest, kDay.addDays(in), kDay.addDays(out))));
        return value(QStringLiteral("select max(id) from tblRooms")).toLongLong();
    }
    qint64 unit(const QString& name) {
        return addUnit(m_desk,
                       {0, name, QStringLiteral("Room"), QStringLiteral("Single"), {}, true});
    }
    // Everything stored about a reservation's stay, as text.
    QString stored(qint64 id) const {
        const QString n = QString::number(id);
        return m_server
                   ? value(
                         "select concat((select s::text from tblStays s where ReservationId=" + n +
                         "), '/', (select string_agg(u::text, ';' order by FromNight) from "
                         "tblStayUnits u where ReservationId=" +
                         n + "))")
                   : value("select ifnull((select quote(Status) || quote(CancelReason) || "
                           "quote(CheckedInAt) || quote(CheckedOutAt) from tblStays where "
                           "ReservationId=" +
                           n +
                           "), '') || '/' || ifnull((select "
                           "group_concat(UnitId || ':' || FromNight || ':' || ToNight, ';') "
                           "from (select * from tblStayUnits where ReservationId=" +
                           n + " order by FromNight)), '')");
    }

private:
    TempPlaces m_places;
    QString m_file;
    std::unique_ptr<ServerDatabase> m_server;
    Connection m_desk{QStringLiteral("stays")};
};

// A file this process cannot write while the object lives.
struct ReadOnlyFile {
    QByteArray path;
    bool holds = false;
    explicit ReadOnlyFile(const QString& file)
        : path(file.toLocal8Bit()) {
        if (::geteuid() != 0) QFile::setPermissions(file, QFile::ReadOwner);
        setImmutable(true);
        const int fd = ::open(path.constData(), O_WRONLY);
        holds = fd < 0;
        if (fd >= 0) ::close(fd);
    }
    ~ReadOnlyFile() { setImmutable(false); }
    void setImmutable(bool on) const {
        if (::geteuid() != 0) return;
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        if (fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0) ::close(fd);
    }
};

QString describe(const std::optional<UnitTaken>& t) {
    return t ? QStringLiteral("%1 on %2").arg(t->otherGuest, t->night.toString(Qt::ISODate))
             : QStringLiteral("free");
}

} // namespace

class TestStays : public QObject {
    Q_OBJECT
private slots:
    void aUnitHoldsOneStayANight_data();
    void aUnitHoldsOneStayANight();
    void twoDesksAssigningOneUnitAtOnce();
    void aMoveKeepsTheNightsBefore();
    void cancelAndNoShowFreeTheirNights_data();
    void cancelAndNoShowFreeTheirNights();
    void undoRestoresTheStayExactly_data();
    void undoRestoresTheStayExactly();
    void theClassicDeleteTakesTheStay();
    void theChartMatchesACountNightByNight();
    void theChartReadMatchesItsLayout();
    void dayViewsFollowTheStatus();
    void capacityFollowsTheUnits();
    void aReadOnlyOlderFileStillShowsTheDayViews_data();
    void aReadOnlyOlderFileStillShowsTheDayViews();
};

void TestStays::aUnitHoldsOneStayANight_data() {
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::addColumn<QString>("answer");
    // Ada holds the unit for the nights 10 to 12 (leaves on the 13th).
    QTest::newRow("arrives the day Ada leaves") << 3 << 5 << "free";
    QTest::newRow("leaves the day Ada arrives") << -2 << 0 << "free";
    QTest::newRow("same-day stay on Ada's departure day") << 3 << 3 << "free";
    QTest::newRow("overlaps Ada's last night") << 2 << 4 << "Ada on 2026-05-12";
    QTest::newRow("overlaps Ada's first night") << -2 << 1 << "Ada on 2026-05-10";
    QTest::newRow("same-day stay on Ada's arrival day") << 0 << 0 << "Ada on 2026-05-10";
    QTest::newRow("encloses Ada's stay") << -1 << 5 << "Ada on 2026-05-10";
}

void TestStays::aUnitHoldsOneStayANight() {
    QFETCH(int, in);
    QFETCH(int, out);
    QFETCH(QString, answer);
    Database db;
    const qint64 unit = db.unit(QStringLiteral("12"));
    const qint64 ada = db.reserve(QStringLiteral("Ada"), 0, 3);
    QCOMPARE(describe(assignUnit(db.desk(), ada, unit)), QStringLiteral("free"));
    const qint64 bea = db.reserve(QStringLiteral("Bea"), in, out);
    const std::optional<UnitTaken> taken = checkIn(db.desk(), bea, unit, QStringLiteral("desk"));
    QCOMPARE(describe(taken), answer);
    if (taken) {
        QCOMPARE(taken->otherReservation, ada);
        QVERIFY(readStatuses(db.desk(), {bea}).empty()); // refused: nothing changed
    }
    QCOMPARE(freeUnits(db.desk(), QStringLiteral("Room"), QStringLiteral("Single"),
                       kDay.addDays(in), kDay.addDays(out))
                 .size(),
             size_t(0));
}

void TestStays::twoDesksAssigningOneUnitAtOnce() {
    Database db;
    const qint64 unit = db.unit(QStringLiteral("Garden Wing"));
    const qint64 ids[] = {db.reserve(QStringLiteral("Ada"), 0, 4),
                          db.reserve(QStringLiteral("Bea"), 2, 6)};
    std::optional<UnitTaken> answers[2];
    QString failures[2];
    std::latch ready(2);
    // Each desk is a connection of its own, made on its own thread.
    auto desk = [&](int i) {
        try {
            Connection c(QStringLiteral("desk%1").arg(i));
            c.open(db.target());
            ready.arrive_and_wait();
            answers[i] = assignUnit(c, ids[i], unit);
        } catch (const Failure& f) {
            failures[i] = f.description();
        }
    };
    std::thread first(desk, 0), second(desk, 1);
    first.join();
    second.join();
    QCOMPARE(failures[0] + failures[1], QString());
    QCOMPARE(int(bool(answers[0])) + int(bool(answers[1])), 1);
    const int loser = answers[0] ? 0 : 1;
    QCOMPARE(answers[loser]->otherReservation, ids[1 - loser]);
    QCOMPARE(answers[loser]->otherGuest, loser ? QStringLiteral("Ada") : QStringLiteral("Bea"));
    QCOMPARE(answers[loser]->night, kDay.addDays(2));
    QCOMPARE(readStay(db.desk(), ids[loser]).spans.size(), size_t(0));
}

void TestStays::aMoveKeepsTheNightsBefore() {
    Database db;
    const qint64 a = db.unit(QStringLiteral("12")), b = db.unit(QStringLiteral("14"));
    const qint64 ada = db.reserve(QStringLiteral("Ada"), 0, 5);
    QVERIFY(!checkIn(db.desk(), ada, a, QStringLiteral("desk")));
    QVERIFY(!assignUnit(db.desk(), ada, b, kDay.addDays(2)));
    const std::vector<UnitSpan> expected{{a, kDay, kDay.addDays(2)},
                                         {b, kDay.addDays(2), kDay.addDays(5)}};
    QCOMPARE(readStay(db.desk(), ada).spans, expected);
    // Unit 12 is free from the move's night on.
    const qint64 bea = db.reserve(QStringLiteral("Bea"), 2, 4);
    QCOMPARE(describe(assignUnit(db.desk(), bea, a)), QStringLiteral("free"));
    const RoomChart chart = readRoomChart(db.desk(), kDay, 7);
    QCOMPARE(chart.bars.size(), size_t(3));
    QCOMPARE(chart.bars[0].columns + chart.bars[1].columns + chart.bars[2].columns, 7);
}

void TestStays::cancelAndNoShowFreeTheirNights_data() {
    QTest::addColumn<int>("how"); // 0, 1, 2: cancelled by guest, by hotel, no-show
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("reason");
    QTest::newRow("cancelled by the guest")
        << 0 << int(StayStatus::Cancelled) << int(CancelReason::ByGuest);
    QTest::newRow("cancelled by the hotel")
        << 1 << int(StayStatus::Cancelled) << int(CancelReason::ByHotel);
    QTest::newRow("no-show") << 2 << int(StayStatus::NoShow) << int(CancelReason::None);
}

void TestStays::cancelAndNoShowFreeTheirNights() {
    QFETCH(int, how);
    QFETCH(int, status);
    QFETCH(int, reason);
    Database db;
    const qint64 unit = db.unit(QStringLiteral("12"));
    const qint64 ada = db.reserve(QStringLiteral("Ada"), 0, 3);
    QVERIFY(!assignUnit(db.desk(), ada, unit));
    if (how == 2)
        markNoShow(db.desk(), ada, QStringLiteral("desk"));
    else
        cancel(db.desk(), ada, how ? CancelReason::ByHotel : CancelReason::ByGuest,
               QStringLiteral("desk"));
    const Stay stay = readStay(db.desk(), ada);
    QCOMPARE(int(stay.status), status);
    QCOMPARE(int(stay.reason), reason);
    QCOMPARE(readStatuses(db.desk(), {ada}).at(ada), StayStatus(status));
    // The reservation stays; its nights are free and it wants no unit on the chart.
    QCOMPARE(db.value(QStringLiteral("select count(*) from tblRooms")), QStringLiteral("1"));
    const qint64 bea = db.reserve(QStringLiteral("Bea"), 0, 3);
    QCOMPARE(describe(assignUnit(db.desk(), bea, unit)), QStringLiteral("free"));
    const RoomChart chart = readRoomChart(db.desk(), kDay, 3);
    QCOMPARE(chart.unassignedPerNight, (std::vector<int>{0, 0, 0}));
    QCOMPARE(chart.bars.size(), size_t(1));
}

void TestStays::undoRestoresTheStayExactly_data() {
    QTest::addColumn<bool>("checkOutToo");
    QTest::newRow("check-in") << false;
    QTest::newRow("check-out") << true;
}

void TestStays::undoRestoresTheStayExactly() {
    QFETCH(bool, checkOutToo);
    Database db;
    const qint64 unit = db.unit(QStringLiteral("12"));
    // The stay leaves early (it is booked well past today), so check-out frees nights.
    const QDate today = QDate::currentDate();
    db.desk().execute(statements::insert(
        sampleGuest(QStringLiteral("Ada"), today.addDays(-2), today.addDays(5))));
    const qint64 ada = db.value(QStringLiteral("select max(id) from tblRooms")).toLongLong();
    QVERIFY(!canUndo(db.desk(), ada));
    const QString expected = db.stored(ada);
    QVERIFY(!checkIn(db.desk(), ada, unit, QStringLiteral("desk")));
    const QString inHouse = db.stored(ada);
    if (checkOutToo) {
        checkOut(db.desk(), ada, QStringLiteral("desk"));
        QCOMPARE(readStay(db.desk(), ada).spans.back().to, today);
        QVERIFY(canUndo(db.desk(), ada));
        undoLast(db.desk(), ada);
        QCOMPARE(db.stored(ada), inHouse);
    }
    QVERIFY(canUndo(db.desk(), ada));
    undoLast(db.desk(), ada);
    QCOMPARE(db.stored(ada), expected);
    QVERIFY(!canUndo(db.desk(), ada));
}

void TestStays::theClassicDeleteTakesTheStay() {
    Database db;
    const qint64 unit = db.unit(QStringLiteral("12"));
    const qint64 ada = db.reserve(QStringLiteral("Ada"), 0, 3);
    QVERIFY(!checkIn(db.desk(), ada, unit, QStringLiteral("desk")));
    db.desk().execute(statements::deleteById(QString::number(ada)));
    QCOMPARE(db.value(QStringLiteral("select (select count(*) from tblStays) + (select count(*) "
                                     "from tblStayUnits) + (select count(*) from tblStayEvents)")),
             QStringLiteral("0"));
    // The unit is free again, and may now go.
    removeUnit(db.desk(), unit);
    QVERIFY(readUnits(db.desk()).empty());
}

void TestStays::theChartMatchesACountNightByNight() {
    if (onTestServer()) QSKIP("The layout reads no database.");
    constexpr int kUnits = 20, kStays = 3000, kNights = 31;
    QRandomGenerator random(7);
    std::vector<Unit> units;
    for (int i = 0; i < kUnits; ++i)
        units.push_back({100 + i,
                         QString::number(i),
                         QStringLiteral("Room"),
                         QStringLiteral("Single"),
                         {},
                         true});
    std::vector<Stay> stays;
    for (int i = 0; i < kStays; ++i) {
        Stay s;
        s.reservationId = i + 1;
        s.checkIn = kDay.addDays(random.bounded(-20, 40));
        s.checkOut = s.checkIn.addDays(random.bounded(0, 12));
        s.rooms = random.bounded(0, 3);
        s.status = StayStatus(random.bounded(5));
        // Up to two spans on any unit (one unknown to the chart), within the stay's nights.
        const QDate end = s.checkIn == s.checkOut ? s.checkIn.addDays(1) : s.checkOut;
        QDate from = s.checkIn.addDays(random.bounded(0, 2));
        while (from < end && s.spans.size() < 2 && random.bounded(3)) {
            const QDate to = std::min(end, from.addDays(random.bounded(1, 6)));
            s.spans.push_back({100 + random.bounded(kUnits + 1), from, to});
            from = to;
        }
        stays.push_back(s);
    }
    const RoomChart chart = layOutRoomChart(units, stays, kDay, kNights);
    // Night by night: which reservations each unit's row shows, and the rooms still wanted.
    std::vector<std::vector<qint64>> shown(kUnits * kNights), counted(kUnits * kNights);
    for (const ChartBar& bar : chart.bars)
        for (int c = bar.firstColumn; c < bar.firstColumn + bar.columns; ++c)
            shown[size_t(bar.unitRow * kNights + c)].push_back(bar.reservationId);
    std::vector<int> wanted(kNights, 0);
    for (const Stay& s : stays) {
        if (s.status == StayStatus::Cancelled || s.status == StayStatus::NoShow) continue;
        for (int c = 0; c < kNights; ++c) {
            const QDate night = kDay.addDays(c);
            const bool takes = s.checkIn == s.checkOut ? night == s.checkIn
                                                       : s.checkIn <= night && night < s.checkOut;
            if (!takes) continue;
            int held = 0;
            for (const UnitSpan& span : s.spans) {
                if (span.from > night || span.to <= night) continue;
                ++held;
                if (span.unitId - 100 < kUnits)
                    counted[size_t((span.unitId - 100) * kNights + c)].push_back(s.reservationId);
            }
            if (s.status != StayStatus::CheckedOut)
                wanted[size_t(c)] += std::max<int>(0, int(s.rooms) - held);
        }
    }
    QVERIFY(shown == counted);
    QCOMPARE(chart.unassignedPerNight, wanted);
}

void TestStays::theChartReadMatchesItsLayout() {
    Database db;
    std::vector<qint64> units;
    for (int i = 0; i < 4; ++i)
        units.push_back(db.unit(QString::number(10 + i)));
    QRandomGenerator random(11);
    for (int i = 0; i < 40; ++i) {
        // Now and then ids far apart, with stay rows between them outside the chart's nights.
        for (int far = random.bounded(4) ? 0 : 20; far > 0; --far)
            if (const qint64 away = db.reserve(QStringLiteral("Away"), 400, 401); far % 3 == 0)
                cancel(db.desk(), away, CancelReason::ByHotel, QStringLiteral("desk"));
        const int in = random.bounded(-8, 20), nights = random.bounded(0, 6);
        const qint64 id = db.reserve(QStringLiteral("Guest %1").arg(i), in, in + nights);
        if (random.bounded(3)) assignUnit(db.desk(), id, units[size_t(random.bounded(4))]);
        if (nights > 1 && random.bounded(3) == 0)
            assignUnit(db.desk(), id, units[size_t(random.bounded(4))], kDay.addDays(in + 1));
        if (random.bounded(5) == 0)
            cancel(db.desk(), id, CancelReason::ByGuest, QStringLiteral("desk"));
        else if (random.bounded(5) == 0)
            markNoShow(db.desk(), id, QStringLiteral("desk"));
        else if (random.bounded(3) == 0 && !checkIn(db.desk(), id, {}, QStringLiteral("desk")) &&
                 random.bounded(2))
            checkOut(db.desk(), id, QStringLiteral("desk"));
    }
    const auto sorted = [](RoomChart chart) {
        const auto key = [](const ChartBar& b) {
            return std::tuple(b.reservationId, b.unitRow, b.firstColumn, b.columns, b.guestName,
                              int(b.status), b.startsBefore, b.endsAfter);
        };
        std::sort(chart.bars.begin(), chart.bars.end(),
                  [&](const ChartBar& a, const ChartBar& b) { return key(a) < key(b); });
        std::vector<decltype(key(ChartBar()))> bars;
        for (const ChartBar& b : chart.bars)
            bars.push_back(key(b));
        // The stays without a unit with what the chart's window lists of them.
        std::vector<std::tuple<qint64, QString, QString, QString, QDate, QDate>> waiting;
        for (const WaitingStay& s : chart.unassigned)
            waiting.emplace_back(s.reservationId, chart.guestName(s), chart.kind(s), chart.type(s),
                                 s.checkIn, s.checkOut);
        std::sort(waiting.begin(), waiting.end(),
                  [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
        return std::tuple(bars, waiting, chart.unassignedPerNight);
    };
    const QDate first = kDay.addDays(2);
    const RoomChart read = readRoomChart(db.desk(), first, 10);
    QVERIFY(!read.bars.empty());
    QVERIFY(sorted(read) == sorted(layOutRoomChart(
                                readUnits(db.desk()),
                                readStaysBetween(db.desk(), first, first.addDays(9)), first, 10)));
}

void TestStays::dayViewsFollowTheStatus() {
    Database db;
    const QDate today = QDate::currentDate();
    auto reserve = [&](const char* guest, int in, int out) {
        db.desk().execute(statements::insert(
            sampleGuest(QString::fromLatin1(guest), today.addDays(in), today.addDays(out))));
        return db.value(QStringLiteral("select max(id) from tblRooms")).toLongLong();
    };
    const qint64 ada = reserve("Ada", 0, 2), bea = reserve("Bea", 0, 2);
    reserve("Cal", 0, 1);
    const qint64 dan = reserve("Dan", -1, 1);
    ReservationModel model;
    model.setGuestNameOrder(true);
    ScriptedDialogs dialogs;
    auto names = [&](DayView view, const QDate& day) {
        Procedure proc(dialogs, QStringLiteral("DayView.Refresh"));
        fillDayView(proc, model, &db.desk(), view, day, [](int) {});
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.cellText(r, ReservationModel::GuestName);
        return out.join(QLatin1Char(','));
    };
    // No one checked in yet: the rows and order of the views before the stays.
    QCOMPARE(names(DayView::InTheHouse, today), QStringLiteral("Ada,Bea,Cal,Dan"));
    QVERIFY(!checkIn(db.desk(), bea, std::nullopt, QStringLiteral("desk")));
    QVERIFY(!checkIn(db.desk(), dan, std::nullopt, QStringLiteral("desk")));
    cancel(db.desk(), ada, CancelReason::ByGuest, QStringLiteral("desk"));
    QCOMPARE(names(DayView::Arrivals, today), QStringLiteral("Cal,Ada,Bea"));
    QCOMPARE(names(DayView::InTheHouse, today), QStringLiteral("Bea,Dan"));
    checkOut(db.desk(), dan, QStringLiteral("desk"));
    QCOMPARE(names(DayView::InTheHouse, today), QStringLiteral("Bea"));
    QCOMPARE(names(DayView::Departures, today.addDays(1)), QStringLiteral("Cal,Dan"));
    QCOMPARE(dialogs.texts(), QStringList());
}

void TestStays::capacityFollowsTheUnits() {
    Database db;
    writeInventory(db.desk(), {{QStringLiteral("Room"), QStringLiteral("Single"), 5}});
    db.unit(QStringLiteral("12"));
    db.unit(QStringLiteral("14"));
    addUnit(db.desk(), {0, QStringLiteral("16"), QStringLiteral("Room"), QStringLiteral("Single"),
                        QStringLiteral("1st floor"), false});
    QCOMPARE(typeCapacity(db.desk(), QStringLiteral("Room"), QStringLiteral("Single")), 2);
    const std::vector<CapacityDifference> differences = capacityDifferences(db.desk());
    QCOMPARE(differences.size(), size_t(1));
    QCOMPARE(differences[0].counted, 5);
    QCOMPARE(differences[0].units, 2);
    // Two stays of two rooms on a night, one cancelled: the other takes both units in service.
    const qint64 ada = db.reserve(QStringLiteral("Ada"), 0, 1);
    db.reserve(QStringLiteral("Bea"), 0, 1);
    db.desk().execute(QStringLiteral("update tblRooms set NoOfRooms=2"));
    cancel(db.desk(), ada, CancelReason::ByHotel, QStringLiteral("desk"));
    const ChartRow row = readAvailabilityChart(db.desk(), kDay, 1)[0];
    QCOMPARE(row.type, QStringLiteral("Single"));
    QCOMPARE(row.freeOn(0), 0);
    // The desk keeps the older count: shown once, then the type's capacity again.
    settleCapacity(db.desk(), QStringLiteral("Room"), QStringLiteral("Single"), false);
    QVERIFY(capacityDifferences(db.desk()).empty());
    QCOMPARE(readAvailabilityChart(db.desk(), kDay, 1)[0].freeOn(0), 3);
}

void TestStays::aReadOnlyOlderFileStillShowsTheDayViews_data() {
    QTest::addColumn<bool>("withStays");
    QTest::newRow("before the stay") << false;
    QTest::newRow("with the stay, before the held nights' index") << true;
}

void TestStays::aReadOnlyOlderFileStillShowsTheDayViews() {
    QFETCH(bool, withStays);
    if (onTestServer()) QSKIP("A file's permission.");
    TempPlaces places;
    const QString file = places.path(QStringLiteral("older.mdb"));
    createDatabase(file);
    if (withStays)
        execOn(file, "drop index idxStayUnitsHeld; create index idxStayUnitsNight on "
                     "tblStayUnits (FromNight, ToNight); pragma user_version = 3");
    else
        execOn(file,
               "drop table tblUnits; drop table tblStays; drop table tblStayUnits; drop table "
               "tblStayEvents; drop table tblCapacity; drop trigger trgRoomsDeleteStay; drop "
               "trigger trgRoomsStayNights; pragma user_version = 2");
    // A same-day stay: an arrival, in the house and a departure on its day.
    execOn(file, "insert into tblRooms (GuestName, NoOfRooms, CheckInDate, CheckOutDate) values "
                 "('Ada', 1, '2026-05-10', '2026-05-10')");
    // Modes stop an ordinary user; root needs the file system's immutable flag.
    const ReadOnlyFile readOnly(file);
    if (!readOnly.holds) QSKIP("this file system lets this user write the file");
    Connection c(QStringLiteral("older"));
    c.open(QStringLiteral("data source=") + file);
    // Its inventory works as before; only what it lacks is missing.
    QCOMPARE(schemaUpgradeProblem(c), QString());
    QVERIFY(hasInventoryTable(c));
    QCOMPARE(hasStayTables(c), withStays);
    QCOMPARE(readRoomChart(c, kDay, 1).unassigned.size(), size_t(1));
    for (const DayViewEntry& entry : dayViewTable()) {
        ResultSet rows;
        rows.open(entry.statement, {kDay.toString(Qt::ISODate)}, c);
        QCOMPARE(rows.text("GuestName"), QStringLiteral("Ada"));
    }
    QCOMPARE(readStaysBetween(c, kDay, kDay).size(), size_t(1));
}

QTEST_GUILESS_MAIN(TestStays)
#include "tst_stays.moc"
