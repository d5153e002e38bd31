#include "stays.h"

#include "base/failure.h"
#include "connection.h"
#include "inventory.h"
#include "ownquery.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>
#include <algorithm>

namespace corvanna {

namespace {

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// The stored words of a status and a reason, in the order of their enums.
constexpr const char* kStatusWords[] = {"expected", "in house", "checked out", "cancelled",
                                        "no-show"};
constexpr const char* kReasonWords[] = {"none", "by guest", "by hotel"};

StayStatus statusOf(QByteArrayView word) {
    for (int i = 0; i < int(std::size(kStatusWords)); ++i)
        if (word == kStatusWords[i]) return StayStatus(i);
    return StayStatus::Expected;
}

CancelReason reasonOf(QByteArrayView word) {
    for (int i = 0; i < int(std::size(kReasonWords)); ++i)
        if (word == kReasonWords[i]) return CancelReason(i);
    return CancelReason::None;
}

QString wordOf(StayStatus status) {
    return QString::fromLatin1(kStatusWords[int(status)]);
}

QString wordOf(CancelReason reason) {
    return QString::fromLatin1(kReasonWords[int(reason)]);
}

// Timestamps are kept in UTC with milliseconds, written and read as ISO text on both engines.
QString timestampText(const QDateTime& at) {
    return at.isValid() ? at.toUTC().toString(Qt::ISODateWithMs) : QString();
}

// "yyyy-MM-ddTHH:mm:ss.zzzZ", as timestampText writes it (and the server's select gives it), is
// read by its digits; anything else goes through the parser.
QDateTime timestampOf(QByteArrayView text) {
    if (text.isEmpty()) return {};
    constexpr qsizetype kLength = 24;
    const auto number = [&](qsizetype at, qsizetype digits) {
        int n = 0;
        for (qsizetype i = at; i < at + digits; ++i) {
            if (text[i] < '0' || text[i] > '9') return -1;
            n = n * 10 + (text[i] - '0');
        }
        return n;
    };
    if (text.size() == kLength && text[4] == '-' && text[7] == '-' && text[10] == 'T' &&
        text[13] == ':' && text[16] == ':' && text[19] == '.' && text[23] == 'Z') {
        const QDate day(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (day.isValid() && time.isValid()) return QDateTime(day, time, QTimeZone::utc());
    }
    QDateTime at = QDateTime::fromString(QString::fromUtf8(text), Qt::ISODateWithMs);
    at.setTimeZone(QTimeZone::utc());
    return at;
}

// The nights a stay takes: [check-in, check-out), a same-day stay its one day. Empty (invalid
// end) when the dates give no night.
std::pair<QDate, QDate> nightsOf(const QDate& checkIn, const QDate& checkOut) {
    if (!checkIn.isValid() || !checkOut.isValid() || checkOut < checkIn) return {};
    return {checkIn, checkIn == checkOut ? checkIn.addDays(1) : checkOut};
}

constexpr OwnStatement kHasStays{
    "select 1 from main.sqlite_master where type='table' and "
    "name='tblStays'",
    "select 1 from pg_class where oid=to_regclass('tblstays') and relpersistence<>'t'"};

constexpr OwnStatement kHasArrivals{
    "select 1 from main.sqlite_master where type='index' and name='idxStaysArrival'",
    "select 1 from pg_class where oid=to_regclass('idxstaysarrival')"};
constexpr OwnStatement kArrivingWithRow{
    "select ReservationId from tblStays where Arrival=?1 order by ReservationId",
    "select ReservationId from tblStays where Arrival=$1::date order by ReservationId"};

constexpr OwnStatement kReadUnits{
    "select id, Name, Kind, Type, Area, InService from tblUnits order by Kind, Type, Name",
    "select id, Name, Kind, Type, Area, InService from tblUnits order by Kind collate \"C\", "
    "Type collate \"C\", Name collate \"C\""};
constexpr OwnStatement kInsertUnit{
    "insert into tblUnits (Name, Kind, Type, Area, InService) values (?, ?, ?, ?, ?)",
    "insert into tblUnits (Name, Kind, Type, Area, InService) values ($1, $2, $3, $4, "
    "$5::integer)"};
constexpr OwnStatement kUnitIdByName{"select id from tblUnits where Name=?1",
                                     "select id from tblUnits where Name=$1"};
constexpr OwnStatement kUpdateUnit{
    "update tblUnits set Name=?, Kind=?, Type=?, Area=?, InService=? where id=?",
    "update tblUnits set Name=$1, Kind=$2, Type=$3, Area=$4, InService=$5::integer where "
    "id=$6::bigint"};
constexpr OwnStatement kUnitHeld{"select 1 from tblStayUnits where UnitId=?1 limit 1",
                                 "select 1 from tblStayUnits where UnitId=$1::bigint limit 1"};
constexpr OwnStatement kDeleteUnit{"delete from tblUnits where id=?",
                                   "delete from tblUnits where id=$1::bigint"};
constexpr OwnStatement kUnitById{
    "select id, Name, Kind, Type, Area, InService from tblUnits where id=?1",
    "select id, Name, Kind, Type, Area, InService from tblUnits where id=$1::bigint"};

// One reservation with its stay row (none: expected).
constexpr OwnStatement kReadOne{
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, s.CancelReason, s.CheckedInAt, s.CheckedOutAt from tblRooms r "
    "left join tblStays s on s.ReservationId=r.id where r.id=?1",
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, s.CancelReason, to_char(s.CheckedInAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), to_char(s.CheckedOutAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') from tblRooms r left join tblStays s on "
    "s.ReservationId=r.id where r.id=$1::bigint"};
// The reservations that may take a night from ?2 to ?3: read through the stay index from the
// earliest check-in that can still reach the first night (?1).
constexpr OwnStatement kReadBetween{
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, s.CancelReason, s.CheckedInAt, s.CheckedOutAt from tblRooms r "
    "left join tblStays s on s.ReservationId=r.id where r.CheckInDate>=?1 and r.CheckInDate<=?3 "
    "and r.CheckOutDate>=?2",
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, s.Status, s.CancelReason, to_char(s.CheckedInAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), to_char(s.CheckedOutAt at time zone 'UTC', "
    "'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"') from tblRooms r left join tblStays s on "
    "s.ReservationId=r.id where r.CheckInDate>=coalesce(nullif($1::text, '')::date, "
    "'-infinity') and r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date"};
// The same on a database without the stay tables (a read-only older file): every stay expected.
constexpr OwnStatement kReadBetweenPlain{
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, null, null, null, null from tblRooms r where r.CheckInDate>=?1 and "
    "r.CheckInDate<=?3 and r.CheckOutDate>=?2",
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, null, null, null, null from tblRooms r where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and r.CheckInDate<=$3::date "
    "and r.CheckOutDate>=$2::date"};
constexpr OwnStatement kReadOnePlain{
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, null, null, null, null from tblRooms r where r.id=?1",
    "select r.id, r.GuestName, r.Accommodation, r.Type, r.NoOfRooms, r.CheckInDate, "
    "r.CheckOutDate, null, null, null, null from tblRooms r where r.id=$1::bigint"};
constexpr OwnStatement kSpansOf{
    "select UnitId, FromNight, ToNight from tblStayUnits where ReservationId=?1 order by "
    "FromNight",
    "select UnitId, FromNight, ToNight from tblStayUnits where ReservationId=$1::bigint order by "
    "FromNight"};
// Spans lie within their stay's nights, so a span that reaches the first night (?2) begins no
// earlier than the earliest check-in that can (?1).
constexpr OwnStatement kSpansBetween{
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where FromNight>=?1 and "
    "FromNight<=?3 and ToNight>?2",
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where "
    "FromNight>=coalesce(nullif($1::text, '')::date, '-infinity') and FromNight<=$3::date and "
    "ToNight>$2::date"};
constexpr OwnStatement kStatusesOf{
    "select ReservationId, Status from tblStays where Status<>'expected' and ReservationId in "
    "(select value from json_each(?1))",
    "select ReservationId, Status from tblStays where Status<>'expected' and ReservationId = "
    "any(string_to_array(trim(both '[]' from $1), ',')::bigint[])"};
constexpr OwnStatement kCancelledStays{
    "select ReservationId, Status from tblStays where Status in ('cancelled', 'no-show')",
    "select ReservationId, Status from tblStays where Status in ('cancelled', 'no-show')"};
constexpr OwnStatement kAllStatuses{
    "select ReservationId, Status from tblStays where Status<>'expected'",
    "select ReservationId, Status from tblStays where Status<>'expected'"};

// The first span on the unit that shares a night with [?2, ?3), and its guest. Spans on a unit
// are kept apart: only the last one beginning before ?2 can reach into the range.
constexpr OwnStatement kTakenBy{
    "select su.ReservationId, r.GuestName, su.FromNight from tblStayUnits su join tblRooms r on "
    "r.id=su.ReservationId where su.UnitId=?1 and su.FromNight>=coalesce((select max(FromNight) "
    "from tblStayUnits where UnitId=?1 and FromNight<?2), ?2) and su.FromNight<?3 and "
    "su.ToNight>?2 order by su.FromNight limit 1",
    "select su.ReservationId, r.GuestName, su.FromNight from tblStayUnits su join tblRooms r on "
    "r.id=su.ReservationId where su.UnitId=$1::bigint and daterange(su.FromNight, su.ToNight) && "
    "daterange($2::date, $3::date) order by su.FromNight limit 1"};
// Two desks giving one unit at the same moment take turns: the second then finds the first's
// nights. The file's writes already take turns under its write lock; on the server two inserts
// that the exclusion constraint refuses against each other would otherwise deadlock.
constexpr OwnStatement kTakeUnitsTurn{
    "select ?1 is not null",
    "select pg_advisory_xact_lock(19640208, ($1::bigint % 2147483647)::integer) is not null"};
constexpr OwnStatement kDropSpansFrom{
    "delete from tblStayUnits where ReservationId=? and FromNight>=?",
    "delete from tblStayUnits where ReservationId=$1::bigint and FromNight>=$2::date"};
// The file's driver binds the values of a change in the order of its placeholders: each is a
// plain '?', and the night is given three times.
constexpr OwnStatement kCutSpanAt{
    "update tblStayUnits set ToNight=? where ReservationId=? and FromNight<? and ToNight>?",
    "update tblStayUnits set ToNight=$1::date where ReservationId=$2::bigint and "
    "FromNight<$3::date and ToNight>$4::date"};
// The span that ends where the new one begins, on the same unit, simply goes on.
constexpr OwnStatement kExtendSpan{
    "update tblStayUnits set ToNight=? where ReservationId=? and UnitId=? and ToNight=?",
    "update tblStayUnits set ToNight=$1::date where ReservationId=$2::bigint and "
    "UnitId=$3::bigint and ToNight=$4::date"};
constexpr OwnStatement kInsertSpan{
    "insert into tblStayUnits (ReservationId, UnitId, FromNight, ToNight) values (?, ?, ?, "
    "?)",
    "insert into tblStayUnits (ReservationId, UnitId, FromNight, ToNight) values ($1::bigint, "
    "$2::bigint, $3::date, $4::date)"};
constexpr OwnStatement kDropSpans{"delete from tblStayUnits where ReservationId=?",
                                  "delete from tblStayUnits where ReservationId=$1::bigint"};

constexpr OwnStatement kWriteStay{
    "insert into tblStays (ReservationId, Status, CancelReason, CheckedInAt, CheckedOutAt) "
    "values (?, ?, ?, ?, ?) on conflict (ReservationId) do update set "
    "Status=excluded.Status, CancelReason=excluded.CancelReason, "
    "CheckedInAt=excluded.CheckedInAt, CheckedOutAt=excluded.CheckedOutAt",
    "insert into tblStays (ReservationId, Status, CancelReason, CheckedInAt, CheckedOutAt) "
    "values ($1::bigint, $2, $3, $4::timestamptz, $5::timestamptz) on conflict (ReservationId) "
    "do update set Status=excluded.Status, CancelReason=excluded.CancelReason, "
    "CheckedInAt=excluded.CheckedInAt, CheckedOutAt=excluded.CheckedOutAt"};
constexpr OwnStatement kDropStay{"delete from tblStays where ReservationId=?",
                                 "delete from tblStays where ReservationId=$1::bigint"};

constexpr OwnStatement kLogEvent{
    "insert into tblStayEvents (ReservationId, At, Desk, What, Before) values (?, ?, ?, ?, "
    "?)",
    "insert into tblStayEvents (ReservationId, At, Desk, What, Before) values ($1::bigint, "
    "$2::timestamptz, $3, $4, $5)"};
constexpr OwnStatement kLastEvent{
    "select id, What, Before from tblStayEvents where ReservationId=?1 order by id desc limit 1",
    "select id, What, Before from tblStayEvents where ReservationId=$1::bigint order by id desc "
    "limit 1"};
constexpr OwnStatement kDropEvent{"delete from tblStayEvents where id=?",
                                  "delete from tblStayEvents where id=$1::bigint"};

constexpr OwnStatement kFreeUnits{
    "select u.id, u.Name, u.Kind, u.Type, u.Area, u.InService from tblUnits u where u.Kind=?1 "
    "and u.Type=?2 and u.InService=1 and not exists (select 1 from tblStayUnits su where "
    "su.UnitId=u.id and su.FromNight>=coalesce((select max(FromNight) from tblStayUnits where "
    "UnitId=u.id and FromNight<?3), ?3) and su.FromNight<?4 and su.ToNight>?3) order by u.Name",
    "select u.id, u.Name, u.Kind, u.Type, u.Area, u.InService from tblUnits u where u.Kind=$1 "
    "and u.Type=$2 and u.InService=1 and not exists (select 1 from tblStayUnits su where "
    "su.UnitId=u.id and daterange(su.FromNight, su.ToNight) && daterange($3::date, $4::date)) "
    "order by u.Name collate \"C\""};

constexpr OwnStatement kUnitCounts{
    "select Kind, Type, count(*) from tblUnits where InService=1 group by Kind, Type",
    "select Kind, Type, count(*) from tblUnits where InService=1 group by Kind, Type"};
constexpr OwnStatement kSettled{"select Kind, Type, KeepUnits from tblCapacity",
                                "select Kind, Type, KeepUnits from tblCapacity"};
constexpr OwnStatement kSettle{
    "insert into tblCapacity (Kind, Type, KeepUnits) values (?, ?, ?) on conflict (Kind, "
    "Type) do update set KeepUnits=excluded.KeepUnits",
    "insert into tblCapacity (Kind, Type, KeepUnits) values ($1, $2, $3::integer) on conflict "
    "(Kind, Type) do update set KeepUnits=excluded.KeepUnits"};

Unit unitFrom(const Query& q) {
    return {q.integer(0), q.text(1), q.text(2), q.text(3), q.text(4), q.integer(5) != 0};
}

// The few kinds and types of a read, each made text once.
using TextPool = std::vector<std::pair<QByteArray, QString>>;

Stay stayFrom(const Query& q, TextPool& pool, const QDate& checkIn, const QDate& checkOut) {
    Stay s;
    s.reservationId = q.integer(0);
    s.guestName = q.text(1);
    s.kind = q.pooled(2, pool);
    s.type = q.pooled(3, pool);
    s.rooms = q.integer(4);
    s.checkIn = checkIn;
    s.checkOut = checkOut;
    if (!q.isNull(7)) {
        s.status = statusOf(q.bytes(7));
        s.reason = reasonOf(q.bytes(8));
        s.checkedInAt = timestampOf(q.bytes(9));
        s.checkedOutAt = timestampOf(q.bytes(10));
    }
    return s;
}

// The stay as stored, in one line: whether it has a stay row, its values and its spans. An
// undo writes back exactly this.
struct StoredStay {
    bool hasRow = false;
    StayStatus status = StayStatus::Expected;
    CancelReason reason = CancelReason::None;
    QString checkedInAt, checkedOutAt;
    std::vector<UnitSpan> spans;

    QString toText() const {
        QStringList parts{hasRow ? wordOf(status) : QString(), wordOf(reason), checkedInAt,
                          checkedOutAt};
        for (const UnitSpan& s : spans)
            parts << QStringLiteral("%1,%2,%3").arg(s.unitId).arg(isoDate(s.from), isoDate(s.to));
        return parts.join(QLatin1Char('|'));
    }
    static StoredStay fromText(const QString& text) {
        const QStringList parts = text.split(QLatin1Char('|'));
        if (parts.size() < 4)
            throw Failure(
                QCoreApplication::translate("Stays", "The stay's history cannot be read."));
        StoredStay s;
        s.hasRow = !parts[0].isEmpty();
        s.status = statusOf(parts[0].toLatin1());
        s.reason = reasonOf(parts[1].toLatin1());
        s.checkedInAt = parts[2];
        s.checkedOutAt = parts[3];
        for (qsizetype i = 4; i < parts.size(); ++i) {
            const QStringList f = parts[i].split(QLatin1Char(','));
            if (f.size() != 3)
                throw Failure(
                    QCoreApplication::translate("Stays", "The stay's history cannot be read."));
            s.spans.push_back({f[0].toLongLong(), QDate::fromString(f[1], Qt::ISODate),
                               QDate::fromString(f[2], Qt::ISODate)});
        }
        return s;
    }
};

std::vector<UnitSpan> readSpans(Connection& connection, qint64 id) {
    std::vector<UnitSpan> spans;
    Query q(connection, kSpansOf, {QString::number(id)});
    while (q.next())
        spans.push_back({q.integer(0), q.date(1), q.date(2)});
    return spans;
}

// The reservation and its stay; throws when no reservation has the id. `hasRow` tells whether
// it has a stay row.
Stay readOne(Connection& connection, qint64 id, bool* hasRow = nullptr, bool withStays = true) {
    Stay stay;
    {
        Query q(connection, withStays ? kReadOne : kReadOnePlain, {QString::number(id)});
        if (!q.next())
            throw Failure(
                QCoreApplication::translate("Stays", "Reservation %1 no longer exists.").arg(id));
        TextPool pool;
        stay = stayFrom(q, pool, q.date(5), q.date(6));
        if (hasRow) *hasRow = !q.isNull(7);
    }
    if (withStays) stay.spans = readSpans(connection, id);
    return stay;
}

StoredStay storedOf(const Stay& stay, bool hasRow) {
    StoredStay s;
    s.hasRow = hasRow;
    s.status = stay.status;
    s.reason = stay.reason;
    s.checkedInAt = timestampText(stay.checkedInAt);
    s.checkedOutAt = timestampText(stay.checkedOutAt);
    s.spans = stay.spans;
    return s;
}

// An expected stay has no stay row: the arrivals' group on the file is whether the row exists.
void writeStay(Connection& connection, qint64 id, StayStatus status, CancelReason reason,
               const QString& checkedInAt, const QString& checkedOutAt) {
    if (status == StayStatus::Expected) {
        connection.execute(kDropStay, {id});
        return;
    }
    connection.execute(kWriteStay, {id, wordOf(status), wordOf(reason),
                                    checkedInAt.isEmpty() ? QVariant() : QVariant(checkedInAt),
                                    checkedOutAt.isEmpty() ? QVariant() : QVariant(checkedOutAt)});
}

void logEvent(Connection& connection, qint64 id, const QString& desk, const char* what,
              const StoredStay& before) {
    connection.execute(kLogEvent, {id, timestampText(QDateTime::currentDateTimeUtc()),
                                   desk.isNull() ? QStringLiteral("") : desk,
                                   QString::fromLatin1(what), before.toText()});
}

std::optional<UnitTaken> takenBy(Connection& connection, qint64 unitId, const QDate& from,
                                 const QDate& to) {
    Query q(connection, kTakenBy, {QString::number(unitId), isoDate(from), isoDate(to)});
    if (!q.next()) return std::nullopt;
    return UnitTaken{q.integer(0), q.text(1), std::max(from, q.date(2))};
}

// The server's own refusal of a second stay on a unit's night.
bool isUnitTakenRefusal(const Failure& failure) {
    return failure.description().contains(QLatin1String("exstayunitsnight")) ||
           failure.description().contains(QLatin1String("unit taken")) ||
           failure.description().contains(QLatin1String("deadlock detected"));
}

// Gives the stay the unit from `from` on, inside a transaction under way. The stay's own nights
// from then on are freed first; a night another stay holds is the answer.
std::optional<UnitTaken> placeOnUnit(Connection& connection, const Stay& stay, qint64 unitId,
                                     const QDate& fromNight) {
    if (stay.status == StayStatus::CheckedOut || stay.status == StayStatus::Cancelled ||
        stay.status == StayStatus::NoShow)
        throw Failure(QCoreApplication::translate("Stays", "A stay that is %1 holds no unit.")
                          .arg(statusText(stay.status)));
    const auto [first, end] = nightsOf(stay.checkIn, stay.checkOut);
    if (!end.isValid())
        throw Failure(QCoreApplication::translate(
            "Stays", "This reservation's dates give no night to hold a unit."));
    const QDate from = fromNight.isValid() ? fromNight : first;
    if (from < first || from >= end)
        throw Failure(
            QCoreApplication::translate("Stays", "The night %1 is not one of this stay's nights.")
                .arg(isoDate(from)));
    {
        Query unit(connection, kUnitById, {QString::number(unitId)});
        if (!unit.next())
            throw Failure(QCoreApplication::translate("Stays", "The unit no longer exists."));
        if (unit.integer(5) == 0)
            throw Failure(QCoreApplication::translate("Stays", "The unit %1 is out of service.")
                              .arg(unit.text(1)));
    }
    Query(connection, kTakeUnitsTurn, {QString::number(unitId)}).next();
    const QString id = QString::number(stay.reservationId);
    connection.execute(kDropSpansFrom, {id, isoDate(from)});
    connection.execute(kCutSpanAt, {isoDate(from), id, isoDate(from), isoDate(from)});
    if (auto taken = takenBy(connection, unitId, from, end)) return taken;
    if (connection.execute(kExtendSpan, {isoDate(end), id, unitId, isoDate(from)}) == 0)
        connection.execute(kInsertSpan, {id, unitId, isoDate(from), isoDate(end)});
    return std::nullopt;
}

// Runs a change of one stay in a transaction and logs what it was before. `change` returns the
// answer of a refused unit, which rolls everything back.
template <typename Change>
std::optional<UnitTaken> changeStay(Connection& connection, qint64 id, const QString& desk,
                                    const char* what, Change change) {
    // A refusal from the engine itself means another desk won between the check and the write:
    // the next round's check names it.
    constexpr int kRounds = 3;
    for (int round = 1;; ++round) {
        Transaction transaction(connection);
        bool hasRow = false;
        const Stay stay = readOne(connection, id, &hasRow);
        const StoredStay before = storedOf(stay, hasRow);
        std::optional<UnitTaken> taken;
        try {
            taken = change(stay);
            if (!taken) {
                logEvent(connection, id, desk, what, before);
                transaction.commit();
                return std::nullopt;
            }
        } catch (const Failure& failure) {
            if (!isUnitTakenRefusal(failure) || round == kRounds) throw;
            // Another desk took the unit between the check and the write: ask again who.
            transaction.rollback();
            continue;
        }
        transaction.rollback();
        return taken;
    }
}

void requireStatus(const Stay& stay, StayStatus wanted, const char* message) {
    if (stay.status != wanted)
        throw Failure(QCoreApplication::translate("Stays", message).arg(statusText(stay.status)));
}

} // namespace

bool hasStayTables(Connection& connection) {
    Query q(connection, kHasStays);
    return q.next();
}

bool hasStayArrivals(Connection& connection) {
    Query q(connection, kHasArrivals);
    return q.next();
}

std::vector<qint64> stayRowsArrivingOn(Connection& connection, const QDate& day) {
    std::vector<qint64> ids;
    Query q(connection, kArrivingWithRow, {isoDate(day)});
    while (q.next())
        ids.push_back(q.integer(0));
    return ids;
}

std::vector<Unit> readUnits(Connection& connection) {
    std::vector<Unit> units;
    if (!hasStayTables(connection)) return units;
    Query q(connection, kReadUnits);
    while (q.next())
        units.push_back(unitFrom(q));
    return units;
}

namespace {
void checkUnitName(const Unit& unit) {
    if (unit.name.trimmed().isEmpty())
        throw Failure(QCoreApplication::translate("Stays", "A unit needs a name."));
    if (unit.kind.isEmpty() || unit.type.isEmpty())
        throw Failure(QCoreApplication::translate("Stays", "A unit needs a kind and a type."));
}

void checkNameFree(Connection& connection, const Unit& unit) {
    Query q(connection, kUnitIdByName, {unit.name.trimmed()});
    if (q.next() && q.integer(0) != unit.id)
        throw Failure(QCoreApplication::translate("Stays", "There is already a unit named %1.")
                          .arg(unit.name.trimmed()));
}
} // namespace

qint64 addUnit(Connection& connection, const Unit& unit) {
    checkUnitName(unit);
    Transaction transaction(connection);
    checkNameFree(connection, unit);
    const QString name = unit.name.trimmed();
    connection.execute(kInsertUnit, {name, unit.kind, unit.type,
                                     unit.area.isEmpty() ? QVariant() : QVariant(unit.area),
                                     unit.inService ? 1 : 0});
    qint64 id = 0;
    {
        Query q(connection, kUnitIdByName, {name});
        if (q.next()) id = q.integer(0);
    }
    transaction.commit();
    return id;
}

void updateUnit(Connection& connection, const Unit& unit) {
    checkUnitName(unit);
    Transaction transaction(connection);
    checkNameFree(connection, unit);
    if (connection.execute(kUpdateUnit, {unit.name.trimmed(), unit.kind, unit.type,
                                         unit.area.isEmpty() ? QVariant() : QVariant(unit.area),
                                         unit.inService ? 1 : 0, unit.id}) == 0)
        throw Failure(QCoreApplication::translate("Stays", "The unit no longer exists."));
    transaction.commit();
}

bool unitHoldsStay(Connection& connection, qint64 unitId) {
    if (!hasStayTables(connection)) return false;
    Query held(connection, kUnitHeld, {QString::number(unitId)});
    return held.next();
}

void removeUnit(Connection& connection, qint64 id) {
    Transaction transaction(connection);
    if (Query held(connection, kUnitHeld, {QString::number(id)}); held.next())
        throw Failure(QCoreApplication::translate(
            "Stays", "This unit holds a stay. Move the stay to another unit first, or take "
                     "the unit out of service."));
    connection.execute(kDeleteUnit, {id});
    transaction.commit();
}

std::vector<Stay> readStaysBetween(Connection& connection, const QDate& first, const QDate& last) {
    std::vector<Stay> stays;
    if (!first.isValid() || !last.isValid() || last < first) return stays;
    const QString from = earliestReachingCheckIn(connection, first);
    const QStringList values{from, isoDate(first), isoDate(last)};
    const bool withStays = hasStayTables(connection);
    {
        Query q(connection, withStays ? kReadBetween : kReadBetweenPlain, values);
        TextPool pool;
        constexpr size_t kExpected = 1024;
        stays.reserve(kExpected);
        while (q.next()) {
            // The dates first: a stay that ends before the first night is not made at all.
            const QDate checkIn = q.date(5), checkOut = q.date(6);
            const auto [firstNight, end] = nightsOf(checkIn, checkOut);
            if (end.isValid() && firstNight <= last && end > first)
                stays.push_back(stayFrom(q, pool, checkIn, checkOut));
        }
    }
    // The stay index gives them by check-in already.
    const auto byCheckIn = [](const Stay& a, const Stay& b) { return a.checkIn < b.checkIn; };
    if (!std::is_sorted(stays.begin(), stays.end(), byCheckIn))
        std::stable_sort(stays.begin(), stays.end(), byCheckIn);
    if (!withStays) return stays;
    // The stays by id, looked up for each held span.
    std::vector<std::pair<qint64, size_t>> index(stays.size());
    for (size_t i = 0; i < stays.size(); ++i)
        index[i] = {stays[i].reservationId, i};
    std::sort(index.begin(), index.end());
    Query spans(connection, kSpansBetween, values);
    while (spans.next()) {
        const qint64 id = spans.integer(0);
        const auto it = std::lower_bound(index.begin(), index.end(), std::pair{id, size_t(0)});
        if (it != index.end() && it->first == id)
            stays[it->second].spans.push_back({spans.integer(1), spans.date(2), spans.date(3)});
    }
    for (Stay& s : stays)
        if (s.spans.size() > 1)
            std::sort(s.spans.begin(), s.spans.end(),
                      [](const UnitSpan& a, const UnitSpan& b) { return a.from < b.from; });
    return stays;
}

Stay readStay(Connection& connection, qint64 reservationId) {
    return readOne(connection, reservationId, nullptr, hasStayTables(connection));
}

std::map<qint64, StayStatus> readCancelledStays(Connection& connection) {
    std::map<qint64, StayStatus> statuses;
    if (!hasStayTables(connection)) return statuses;
    Query q(connection, kCancelledStays);
    while (q.next())
        statuses.emplace_hint(statuses.end(), q.integer(0), statusOf(q.bytes(1)));
    return statuses;
}

std::map<qint64, StayStatus> readStatuses(Connection& connection, const std::vector<qint64>& ids) {
    std::map<qint64, StayStatus> statuses;
    if (ids.empty() || !hasStayTables(connection)) return statuses;
    // A long list reads every stay that has moved on (fewer rows than the list) and keeps its own.
    constexpr size_t kListedAtMost = 1000;
    if (ids.size() > kListedAtMost) {
        std::vector<qint64> sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        Query q(connection, kAllStatuses);
        while (q.next()) {
            const qint64 id = q.integer(0);
            if (std::binary_search(sorted.begin(), sorted.end(), id))
                statuses.emplace(id, statusOf(q.bytes(1)));
        }
        return statuses;
    }
    QStringList list;
    for (qint64 id : ids)
        list << QString::number(id);
    Query q(connection, kStatusesOf,
            {QLatin1Char('[') + list.join(QLatin1Char(',')) + QLatin1Char(']')});
    while (q.next())
        statuses.emplace(q.integer(0), statusOf(q.bytes(1)));
    return statuses;
}

std::optional<UnitTaken> assignUnit(Connection& connection, qint64 reservationId, qint64 unitId,
                                    const QDate& fromNight) {
    return changeStay(connection, reservationId, QString(), "assign", [&](const Stay& stay) {
        return placeOnUnit(connection, stay, unitId, fromNight);
    });
}

void unassignUnit(Connection& connection, qint64 reservationId) {
    changeStay(connection, reservationId, QString(), "unassign", [&](const Stay&) {
        connection.execute(kDropSpans, {reservationId});
        return std::optional<UnitTaken>();
    });
}

std::vector<Unit> freeUnits(Connection& connection, const QString& kind, const QString& type,
                            const QDate& checkIn, const QDate& checkOut) {
    std::vector<Unit> units;
    const auto [first, end] = nightsOf(checkIn, checkOut);
    if (!end.isValid() || !hasStayTables(connection)) return units;
    Query q(connection, kFreeUnits, {kind, type, isoDate(first), isoDate(end)});
    while (q.next())
        units.push_back(unitFrom(q));
    return units;
}

std::optional<UnitTaken> checkIn(Connection& connection, qint64 id, std::optional<qint64> unitId,
                                 const QString& desk) {
    return changeStay(connection, id, desk, "check-in", [&](const Stay& stay) {
        requireStatus(stay, StayStatus::Expected,
                      QT_TRANSLATE_NOOP("corvanna::Stays",
                                        "Only an expected guest can be checked in; this stay is "
                                        "%1."));
        if (unitId) {
            if (auto taken = placeOnUnit(connection, stay, *unitId, {})) return taken;
        }
        writeStay(connection, id, StayStatus::InHouse, CancelReason::None,
                  timestampText(QDateTime::currentDateTimeUtc()), QString());
        return std::optional<UnitTaken>();
    });
}

void checkOut(Connection& connection, qint64 id, const QString& desk) {
    changeStay(connection, id, desk, "check-out", [&](const Stay& stay) {
        requireStatus(stay, StayStatus::InHouse,
                      QT_TRANSLATE_NOOP("corvanna::Stays",
                                        "Only a guest in the house can be checked out; this stay "
                                        "is %1."));
        // Leaving early frees the unit from tonight on; the first night stays held.
        const auto [first, end] = nightsOf(stay.checkIn, stay.checkOut);
        const QDate cut = std::max(QDate::currentDate(), first.addDays(1));
        if (end.isValid() && cut < end) {
            const QString rid = QString::number(id);
            connection.execute(kDropSpansFrom, {rid, isoDate(cut)});
            connection.execute(kCutSpanAt, {isoDate(cut), rid, isoDate(cut), isoDate(cut)});
        }
        writeStay(connection, id, StayStatus::CheckedOut, CancelReason::None,
                  timestampText(stay.checkedInAt), timestampText(QDateTime::currentDateTimeUtc()));
        return std::optional<UnitTaken>();
    });
}

namespace {
void endWithoutStay(Connection& connection, qint64 id, const QString& desk, StayStatus status,
                    CancelReason reason, const char* what) {
    changeStay(connection, id, desk, what, [&](const Stay& stay) {
        requireStatus(stay, StayStatus::Expected,
                      QT_TRANSLATE_NOOP("corvanna::Stays",
                                        "Only an expected stay can be cancelled or marked as a "
                                        "no-show; this stay is %1."));
        connection.execute(kDropSpans, {id});
        writeStay(connection, id, status, reason, QString(), QString());
        return std::optional<UnitTaken>();
    });
}
} // namespace

void cancel(Connection& connection, qint64 id, CancelReason reason, const QString& desk) {
    endWithoutStay(connection, id, desk, StayStatus::Cancelled, reason, "cancel");
}

void markNoShow(Connection& connection, qint64 id, const QString& desk) {
    endWithoutStay(connection, id, desk, StayStatus::NoShow, CancelReason::None, "no-show");
}

namespace {
bool undoable(QByteArrayView what) {
    return what == "check-in" || what == "check-out";
}
} // namespace

bool canUndo(Connection& connection, qint64 id) {
    if (!hasStayTables(connection)) return false;
    Query q(connection, kLastEvent, {QString::number(id)});
    return q.next() && undoable(q.bytes(1));
}

void undoLast(Connection& connection, qint64 id) {
    Transaction transaction(connection);
    qint64 eventId = 0;
    QString beforeText;
    {
        Query last(connection, kLastEvent, {QString::number(id)});
        if (!last.next() || !undoable(last.bytes(1)))
            throw Failure(QCoreApplication::translate(
                "Stays", "There is no check-in or check-out of this stay to undo."));
        eventId = last.integer(0);
        beforeText = last.text(2);
    }
    const StoredStay before = StoredStay::fromText(beforeText);
    connection.execute(kDropSpans, {id});
    for (const UnitSpan& s : before.spans) {
        if (auto taken = takenBy(connection, s.unitId, s.from, s.to))
            throw Failure(QCoreApplication::translate(
                              "Stays",
                              "The unit is now held by %1 on %2; the check-in or check-out cannot "
                              "be undone.")
                              .arg(taken->otherGuest, isoDate(taken->night)));
        connection.execute(kInsertSpan, {id, s.unitId, isoDate(s.from), isoDate(s.to)});
    }
    if (before.hasRow)
        writeStay(connection, id, before.status, before.reason, before.checkedInAt,
                  before.checkedOutAt);
    else
        connection.execute(kDropStay, {id});
    connection.execute(kDropEvent, {eventId});
    transaction.commit();
}

namespace {
std::map<std::pair<QString, QString>, qint64> unitsInService(Connection& connection) {
    std::map<std::pair<QString, QString>, qint64> counts;
    if (!hasStayTables(connection)) return counts;
    Query q(connection, kUnitCounts);
    while (q.next())
        counts[{q.text(0), q.text(1)}] = q.integer(2);
    return counts;
}

} // namespace

std::map<std::pair<QString, QString>, qint64> typeCapacities(Connection& connection) {
    std::map<std::pair<QString, QString>, qint64> result;
    for (const InventoryEntry& e : readInventory(connection))
        result[{e.kind, e.type}] = e.units;
    if (!hasStayTables(connection)) return result;
    std::map<std::pair<QString, QString>, bool> keepUnits;
    {
        Query q(connection, kSettled);
        while (q.next())
            keepUnits[{q.text(0), q.text(1)}] = q.integer(2) != 0;
    }
    for (const auto& [key, units] : unitsInService(connection)) {
        const auto settled = keepUnits.find(key);
        // The older count stays only where the desk chose it.
        if (settled != keepUnits.end() && !settled->second && result.count(key)) continue;
        result[key] = units;
    }
    return result;
}

std::optional<qint64> typeCapacity(Connection& connection, const QString& kind,
                                   const QString& type) {
    const auto all = typeCapacities(connection);
    const auto it = all.find({kind, type});
    if (it == all.end()) return std::nullopt;
    return it->second;
}

std::vector<CapacityDifference> capacityDifferences(Connection& connection) {
    std::vector<CapacityDifference> differences;
    if (!hasStayTables(connection)) return differences;
    std::map<std::pair<QString, QString>, bool> settled;
    {
        Query q(connection, kSettled);
        while (q.next())
            settled[{q.text(0), q.text(1)}] = true;
    }
    const auto units = unitsInService(connection);
    for (const InventoryEntry& e : readInventory(connection)) {
        const auto it = units.find({e.kind, e.type});
        if (it == units.end() || it->second == e.units || settled.count({e.kind, e.type})) continue;
        differences.push_back({e.kind, e.type, e.units, it->second});
    }
    return differences;
}

void settleCapacity(Connection& connection, const QString& kind, const QString& type,
                    bool keepUnits) {
    connection.execute(kSettle, {kind, type, keepUnits ? 1 : 0});
}

QString statusText(StayStatus status) {
    switch (status) {
    case StayStatus::Expected:
        return QCoreApplication::translate("Stays", "expected");
    case StayStatus::InHouse:
        return QCoreApplication::translate("Stays", "in house");
    case StayStatus::CheckedOut:
        return QCoreApplication::translate("Stays", "checked out");
    case StayStatus::Cancelled:
        return QCoreApplication::translate("Stays", "cancelled");
    case StayStatus::NoShow:
        return QCoreApplication::translate("Stays", "no-show");
    }
    return {};
}

QString reasonText(CancelReason reason) {
    switch (reason) {
    case CancelReason::None:
        return QCoreApplication::translate("Stays", "no reason given");
    case CancelReason::ByGuest:
        return QCoreApplication::translate("Stays", "by the guest");
    case CancelReason::ByHotel:
        return QCoreApplication::translate("Stays", "by the hotel");
    }
    return {};
}

} // namespace corvanna
