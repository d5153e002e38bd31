#include "roomchart.h"

#include "store/connection.h"
#include "store/inventory.h"
#include "store/ownquery.h"

#include <QStringList>

#include <algorithm>
#include <span>
#include <unordered_map>

namespace corvanna {

namespace {

// The nights a stay takes: [check-in, check-out), a same-day stay its one day.
std::pair<QDate, QDate> stayNights(const QDate& checkIn, const QDate& checkOut) {
    if (!checkIn.isValid() || !checkOut.isValid() || checkOut < checkIn) return {};
    return {checkIn, checkIn == checkOut ? checkIn.addDays(1) : checkOut};
}

bool holdsNothing(StayStatus status) {
    return status == StayStatus::Cancelled || status == StayStatus::NoShow;
}

// What the chart takes from one stay.
struct ChartStay {
    qint64 reservationId = 0;
    StayStatus status = StayStatus::Expected;
    qint64 rooms = 0;
    QDate checkIn;
    QDate checkOut;
    std::span<const UnitSpan> spans; // ordered by first night
};

// Lays the stays out one by one: their bars, and the rooms they want without a unit. Each stay
// adds its rooms over its nights in the chart and takes one back over each night a unit holds
// it; finish() then sums the changes in one pass.
class Layout {
public:
    Layout(const std::vector<Unit>& units, const QDate& first, int nights) {
        m_chart.first = first;
        m_chart.nights = std::max(0, nights);
        m_chart.units = units;
        m_chart.unassignedPerNight.assign(size_t(m_chart.nights), 0);
        m_open = m_chart.nights > 0 && first.isValid();
        if (!m_open) return;
        m_end = first.addDays(m_chart.nights);
        for (size_t i = 0; i < units.size(); ++i)
            m_rowOf.emplace(units[i].id, int(i));
        m_change.assign(size_t(m_chart.nights) + 1, 0);
    }

    bool open() const { return m_open; }

    // `name` gives the guest's name, asked for only when the stay has a bar.
    template <typename Name> void add(const ChartStay& stay, Name&& name) {
        if (!m_open || holdsNothing(stay.status)) return;
        const auto [from, to] = stayNights(stay.checkIn, stay.checkOut);
        if (!to.isValid()) return;
        const QDate& first = m_chart.first;
        for (const UnitSpan& span : stay.spans) {
            const QDate a = std::max(span.from, first);
            const QDate b = std::min(span.to, m_end);
            const auto row = m_rowOf.find(span.unitId);
            if (a >= b || row == m_rowOf.end()) continue;
            m_chart.bars.push_back({stay.reservationId, row->second, column(a), int(a.daysTo(b)),
                                    name(), stay.status, span.from<first, span.to> m_end});
        }
        // A guest who has left wants no unit any more.
        if (stay.rooms <= 0 || stay.status == StayStatus::CheckedOut) return;
        const QDate a = std::max(from, first);
        const QDate b = std::min(to, m_end);
        if (a >= b) return;
        qint64 held = 0;
        m_change[size_t(column(a))] += stay.rooms;
        m_change[size_t(column(b))] -= stay.rooms;
        for (const UnitSpan& span : stay.spans) {
            const QDate sa = std::max(span.from, a);
            const QDate sb = std::min(span.to, b);
            if (sa >= sb) continue;
            m_change[size_t(column(sa))] -= 1;
            m_change[size_t(column(sb))] += 1;
            held += sa.daysTo(sb);
        }
        if (stay.rooms > 1 || held < a.daysTo(b)) m_chart.unassigned.push_back(stay.reservationId);
    }

    RoomChart finish() {
        qint64 running = 0;
        for (int i = 0; m_open && i < m_chart.nights; ++i)
            m_chart.unassignedPerNight[size_t(i)] = int(running += m_change[size_t(i)]);
        return std::move(m_chart);
    }

private:
    int column(const QDate& d) const { return int(m_chart.first.daysTo(d)); }

    RoomChart m_chart;
    bool m_open = false;
    QDate m_end;
    std::unordered_map<qint64, int> m_rowOf;
    std::vector<qint64> m_change;
};

// The reservations that may take a night from ?2 to ?3, read through the stay index from the
// earliest check-in that can still reach ?2 (?1), each with its status as the number of its
// StayStatus.
constexpr OwnStatement kChartStays{
    "select r.id, r.GuestName, r.NoOfRooms, r.CheckInDate, r.CheckOutDate, case s.Status when "
    "'in house' then 1 when 'checked out' then 2 when 'cancelled' then 3 when 'no-show' then 4 "
    "else 0 end from tblRooms r left join tblStays s on s.ReservationId=r.id where "
    "r.CheckInDate>=?1 and r.CheckInDate<=?3 and r.CheckOutDate>=?2",
    "select r.id, r.GuestName, r.NoOfRooms, r.CheckInDate, r.CheckOutDate, case s.Status when "
    "'in house' then 1 when 'checked out' then 2 when 'cancelled' then 3 when 'no-show' then 4 "
    "else 0 end from tblRooms r left join tblStays s on s.ReservationId=r.id where "
    "r.CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and "
    "r.CheckInDate<=$3::date and r.CheckOutDate>=$2::date order by r.CheckInDate, r.id"};
// The units held on those nights: spans lie within their stay's nights, so a span that reaches
// ?2 begins no earlier than ?1.
constexpr OwnStatement kChartSpans{
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where FromNight>=?1 and "
    "FromNight<=?3 and ToNight>?2",
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where "
    "FromNight>=coalesce(nullif($1::text, '')::date, '-infinity') and FromNight<=$3::date and "
    "ToNight>$2::date"};

// A span with the reservation that holds it.
struct HeldSpan {
    qint64 reservationId = 0;
    UnitSpan span;
};

bool beforeHeld(const HeldSpan& a, const HeldSpan& b) {
    return a.reservationId != b.reservationId ? a.reservationId < b.reservationId
                                              : a.span.from < b.span.from;
}

// A stay of the chart, its units a range of the held spans and its guest's name kept only where
// it holds one.
struct ChartRow {
    ChartStay stay;
    QString guestName;
};

} // namespace

RoomChart layOutRoomChart(const std::vector<Unit>& units, const std::vector<Stay>& stays,
                          const QDate& first, int nights) {
    Layout layout(units, first, nights);
    for (const Stay& stay : stays)
        layout.add(
            {stay.reservationId, stay.status, stay.rooms, stay.checkIn, stay.checkOut, stay.spans},
            [&] { return stay.guestName; });
    return layout.finish();
}

RoomChart readRoomChart(Connection& connection, const QDate& first, int nights) {
    if (nights <= 0 || !first.isValid()) return layOutRoomChart({}, {}, first, nights);
    const QDate last = first.addDays(nights - 1);
    // Without the stay tables every stay is expected and holds no unit.
    if (!hasStayTables(connection))
        return layOutRoomChart({}, readStaysBetween(connection, first, last), first, nights);
    Layout layout(readUnits(connection), first, nights);
    const QStringList values{earliestReachingCheckIn(connection, first),
                             first.toString(Qt::ISODate), last.toString(Qt::ISODate)};
    std::vector<HeldSpan> held;
    {
        Query q(connection, kChartSpans, values);
        while (q.next())
            held.push_back({q.integer(0), {q.integer(1), q.date(2), q.date(3)}});
    }
    if (!std::is_sorted(held.begin(), held.end(), beforeHeld))
        std::sort(held.begin(), held.end(), beforeHeld);
    std::vector<UnitSpan> spans(held.size());
    std::transform(held.begin(), held.end(), spans.begin(),
                   [](const HeldSpan& h) { return h.span; });
    std::vector<ChartRow> rows;
    constexpr size_t kExpectedRows = 4096;
    rows.reserve(kExpectedRows);
    {
        Query q(connection, kChartStays, values);
        while (q.next()) {
            ChartRow row{{q.integer(0),
                          StayStatus(std::clamp<qint64>(q.integer(5), 0, 4)),
                          q.integer(2),
                          q.date(3),
                          q.date(4),
                          {}},
                         {}};
            const auto from =
                std::lower_bound(held.begin(), held.end(), row.stay.reservationId,
                                 [](const HeldSpan& h, qint64 id) { return h.reservationId < id; });
            auto to = from;
            while (to != held.end() && to->reservationId == row.stay.reservationId)
                ++to;
            if (from != to) {
                row.stay.spans = std::span<const UnitSpan>(spans).subspan(
                    size_t(from - held.begin()), size_t(to - from));
                row.guestName = q.text(1);
            }
            rows.push_back(std::move(row));
        }
    }
    const auto byCheckIn = [](const ChartRow& a, const ChartRow& b) {
        return a.stay.checkIn < b.stay.checkIn;
    };
    if (!std::is_sorted(rows.begin(), rows.end(), byCheckIn))
        std::stable_sort(rows.begin(), rows.end(), byCheckIn);
    for (const ChartRow& row : rows)
        layout.add(row.stay, [&] { return row.guestName; });
    return layout.finish();
}

} // namespace corvanna
