#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace corvanna {

class Connection;

// How many units of one kind and type the hotel has (a row of tblInventory).
struct InventoryEntry {
    QString kind; // the kind word stored in Accommodation: "Room", "Wing", "Meeting Hall"
    QString type;
    qint64 units = 0;
    bool operator==(const InventoryEntry&) const = default;
};

// One reservation as availability counts it.
struct StayRow {
    qint64 id = 0;
    QString kind;
    QString type;
    qint64 units = 0; // NoOfRooms; a null counts as none
    QDate checkIn;
    QDate checkOut;
    // Nights [from, to) on which the stay holds a unit of another kind or type than its own:
    // they count one unit against the unit's kind and type instead of the stay's.
    struct Elsewhere {
        QString kind;
        QString type;
        QDate from;
        QDate to;
    };
    std::vector<Elsewhere> elsewhere = {};
};

// True when the stay takes the night: check-in <= night < check-out, and a same-day stay on its
// one day.
bool coversNight(const QDate& checkIn, const QDate& checkOut, const QDate& night);

// True when the database holds tblInventory.
bool hasInventoryTable(Connection& connection);

// While it lives, a statement on the connection waits at most `ms` for another program's lock.
class ShortBusyWait {
public:
    ShortBusyWait(Connection& connection, int ms);
    ~ShortBusyWait();
    ShortBusyWait(const ShortBusyWait&) = delete;
    ShortBusyWait& operator=(const ShortBusyWait&) = delete;

private:
    Connection& m_connection;
};

// The whole inventory, ordered by kind and type. Empty when the database has no tblInventory.
std::vector<InventoryEntry> readInventory(Connection& connection);
// The units of one kind and type; nothing when no entry (or no table) exists: unlimited.
std::optional<qint64> inventoryUnits(Connection& connection, const QString& kind,
                                     const QString& type);
// Replaces the whole inventory with the entries, in one transaction.
void writeInventory(Connection& connection, const std::vector<InventoryEntry>& entries);

// Every reservation that may take a night from `first` to `last`: read through the stay index
// with parameters, from the earliest check-in that can still reach `first`. With a kind, only
// that kind and type, and the stays of others that hold a unit of it (with no units of their
// own). The rows may include stays that end before `first`; coversNight decides. Cancelled and
// no-show stays are left out.
std::vector<StayRow> readStays(Connection& connection, const QDate& first, const QDate& last,
                               const std::optional<std::pair<QString, QString>>& kindAndType = {});

// The earliest check-in whose stay can still reach `first` (ISO text; empty: from the first
// stay): the longest stay in the table, read through its own index, bounds how far back the stay
// index must be read.
QString earliestReachingCheckIn(Connection& connection, const QDate& first);

// A reservation as the chart's night list shows it.
struct NightGuest {
    qint64 id = 0;
    QString guestName;
    qint64 units = 0;
    QDate checkIn;
    QDate checkOut;
};
// The reservations of a kind and type that take the night, ordered by guest name.
std::vector<NightGuest> readNightGuests(Connection& connection, const QString& kind,
                                        const QString& type, const QDate& night);

} // namespace corvanna
