#pragma once

#include "store/stays.h"

#include <QByteArray>
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

// A stay that wants a unit on some night of the chart, as the chart's window lists it; its texts
// are kept once in the chart and read through it.
struct WaitingStay {
    qint64 reservationId = 0;
    QDate checkIn;
    QDate checkOut;
    quint32 nameAt = 0; // the guest's name in RoomChart::guestNames (UTF-8)
    quint32 nameSize = 0;
    quint32 kind = 0; // in RoomChart::texts
    quint32 type = 0;
};

// The room chart of `nights` nights from `first`: a row per unit, a bar per held span, and per
// night the rooms of stays that take it without a unit.
struct RoomChart {
    QDate first;
    int nights = 0;
    std::vector<Unit> units;
    std::vector<ChartBar> bars;
    std::vector<int> unassignedPerNight; // rooms wanted without a unit, per night
    std::vector<WaitingStay> unassigned; // the stays behind them, by check-in
    QByteArray guestNames;               // their guests' names, made text when shown
    std::vector<QString> texts;          // their kinds and types, each once

    QString guestName(const WaitingStay& stay) const {
        return QString::fromUtf8(guestNames.constData() + stay.nameAt, stay.nameSize);
    }
    const QString& kind(const WaitingStay& stay) const { return texts[stay.kind]; }
    const QString& type(const WaitingStay& stay) const { return texts[stay.type]; }
};

// Lays out the chart from units and stays (pure). Cancelled and no-show stays hold nothing.
RoomChart layOutRoomChart(const std::vector<Unit>& units, const std::vector<Stay>& stays,
                          const QDate& first, int nights);
// Reads the units and the stays of the nights and lays them out: the reservations that may take
// the nights, the spans held on them and the statuses of those reservations, one read each.
RoomChart readRoomChart(Connection& connection, const QDate& first, int nights);

} // namespace corvanna
