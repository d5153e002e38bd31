#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace corvanna {

class Connection;

// Where a reservation stands at the desk. A reservation with no stay row is expected.
enum class StayStatus { Expected, InHouse, CheckedOut, Cancelled, NoShow };
// Who cancelled: kept with a cancelled stay.
enum class CancelReason { None, ByGuest, ByHotel };

// One room, wing or hall the hotel lets, by the name the desk uses ("12", "Garden Wing").
struct Unit {
    qint64 id = 0;
    QString name;
    QString kind; // the kind word stored in Accommodation: "Room", "Wing", "Meeting Hall"
    QString type;
    QString area; // optional floor or area
    bool inService = true;
    bool operator==(const Unit&) const = default;
};

// A unit held by a stay for the nights [from, to).
struct UnitSpan {
    qint64 unitId = 0;
    QDate from;
    QDate to;
    bool operator==(const UnitSpan&) const = default;
};

// One reservation as a stay: its reservation's values with its status and units.
struct Stay {
    qint64 reservationId = 0;
    QString guestName;
    QString kind;
    QString type;
    qint64 rooms = 0;
    QDate checkIn;
    QDate checkOut;
    StayStatus status = StayStatus::Expected;
    CancelReason reason = CancelReason::None;
    QDateTime checkedInAt; // UTC
    QDateTime checkedOutAt;
    std::vector<UnitSpan> spans; // ordered by first night
};

// True when the database holds the stay tables.
bool hasStayTables(Connection& connection);
// Whether each stay row keeps its reservation's check-in date (a database that took the step).
bool hasStayArrivals(Connection& connection);
// The reservations arriving on `day` whose stay has a row (any status but expected), by id.
std::vector<qint64> stayRowsArrivingOn(Connection& connection, const QDate& day);

// Units, ordered by kind, type and name.
std::vector<Unit> readUnits(Connection& connection);
// Adds a unit and returns its id. Throws Failure for an empty or a taken name.
qint64 addUnit(Connection& connection, const Unit& unit);
void updateUnit(Connection& connection, const Unit& unit);
// True while any stay holds the unit on some night.
bool unitHoldsStay(Connection& connection, qint64 unitId);
// Refused (Failure) while any stay holds the unit.
void removeUnit(Connection& connection, qint64 id);

// Every stay that takes a night from `first` to `last` (both included), with its status and
// spans, ordered by check-in.
std::vector<Stay> readStaysBetween(Connection& connection, const QDate& first, const QDate& last);
// One stay; throws Failure when no reservation has the id.
Stay readStay(Connection& connection, qint64 reservationId);
// Every cancelled or no-show stay, by reservation: the rows the list greys.
std::map<qint64, StayStatus> readCancelledStays(Connection& connection);
// The statuses of the given reservations that are not expected.
std::map<qint64, StayStatus> readStatuses(Connection& connection, const std::vector<qint64>& ids);

// The stay that already holds a unit on a night: the answer when an assignment is refused.
struct UnitTaken {
    qint64 otherReservation = 0;
    QString otherGuest;
    QDate night;
};
// Gives the stay the unit from `fromNight` (invalid: from check-in) to its check-out; the nights
// before stay with the unit they had. Refused, saying who holds it, when another stay holds the
// unit on one of those nights, also when another desk takes it at the same moment.
std::optional<UnitTaken> assignUnit(Connection& connection, qint64 reservationId, qint64 unitId,
                                    const QDate& fromNight = {});
// Frees every unit the stay holds.
void unassignUnit(Connection& connection, qint64 reservationId);
// The units of a kind and type in service that are free on every night of the stay.
std::vector<Unit> freeUnits(Connection& connection, const QString& kind, const QString& type,
                            const QDate& checkIn, const QDate& checkOut);

// Checks the guest in, giving the unit when one is named; refused (nothing changed) when the
// unit is taken. Throws Failure for a stay that cannot be checked in.
std::optional<UnitTaken> checkIn(Connection& connection, qint64 id, std::optional<qint64> unitId,
                                 const QString& desk);
void checkOut(Connection& connection, qint64 id, const QString& desk);
// Cancel and no-show keep the reservation with its status and free its nights.
void cancel(Connection& connection, qint64 id, CancelReason reason, const QString& desk);
void markNoShow(Connection& connection, qint64 id, const QString& desk);
// True when the stay's last change is a check-in or a check-out that can be undone.
bool canUndo(Connection& connection, qint64 id);
// Restores the stay exactly as it was before its last check-in or check-out.
void undoLast(Connection& connection, qint64 id);

// A kind and type that has both units and an older count in the inventory, and they differ.
struct CapacityDifference {
    QString kind;
    QString type;
    qint64 counted = 0; // the inventory's count
    qint64 units = 0;   // units in service
};
// The differences not yet settled.
std::vector<CapacityDifference> capacityDifferences(Connection& connection);
// The desk's decision: keepUnits counts the units from now on; otherwise the older count stays
// the type's capacity. Either way the difference is not shown again.
void settleCapacity(Connection& connection, const QString& kind, const QString& type,
                    bool keepUnits);

// Each kind and type's capacity: the units in service where it has units (the older count where
// the desk chose to keep it), else the inventory's count. A kind and type with neither is
// unlimited and has no entry.
std::map<std::pair<QString, QString>, qint64> typeCapacities(Connection& connection);
std::optional<qint64> typeCapacity(Connection& connection, const QString& kind,
                                   const QString& type);

// The status and the reason as the desk reads them (translated).
QString statusText(StayStatus status);
QString reasonText(CancelReason reason);

} // namespace corvanna
