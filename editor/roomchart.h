#pragma once

#include "store/stays.h"

#include <QDate>
#include <QString>
#include <vector>

namespace corvanna {

class Connection;

// One stay's span on one unit's row of the chart, clipped to the chart's nights.
struct ChartBar {
    qint64 reservationId = 0;
    int unitRow = 0;     // index into RoomChart::units
    int firstColumn = 0; // night index from RoomChart::first
    int columns = 0;
    QString guestName;
    StayStatus status = StayStatus::Expected;
    bool startsBefore = false; // the span begins before the chart's first night
    bool endsAfter = false;    // the span goes on after the chart's last night
};

// The room chart of `nights` nights from `first`: a row per unit, a bar per held span, and per
// night the rooms of stays that take it without a unit.
struct RoomChart {
    QDate first;
    int nights = 0;
    std::vector<Unit> units;
    std::vector<ChartBar> bars;
    std::vector<int> unassignedPerNight; // rooms wanted without a unit, per night
    std::vector<qint64> unassigned;      // the reservations behind them, by check-in
};

// Lays out the chart from units and stays (pure). Cancelled and no-show stays hold nothing.
RoomChart layOutRoomChart(const std::vector<Unit>& units, const std::vector<Stay>& stays,
                          const QDate& first, int nights);
// Reads the units and the stays of the nights and lays them out.
RoomChart readRoomChart(Connection& connection, const QDate& first, int nights);

} // namespace corvanna
