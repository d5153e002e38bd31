#include "roomchart.h"

#include "store/connection.h"
#include "store/inventory.h"
#include "store/ownquery.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <climits>
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
    void expectStays(size_t count) { m_chart.unassigned.reserve(count); }

    // `name` gives the guest's name, asked for only when the stay has a bar; `waiting` the stay
    // as the list of stays without a unit shows it, asked for only when it wants one.
    template <typename Name, typename Waiting>
    void add(const ChartStay& stay, Name&& name, Waiting&& waiting) {
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
        if (stay.rooms > 1 || held < a.daysTo(b)) m_chart.unassigned.push_back(waiting());
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
// earliest check-in that can still reach ?2 (?1): the stay index and the table alone, no other.
constexpr OwnStatement kChartStays{
    "select id, GuestName, NoOfRooms, CheckInDate, CheckOutDate, Accommodation, Type from "
    "tblRooms where CheckInDate>=?1 and CheckInDate<=?3 and CheckOutDate>=?2",
    "select id, GuestName, NoOfRooms, CheckInDate, CheckOutDate, Accommodation, Type from "
    "tblRooms where CheckInDate>=coalesce(nullif($1::text, '')::date, '-infinity') and "
    "CheckInDate<=$3::date and CheckOutDate>=$2::date order by CheckInDate, id"};
// The units held on those nights, from the held nights' index alone: spans lie within their
// stay's nights, so a span that reaches ?2 begins no earlier than ?1.
constexpr OwnStatement kChartSpans{
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where FromNight>=?1 and "
    "FromNight<=?3 and ToNight>?2",
    "select ReservationId, UnitId, FromNight, ToNight from tblStayUnits where "
    "FromNight>=coalesce(nullif($1::text, '')::date, '-infinity') and FromNight<=$3::date and "
    "ToNight>$2::date"};
// The stay rows of the reservations in ranges of ids ([[from, to], ...]), each with its status
// as the number of its StayStatus: a range is one ordered read of the stay table's key.
constexpr OwnStatement kChartStatuses{
    "select s.ReservationId, case s.Status when 'in house' then 1 when 'checked out' then 2 when "
    "'cancelled' then 3 when 'no-show' then 4 else 0 end from json_each(?1) j cross join "
    "tblStays s where s.ReservationId between json_extract(j.value, '$[0]') and "
    "json_extract(j.value, '$[1]')",
    "select s.ReservationId, case s.Status when 'in house' then 1 when 'checked out' then 2 when "
    "'cancelled' then 3 when 'no-show' then 4 else 0 end from json_array_elements($1::json) j "
    "join tblStays s on s.ReservationId between (j->>0)::bigint and (j->>1)::bigint"};
// The same from the stay table's arrival index alone, where the stay rows keep their arrival:
// the stays arriving from ?1 to ?2, those of the chart among them.
constexpr OwnStatement kChartStatusesByArrival{
    "select ReservationId, case Status when 'in house' then 1 when 'checked out' then 2 when "
    "'cancelled' then 3 when 'no-show' then 4 else 0 end from tblStays where Arrival>=?1 and "
    "Arrival<=?2",
    "select ReservationId, case Status when 'in house' then 1 when 'checked out' then 2 when "
    "'cancelled' then 3 when 'no-show' then 4 else 0 end from tblStays where "
    "Arrival>=coalesce(nullif($1::text, '')::date, '-infinity') and Arrival<=$2::date"};
// Ids closer than this share one range: the read passes over at most this many other stay rows
// per reservation of the chart, where one probe per reservation would cost more.
constexpr qint64 kStatusRangeGap = 16;

// A span with the reservation that holds it.
struct HeldSpan {
    qint64 reservationId = 0;
    UnitSpan span;
};

bool beforeHeld(const HeldSpan& a, const HeldSpan& b) {
    return a.reservationId != b.reservationId ? a.reservationId < b.reservationId
                                              : a.span.from < b.span.from;
}

// A reservation of the chart as read: its texts kept as the engine's bytes or as an index until
// a bar or the stays without a unit ask for them.
struct ReadStay {
    qint64 reservationId = 0;
    qint64 rooms = 0;
    QDate checkIn;
    QDate checkOut;
    quint32 nameAt = 0;
    quint32 nameSize = 0;
    quint32 kind = 0; // in the read's texts
    quint32 type = 0;
    quint32 firstSpan = 0; // in the read's held spans
    quint16 spanCount = 0;
    StayStatus status = StayStatus::Expected;
};

// Each text of columns whose few values repeat (kinds, types), made text once; a row keeps its
// index.
class TextIndex {
public:
    quint32 of(QByteArrayView bytes) {
        if (!m_texts.empty() && m_raw[m_last] == bytes) return m_last;
        for (quint32 i = 0; i < m_raw.size(); ++i)
            if (m_raw[i] == bytes) return m_last = i;
        m_raw.push_back(bytes.toByteArray());
        m_texts.push_back(QString::fromUtf8(bytes));
        return m_last = quint32(m_texts.size() - 1);
    }
    std::vector<QString> take() { return std::move(m_texts); }

private:
    std::vector<QByteArray> m_raw;
    std::vector<QString> m_texts;
    quint32 m_last = 0;
};

// Dates of a read, each made once: a chart's few hundred stays begin and end on a few dozen days.
class DayIndex {
public:
    QDate of(const Query& q, int column) {
        const QByteArrayView text = q.bytes(column);
        if (text.size() != kIsoLength) return q.date(column);
        // The month's last digit and the day's digits spread a month's days over the slots.
        Slot& slot = m_slots[size_t(text[6] * 31 + text[8] * 10 + text[9]) % m_slots.size()];
        if (slot.date.isValid() && std::equal(text.begin(), text.end(), slot.text))
            return slot.date;
        slot.date = q.date(column);
        std::copy(text.begin(), text.end(), slot.text);
        return slot.date;
    }

private:
    static constexpr qsizetype kIsoLength = 10;
    struct Slot {
        char text[kIsoLength] = {};
        QDate date;
    };
    std::array<Slot, 64> m_slots{};
};

// The ranges of the sorted ids as the statuses' statement takes them.
QString idRanges(const std::vector<std::pair<qint64, quint32>>& sorted) {
    QString text = QStringLiteral("[");
    for (size_t i = 0; i < sorted.size();) {
        size_t j = i;
        while (j + 1 < sorted.size() && sorted[j + 1].first - sorted[j].first <= kStatusRangeGap)
            ++j;
        if (text.size() > 1) text += QLatin1Char(',');
        text += QStringLiteral("[%1,%2]").arg(sorted[i].first).arg(sorted[j].first);
        i = j + 1;
    }
    return text + QLatin1Char(']');
}

} // namespace

RoomChart layOutRoomChart(const std::vector<Unit>& units, const std::vector<Stay>& stays,
                          const QDate& first, int nights) {
    Layout layout(units, first, nights);
    QByteArray names;
    TextIndex texts;
    for (const Stay& stay : stays)
        layout.add(
            {stay.reservationId, stay.status, stay.rooms, stay.checkIn, stay.checkOut, stay.spans},
            [&] { return stay.guestName; },
            [&] {
                const QByteArray name = stay.guestName.toUtf8();
                const WaitingStay waiting{
                    stay.reservationId,          stay.checkIn,         stay.checkOut,
                    quint32(names.size()),       quint32(name.size()), texts.of(stay.kind.toUtf8()),
                    texts.of(stay.type.toUtf8())};
                names += name;
                return waiting;
            });
    RoomChart chart = layout.finish();
    chart.guestNames = std::move(names);
    chart.texts = texts.take();
    return chart;
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
    DayIndex days;
    std::vector<HeldSpan> held;
    {
        Query q(connection, kChartSpans, values);
        while (q.next())
            held.push_back({q.integer(0), {q.integer(1), days.of(q, 2), days.of(q, 3)}});
    }
    if (!std::is_sorted(held.begin(), held.end(), beforeHeld))
        std::sort(held.begin(), held.end(), beforeHeld);
    std::vector<UnitSpan> spans(held.size());
    std::transform(held.begin(), held.end(), spans.begin(),
                   [](const HeldSpan& h) { return h.span; });
    std::vector<ReadStay> rows;
    QByteArray names;
    constexpr size_t kExpectedRows = 8192;
    rows.reserve(kExpectedRows);
    TextIndex texts;
    {
        Query q(connection, kChartStays, values);
        while (q.next()) {
            const QByteArrayView name = q.bytes(1);
            ReadStay row;
            row.reservationId = q.integer(0);
            row.rooms = q.integer(2);
            row.checkIn = days.of(q, 3);
            row.checkOut = days.of(q, 4);
            row.nameAt = quint32(names.size());
            row.nameSize = quint32(name.size());
            row.kind = texts.of(q.bytes(5));
            row.type = texts.of(q.bytes(6));
            rows.push_back(row);
            names.append(name);
        }
    }
    // The rows by id: each held reservation's spans and each stay row's status found once.
    std::vector<std::pair<qint64, quint32>> byId(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        byId[i] = {rows[i].reservationId, quint32(i)};
    std::sort(byId.begin(), byId.end());
    const auto rowOf = [&](qint64 id) -> ReadStay* {
        const auto at = std::lower_bound(byId.begin(), byId.end(), std::pair{id, quint32(0)});
        return at != byId.end() && at->first == id ? &rows[at->second] : nullptr;
    };
    for (size_t i = 0; i < held.size();) {
        size_t j = i + 1;
        while (j < held.size() && held[j].reservationId == held[i].reservationId)
            ++j;
        if (ReadStay* row = rowOf(held[i].reservationId)) {
            row->firstSpan = quint32(i);
            row->spanCount = quint16(std::min<size_t>(j - i, USHRT_MAX));
        }
        i = j;
    }
    if (!byId.empty()) {
        const bool byArrival = hasStayArrivals(connection);
        Query q(connection, byArrival ? kChartStatusesByArrival : kChartStatuses,
                byArrival ? QStringList{values[0], values[2]} : QStringList{idRanges(byId)});
        while (q.next())
            if (ReadStay* row = rowOf(q.integer(0)))
                row->status = StayStatus(std::clamp<qint64>(q.integer(1), 0, 4));
    }
    const auto byCheckIn = [](const ReadStay& a, const ReadStay& b) {
        return a.checkIn < b.checkIn;
    };
    if (!std::is_sorted(rows.begin(), rows.end(), byCheckIn))
        std::stable_sort(rows.begin(), rows.end(), byCheckIn);
    layout.expectStays(rows.size());
    for (const ReadStay& row : rows)
        layout.add(
            {row.reservationId, row.status, row.rooms, row.checkIn, row.checkOut,
             std::span<const UnitSpan>(spans).subspan(row.firstSpan, row.spanCount)},
            [&] { return QString::fromUtf8(names.constData() + row.nameAt, row.nameSize); },
            [&] {
                return WaitingStay{row.reservationId, row.checkIn, row.checkOut, row.nameAt,
                                   row.nameSize,      row.kind,    row.type};
            });
    RoomChart chart = layout.finish();
    chart.guestNames = std::move(names);
    chart.texts = texts.take();
    return chart;
}

} // namespace corvanna
