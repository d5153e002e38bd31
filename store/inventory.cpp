#include "inventory.h"

#include "base/failure.h"
#include "connection.h"
#include "ownquery.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

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
    Query q(connection, kindAndType ? kStaysOfKind : kStays, values);
    std::vector<StayRow> rows;
    std::vector<std::pair<QByteArray, QString>> kinds, types;
    while (q.next()) {
        StayRow row{q.integer(0), q.pooled(1, kinds), q.pooled(2, types),
                    q.integer(3), q.date(4),          q.date(5)};
        // A stay without two readable dates takes no night.
        if (row.checkIn.isValid() && row.checkOut.isValid()) rows.push_back(std::move(row));
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
