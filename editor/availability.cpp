#include "availability.h"

#include "base/failure.h"
#include "store/connection.h"
#include "store/stays.h"

#include <algorithm>

#include <QCoreApplication>

namespace corvanna {

std::vector<qint64> bookedPerNight(const std::vector<StayRow>& stays, const QString& kind,
                                   const QString& type, const QDate& first, int nights,
                                   qint64 leaveOut) {
    // Each stay adds its units where it begins in the window and takes them back after its last
    // night there; one pass over the nights then sums them.
    std::vector<qint64> change(size_t(nights) + 1, 0);
    const QDate last = first.addDays(nights - 1);
    const auto add = [&](const QDate& firstNight, const QDate& lastNight, qint64 units) {
        const QDate from = std::max(firstNight, first);
        const QDate to = std::min(lastNight, last);
        if (from > to) return;
        change[size_t(first.daysTo(from))] += units;
        change[size_t(first.daysTo(to)) + 1] -= units;
    };
    for (const StayRow& s : stays) {
        if (s.id == leaveOut) continue;
        const bool own = s.kind == kind && s.type == type && s.units != 0;
        if (own)
            add(s.checkIn, s.checkIn == s.checkOut ? s.checkIn : s.checkOut.addDays(-1), s.units);
        // A unit of another kind or type held by a stay counts against the unit's on its nights.
        for (const StayRow::Elsewhere& e : s.elsewhere) {
            if (own)
                add(e.from, e.to.addDays(-1), -1);
            else if (e.kind == kind && e.type == type)
                add(e.from, e.to.addDays(-1), 1);
        }
    }
    std::vector<qint64> booked(size_t(nights), 0);
    qint64 running = 0;
    for (int i = 0; i < nights; ++i)
        booked[size_t(i)] = running += change[size_t(i)];
    return booked;
}

std::vector<ChartRow> availabilityChart(const std::vector<StayRow>& stays,
                                        const std::vector<InventoryEntry>& inventory,
                                        const QDate& first, int nights) {
    std::vector<ChartRow> rows;
    for (GuestKind kind : {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall}) {
        const KindDetails& details = kindDetails(kind);
        for (const QString& type : details.types) {
            ChartRow row{kind, details.word, type, std::nullopt,
                         bookedPerNight(stays, details.word, type, first, nights)};
            for (const InventoryEntry& e : inventory)
                if (e.kind == details.word && e.type == type) row.units = e.units;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<ChartRow> readAvailabilityChart(Connection& connection, const QDate& first,
                                            int nights) {
    // The capacity of each kind and type: its units in service where it has units.
    std::vector<InventoryEntry> inventory;
    for (const auto& [key, units] : typeCapacities(connection))
        inventory.push_back({key.first, key.second, units});
    return availabilityChart(readStays(connection, first, first.addDays(nights - 1)), inventory,
                             first, nights);
}

std::optional<Overbooking> findOverbooking(const std::vector<StayRow>& stays, qint64 units,
                                           const QString& kind, const QString& type,
                                           const QDate& checkIn, const QDate& checkOut,
                                           qint64 wanted, qint64 leaveOut) {
    const int nights = checkIn == checkOut ? 1 : int(checkIn.daysTo(checkOut));
    if (nights <= 0 || wanted <= 0) return std::nullopt;
    const std::vector<qint64> booked = bookedPerNight(stays, kind, type, checkIn, nights, leaveOut);
    Overbooking result{kind, type, {}, 0};
    for (int i = 0; i < nights; ++i) {
        const qint64 missing = booked[size_t(i)] + wanted - units;
        if (missing <= 0) continue;
        result.nights << checkIn.addDays(i);
        result.over = std::max(result.over, missing);
    }
    if (result.nights.isEmpty()) return std::nullopt;
    return result;
}

std::optional<Overbooking> checkOverbooking(Connection& connection, const GuestEntry& entry,
                                            qint64 editedId) {
    const std::optional<QString> digits = wholeNumberDigits(entry.count);
    if (!digits || !entry.checkIn.isValid() || !entry.checkOut.isValid()) return std::nullopt;
    const std::optional<qint64> units = typeCapacity(connection, entry.kindWord, entry.type);
    if (!units) return std::nullopt; // no inventory entered: unlimited
    const QDate last = entry.checkIn == entry.checkOut ? entry.checkIn : entry.checkOut.addDays(-1);
    const std::vector<StayRow> stays =
        readStays(connection, entry.checkIn, last, std::pair{entry.kindWord, entry.type});
    return findOverbooking(stays, *units, entry.kindWord, entry.type, entry.checkIn, entry.checkOut,
                           digits->toLongLong(), editedId);
}

std::optional<Overbooking> overbookingOnSave(Connection& connection, const GuestEntry& entry,
                                             qint64 editedId) {
    // Long enough for another desk's commit, short beside the statement's own wait.
    constexpr int kReadWaitMs = 250;
    try {
        const ShortBusyWait wait(connection, kReadWaitMs);
        return checkOverbooking(connection, entry, editedId);
    } catch (const Failure&) {
    }
    // A server session dropped since the last statement fails the first read; the question is
    // not skipped for that: the read runs again on a new session, as the save's statement will.
    if (connection.lost()) {
        try {
            return checkOverbooking(connection, entry, editedId);
        } catch (const Failure&) {
        }
    }
    return std::nullopt;
}

QString overbookingQuestion(const Overbooking& o, const QLocale& locale) {
    constexpr int kNamed = 5;
    const QString format = shortDateFormat(locale);
    QStringList named;
    for (qsizetype i = 0; i < o.nights.size() && i < kNamed; ++i)
        named << locale.toString(o.nights[i], format);
    QString nights = named.join(QStringLiteral(", "));
    const int rest = static_cast<int>(o.nights.size() - named.size());
    // English says "1 more night" and "%n more nights"; the translations' plural forms follow %n.
    if (rest == 1)
        nights = QCoreApplication::translate("Availability", "%1 and 1 more night").arg(nights);
    if (rest > 1)
        nights = QCoreApplication::translate("Availability", "%1 and %n more nights", nullptr, rest)
                     .arg(nights);
    return QCoreApplication::translate("Availability",
                                       "This stay overbooks %1 %2 on %3 (%4 over). Save anyway?")
        .arg(o.type, kindText(o.kind), nights, QString::number(o.over));
}

} // namespace corvanna
