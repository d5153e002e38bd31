#include "inventory.h"

#include "base/failure.h"
#include "connection.h"
#include "ownquery.h"

#include <QVariant>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace corvanna {

namespace {

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// Our own statements on the inventory and the stays, the file's text beside the server's. The
// server compares texts by their bytes (collate "C") where the file's order is by bytes too; an
// empty earliest check-in reads from the first stay on both.
constexpr OwnStatement kLongestStay{
    "select max(julianday(CheckOutDate) - julianday(CheckInDate)) from tblRooms",
    "select max(CheckOutDate - CheckInDate) from tblRooms"};
constexpr OwnStatement kHasInventory{
    "select 1 from sqlite_master where type='table' and name='tblInventory'",
    "select 1 where to_regclass('tblinventory') is not null"};
constexpr OwnStatement kReadInventory{
    "select Kind, Type, Units from tblInventory order by Kind, Type",
    "select Kind, Type, Units from tblInventory order by Kind collate \"C\", Type collate \"C\""};
constexpr OwnStatement kInventoryUnits{"select Units from tblInventory where Kind=?1 and Type=?2",
                                       "select Units from tblInventory where Kind=$1 and Type=$2"};
constexpr OwnStatement kBeginInventory{"begin immediate", "begin"};
constexpr OwnStatement kClearInventory{"delete from tblInventory", "delete from tblInventory"};
constexpr OwnStatement kInsertInventory{
    "insert into tblInventory (Kind, Type, Units) values (?, ?, ?)",
    "insert into tblInventory (Kind, Type, Units) values ($1, $2, $3)"};
constexpr OwnStatement kCommit{"commit", "commit"};
constexpr OwnStatement kRollback{"rollback", "rollback"};
constexpr OwnStatement kStays{
    "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=?1 and CheckInDate<=?2 and CheckOutDate>=?3",
    "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and CheckInDate<=$2 and "
    "CheckOutDate>=$3"};
constexpr OwnStatement kStaysOfKind{
    "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=?1 and CheckInDate<=?2 and CheckOutDate>=?3 and Accommodation=?4 and Type=?5",
    "select id, Accommodation, Type, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and CheckInDate<=$2 and "
    "CheckOutDate>=$3 and Accommodation=$4 and Type=$5"};
// The same where the stay tables are there: cancelled and no-show stays take no night.
constexpr OwnStatement kActiveStays{
    "select r.id, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, r.CheckOutDate from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where r.CheckInDate>=?1 and "
    "r.CheckInDate<=?2 and r.CheckOutDate>=?3 and (s.Status is null or s.Status not in "
    "('cancelled', 'no-show'))",
    "select r.id, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, r.CheckOutDate from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and r.CheckInDate<=$2 and "
    "r.CheckOutDate>=$3 and (s.Status is null or s.Status not in ('cancelled', 'no-show'))"};
constexpr OwnStatement kActiveStaysOfKind{
    "select r.id, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, r.CheckOutDate from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where r.CheckInDate>=?1 and "
    "r.CheckInDate<=?2 and r.CheckOutDate>=?3 and r.Accommodation=?4 and r.Type=?5 and "
    "(s.Status is null or s.Status not in ('cancelled', 'no-show'))",
    "select r.id, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, r.CheckOutDate from "
    "tblRooms r left join tblStays s on s.ReservationId=r.id where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and r.CheckInDate<=$2 and "
    "r.CheckOutDate>=$3 and r.Accommodation=$4 and r.Type=$5 and (s.Status is null or s.Status "
    "not in ('cancelled', 'no-show'))"};
// The held nights on a unit of another kind or type than the stay's own, from ?2 to ?3 (spans
// lie within their stay's nights: none begins before ?1).
constexpr OwnStatement kHeldElsewhere{
    "select su.ReservationId, u.Kind, u.Type, su.FromNight, su.ToNight, r.Accommodation, r.Type "
    "from tblStayUnits su join tblUnits u on u.id=su.UnitId join tblRooms r on "
    "r.id=su.ReservationId where su.FromNight>=?1 and su.FromNight<=?2 and su.ToNight>?3 and "
    "(u.Kind<>r.Accommodation or u.Type<>r.Type or r.Accommodation is null or r.Type is null)",
    "select su.ReservationId, u.Kind, u.Type, su.FromNight, su.ToNight, r.Accommodation, r.Type "
    "from tblStayUnits su join tblUnits u on u.id=su.UnitId join tblRooms r on "
    "r.id=su.ReservationId where su.FromNight>=coalesce(nullif($1::text, '')::date, "
    "'-infinity') and su.FromNight<=$2::date and su.ToNight>$3::date and (u.Kind is distinct "
    "from r.Accommodation or u.Type is distinct from r.Type)"};
constexpr OwnStatement kHasStayTables{
    "select 1 from main.sqlite_master where type='table' and name='tblStays'",
    "select 1 from pg_class where oid=to_regclass('tblstays') and relpersistence<>'t'"};

constexpr OwnStatement kNightGuests{
    "select id, GuestName, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=?1 and CheckInDate<=?2 and CheckOutDate>=?2 and Accommodation=?3 and Type=?4 "
    "order by GuestName, id",
    "select id, GuestName, NoOfRooms, CheckInDate, CheckOutDate from tblRooms where "
    "CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and CheckInDate<=$2 and "
    "CheckOutDate>=$2 and Accommodation=$3 and Type=$4 order by GuestName, id"};

} // namespace

QString earliestReachingCheckIn(Connection& connection, const QDate& first) {
    Query longest(connection, kLongestStay);
    if (!longest.next() || longest.isNull(0)) return isoDate(first);
    const double days = std::ceil(std::max(0.0, longest.real(0)));
    const QDate from = days < 3.0e6 ? first.addDays(-qint64(days)) : QDate();
    // Beyond four-digit years every stored date lies after it: read from the first entry.
    return from.isValid() && from.year() >= 1000 ? isoDate(from) : QString();
}

bool coversNight(const QDate& checkIn, const QDate& checkOut, const QDate& night) {
    if (checkIn == checkOut) return night == checkIn;
    return checkIn <= night && night < checkOut;
}

bool hasInventoryTable(Connection& connection) {
    Query q(connection, kHasInventory);
    return q.next();
}

ShortBusyWait::ShortBusyWait(Connection& connection, int ms)
    : m_connection(connection) {
    m_connection.setLockWait(ms);
}

ShortBusyWait::~ShortBusyWait() {
    m_connection.setLockWait(Connection::kBusyTimeoutMs);
}

std::vector<InventoryEntry> readInventory(Connection& connection) {
    std::vector<InventoryEntry> entries;
    if (!hasInventoryTable(connection)) return entries;
    Query q(connection, kReadInventory);
    while (q.next())
        entries.push_back({q.text(0), q.text(1), q.integer(2)});
    return entries;
}

std::optional<qint64> inventoryUnits(Connection& connection, const QString& kind,
                                     const QString& type) {
    if (!hasInventoryTable(connection)) return std::nullopt;
    Query q(connection, kInventoryUnits, {kind, type});
    if (!q.next()) return std::nullopt;
    return q.integer(0);
}

void writeInventory(Connection& connection, const std::vector<InventoryEntry>& entries) {
    connection.execute(kBeginInventory);
    try {
        connection.execute(kClearInventory);
        for (const InventoryEntry& e : entries)
            connection.execute(kInsertInventory, {e.kind, e.type, e.units});
        connection.execute(kCommit);
    } catch (...) {
        try {
            connection.execute(kRollback);
        } catch (const Failure&) {
        }
        throw;
    }
}

std::vector<StayRow> readStays(Connection& connection, const QDate& first, const QDate& last,
                               const std::optional<std::pair<QString, QString>>& kindAndType) {
    const QString from = earliestReachingCheckIn(connection, first);
    QStringList values{from, isoDate(last), isoDate(first)};
    if (kindAndType) values << kindAndType->first << kindAndType->second;
    const bool withStays = Query(connection, kHasStayTables).next();
    const OwnStatement& statement = withStays ? (kindAndType ? kActiveStaysOfKind : kActiveStays)
                                              : (kindAndType ? kStaysOfKind : kStays);
    std::vector<StayRow> rows;
    std::vector<std::pair<QByteArray, QString>> kinds, types;
    {
        Query q(connection, statement, values);
        while (q.next()) {
            StayRow row{q.integer(0), q.pooled(1, kinds), q.pooled(2, types),
                        q.integer(3), q.date(4),          q.date(5)};
            // A stay without two readable dates takes no night.
            if (row.checkIn.isValid() && row.checkOut.isValid()) rows.push_back(std::move(row));
        }
    }
    if (!withStays) return rows;
    // Units held of another kind or type: mostly none.
    std::unordered_map<qint64, size_t> index;
    Query held(connection, kHeldElsewhere, values.mid(0, 3));
    while (held.next()) {
        if (index.empty())
            for (size_t i = 0; i < rows.size(); ++i)
                index.emplace(rows[i].id, i);
        StayRow::Elsewhere e{held.pooled(1, kinds), held.pooled(2, types), held.date(3),
                             held.date(4)};
        const bool ofKind =
            !kindAndType || (e.kind == kindAndType->first && e.type == kindAndType->second);
        const auto it = index.find(held.integer(0));
        if (it != index.end()) {
            rows[it->second].elsewhere.push_back(std::move(e));
        } else if (ofKind) {
            // A stay of another kind or type on a unit of this one: it counts here on those
            // nights only.
            StayRow row{
                held.integer(0), held.pooled(5, kinds), held.pooled(6, types), 0, e.from, e.to};
            row.elsewhere.push_back(std::move(e));
            index.emplace(row.id, rows.size());
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<NightGuest> readNightGuests(Connection& connection, const QString& kind,
                                        const QString& type, const QDate& night) {
    const QString from = earliestReachingCheckIn(connection, night);
    Query q(connection, kNightGuests, {from, isoDate(night), kind, type});
    std::vector<NightGuest> guests;
    while (q.next()) {
        NightGuest g{q.integer(0), q.text(1), q.integer(2), q.date(3), q.date(4)};
        if (g.checkIn.isValid() && g.checkOut.isValid() &&
            coversNight(g.checkIn, g.checkOut, night))
            guests.push_back(std::move(g));
    }
    return guests;
}

} // namespace corvanna
