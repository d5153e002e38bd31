#pragma once

#include "editor/guestcheck.h"
#include "store/inventory.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

namespace corvanna {

class Connection;

// Line of the guest editor's save that checks availability: after the expiry checks (up to 166),
// before the statement (from 168).
constexpr int kAvailabilityLine = 167;

// Units booked per night, for `nights` nights from `first`, by the stays of one kind and type
// and the units of it that stays of others hold; the reservation `leaveOut` (0: none) does not
// count.
std::vector<qint64> bookedPerNight(const std::vector<StayRow>& stays, const QString& kind,
                                   const QString& type, const QDate& first, int nights,
                                   qint64 leaveOut = 0);

// One row of the availability chart: a kind and type, its inventory and its bookings per night.
struct ChartRow {
    GuestKind kind;
    QString kindWord;
    QString type;
    std::optional<qint64> units; // nothing: no inventory entered, unlimited
    std::vector<qint64> booked;
    // Free units on a night; nothing when unlimited. Below zero when over-booked.
    std::optional<qint64> freeOn(int night) const {
        if (!units) return std::nullopt;
        return *units - booked[size_t(night)];
    }
};
// The chart for `nights` nights from `first`: one row per kind and type of the kinds table, in
// its order.
std::vector<ChartRow> availabilityChart(const std::vector<StayRow>& stays,
                                        const std::vector<InventoryEntry>& inventory,
                                        const QDate& first, int nights);
// The same, read from the database.
std::vector<ChartRow> readAvailabilityChart(Connection& connection, const QDate& first, int nights);

// The nights on which a stay would take more units than are free.
struct Overbooking {
    QString kind;
    QString type;
    QList<QDate> nights;
    qint64 over = 0; // the most units missing on one night
};
// What a stay of `wanted` units would over-book, given the other stays and the units there are.
std::optional<Overbooking> findOverbooking(const std::vector<StayRow>& stays, qint64 units,
                                           const QString& kind, const QString& type,
                                           const QDate& checkIn, const QDate& checkOut,
                                           qint64 wanted, qint64 leaveOut);
// Reads the inventory and the stays of the entry's kind and type and finds what saving the entry
// would over-book; the reservation `editedId` (0 for a new one) does not count against itself.
std::optional<Overbooking> checkOverbooking(Connection& connection, const GuestEntry& entry,
                                            qint64 editedId);
// The same for the guest editor's save: nothing either when the database cannot be read at once
// (a lock held elsewhere past a short wait, a damaged file). The statement that follows meets the
// same trouble and reports it, so the save neither waits twice nor reports twice.
std::optional<Overbooking> overbookingOnSave(Connection& connection, const GuestEntry& entry,
                                             qint64 editedId);
// "This stay overbooks <Type> <kind> on <nights> (<n> over). Save anyway?", at most five nights
// named in the locale's short date form and the count of the rest.
QString overbookingQuestion(const Overbooking& overbooking, const QLocale& locale = QLocale());

} // namespace corvanna
