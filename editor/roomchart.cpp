#include "roomchart.h"

#include <algorithm>
#include <unordered_map>

namespace corvanna {

namespace {

// The nights a stay takes: [check-in, check-out), a same-day stay its one day.
std::pair<QDate, QDate> stayNights(const Stay& stay) {
    if (!stay.checkIn.isValid() || !stay.checkOut.isValid() || stay.checkOut < stay.checkIn)
        return {};
    return {stay.checkIn, stay.checkIn == stay.checkOut ? stay.checkIn.addDays(1) : stay.checkOut};
}

bool holdsNothing(StayStatus status) {
    return status == StayStatus::Cancelled || status == StayStatus::NoShow;
}

} // namespace

RoomChart layOutRoomChart(const std::vector<Unit>& units, const std::vector<Stay>& stays,
                          const QDate& first, int nights) {
    RoomChart chart;
    chart.first = first;
    chart.nights = std::max(0, nights);
    chart.units = units;
    chart.unassignedPerNight.assign(size_t(chart.nights), 0);
    if (chart.nights == 0 || !first.isValid()) return chart;
    const QDate end = first.addDays(chart.nights);
    std::unordered_map<qint64, int> rowOf;
    for (size_t i = 0; i < units.size(); ++i)
        rowOf.emplace(units[i].id, int(i));
    // Rooms wanted without a unit: each stay adds its rooms over its nights in the chart and takes
    // one back over each night a unit holds it; one pass then sums the changes.
    std::vector<qint64> change(size_t(chart.nights) + 1, 0);
    auto column = [&](const QDate& d) { return int(first.daysTo(d)); };
    for (const Stay& stay : stays) {
        if (holdsNothing(stay.status)) continue;
        const auto [from, to] = stayNights(stay);
        if (!to.isValid()) continue;
        for (const UnitSpan& span : stay.spans) {
            const QDate a = std::max(span.from, first);
            const QDate b = std::min(span.to, end);
            const auto row = rowOf.find(span.unitId);
            if (a >= b || row == rowOf.end()) continue;
            chart.bars.push_back({stay.reservationId, row->second, column(a), int(a.daysTo(b)),
                                  stay.guestName, stay.status, span.from<first, span.to> end});
        }
        // A guest who has left wants no unit any more.
        if (stay.rooms <= 0 || stay.status == StayStatus::CheckedOut) continue;
        const QDate a = std::max(from, first);
        const QDate b = std::min(to, end);
        if (a >= b) continue;
        qint64 held = 0;
        change[size_t(column(a))] += stay.rooms;
        change[size_t(column(b))] -= stay.rooms;
        for (const UnitSpan& span : stay.spans) {
            const QDate sa = std::max({span.from, a});
            const QDate sb = std::min({span.to, b});
            if (sa >= sb) continue;
            change[size_t(column(sa))] -= 1;
            change[size_t(column(sb))] += 1;
            held += sa.daysTo(sb);
        }
        if (stay.rooms > 1 || held < a.daysTo(b)) chart.unassigned.push_back(stay.reservationId);
    }
    qint64 running = 0;
    for (int i = 0; i < chart.nights; ++i)
        chart.unassignedPerNight[size_t(i)] = int(running += change[size_t(i)]);
    return chart;
}

RoomChart readRoomChart(Connection& connection, const QDate& first, int nights) {
    if (nights <= 0 || !first.isValid()) return layOutRoomChart({}, {}, first, nights);
    return layOutRoomChart(readUnits(connection),
                           readStaysBetween(connection, first, first.addDays(nights - 1)), first,
                           nights);
}

} // namespace corvanna
