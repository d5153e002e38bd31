#include "privacy.h"

#include "base/cardmask.h"
#include "base/failure.h"
#include "connection.h"
#include "guests.h"
#include "ownquery.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QTimeZone>
#include <QVariant>

namespace corvanna {

namespace {

constexpr const char* kCardsRule = "cards";
constexpr const char* kGuestsRule = "guests";
// The longest a rule can wait: a century of days or years.
constexpr int kMostDays = 36500;
constexpr int kMostYears = 100;

constexpr OwnStatement kReadRules{"select Rule, Enabled, After from tblPrivacyRules",
                                  "select Rule, Enabled, After from tblPrivacyRules"};
constexpr OwnStatement kWriteRule{
    "insert into tblPrivacyRules (Rule, Enabled, After) values (?, ?, ?) on conflict (Rule) do "
    "update set Enabled=excluded.Enabled, After=excluded.After",
    "insert into tblPrivacyRules (Rule, Enabled, After) values ($1, $2::integer, $3::integer) on "
    "conflict (Rule) do update set Enabled=excluded.Enabled, After=excluded.After"};

// Card numbers of stays that checked out on or before ?1 and are not behind the mask yet (?2:
// a pattern holding the mask's sign).
constexpr OwnStatement kCardsDue{
    "select id, CreditCardNo from tblRooms where CheckOutDate<=?1 and coalesce(CreditCardNo, "
    "'')<>'' and CreditCardNo not like ?2",
    "select id, CreditCardNo from tblRooms where CheckOutDate<=$1::date and "
    "coalesce(CreditCardNo, '')<>'' and CreditCardNo not like $2"};
// Only the number that was read: a number changed meanwhile waits for the next run.
constexpr OwnStatement kMaskCard{
    "update tblRooms set CreditCardNo=? where id=? and CreditCardNo=?",
    "update tblRooms set CreditCardNo=$1 where id=$2::bigint and CreditCardNo=$3"};

// Profiles not erased whose last check-out lies on or before ?1. A profile without a stay with
// dates is kept.
constexpr OwnStatement kGuestsDue{
    "select sg.GuestId from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId join "
    "tblGuests g on g.id=sg.GuestId where g.ErasedAt is null group by sg.GuestId having "
    "max(r.CheckOutDate)<=?1",
    "select sg.GuestId from tblStayGuests sg join tblRooms r on r.id=sg.ReservationId join "
    "tblGuests g on g.id=sg.GuestId where g.ErasedAt is null group by sg.GuestId having "
    "max(r.CheckOutDate)<=$1::date"};

constexpr OwnStatement kLog{
    "insert into tblPrivacyLog (At, Desk, What, Count) values (?, ?, ?, ?)",
    "insert into tblPrivacyLog (At, Desk, What, Count) values ($1::timestamptz, $2, $3, "
    "$4::integer)"};
constexpr OwnStatement kReadLog{
    "select At, Desk, What, Count from tblPrivacyLog order by id desc",
    "select to_char(At at time zone 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), Desk, What, "
    "Count from tblPrivacyLog order by id desc"};

QString bullet() {
    return maskedCardNumber(QStringLiteral("0")).left(1);
}

} // namespace

PrivacyRules readPrivacyRules(Connection& connection) {
    PrivacyRules rules;
    if (!hasGuestTables(connection)) return rules;
    Query q(connection, kReadRules);
    while (q.next()) {
        const bool on = q.integer(1) != 0;
        const int after = int(q.integer(2));
        if (q.text(0) == QLatin1String(kCardsRule)) {
            rules.cardsOn = on;
            rules.cardDays = after;
        } else if (q.text(0) == QLatin1String(kGuestsRule)) {
            rules.guestsOn = on;
            rules.guestYears = after;
        }
    }
    return rules;
}

void writePrivacyRules(Connection& connection, const PrivacyRules& rules) {
    if (rules.cardDays < 1 || rules.cardDays > kMostDays)
        throw Failure(
            QCoreApplication::translate("Privacy", "Card numbers are erased after 1 to %1 days.")
                .arg(kMostDays));
    if (rules.guestYears < 1 || rules.guestYears > kMostYears)
        throw Failure(
            QCoreApplication::translate("Privacy", "Guests are erased after 1 to %1 years.")
                .arg(kMostYears));
    Transaction t(connection);
    connection.execute(kWriteRule,
                       {QString::fromLatin1(kCardsRule), rules.cardsOn ? 1 : 0, rules.cardDays});
    connection.execute(
        kWriteRule, {QString::fromLatin1(kGuestsRule), rules.guestsOn ? 1 : 0, rules.guestYears});
    t.commit();
}

int eraseCardsDue(Connection& connection, const QDate& today, const QString& desk) {
    const PrivacyRules rules = readPrivacyRules(connection);
    if (!rules.cardsOn || !today.isValid()) return 0;
    const QDate lastDue = today.addDays(-rules.cardDays);
    std::vector<std::pair<qint64, QString>> due;
    {
        Query q(connection, kCardsDue,
                {lastDue.toString(Qt::ISODate), QLatin1Char('%') + bullet() + QLatin1Char('%')});
        while (q.next())
            due.emplace_back(q.integer(0), q.text(1));
    }
    if (due.empty()) return 0;
    SecureDelete zeroed(connection);
    Transaction t(connection);
    int count = 0;
    for (const auto& [id, number] : due)
        count += connection.execute(kMaskCard, {maskedCardNumber(number), id, number});
    if (count > 0) logPrivacy(connection, QString::fromLatin1(kCardsRule), count, desk);
    t.commit();
    return count;
}

int eraseGuestsDue(Connection& connection, const QDate& today, const QString& desk) {
    const PrivacyRules rules = readPrivacyRules(connection);
    if (!rules.guestsOn || !today.isValid()) return 0;
    const QDate lastDue = today.addYears(-rules.guestYears);
    SecureDelete zeroed(connection);
    Transaction t(connection);
    std::vector<qint64> due;
    {
        Query q(connection, kGuestsDue, {lastDue.toString(Qt::ISODate)});
        while (q.next())
            due.push_back(q.integer(0));
    }
    if (due.empty()) return 0;
    for (qint64 id : due)
        eraseGuestWithin(connection, id);
    logPrivacy(connection, QStringLiteral("guests by age"), int(due.size()), desk);
    t.commit();
    return int(due.size());
}

std::vector<PrivacyLogLine> readPrivacyLog(Connection& connection) {
    std::vector<PrivacyLogLine> lines;
    if (!hasGuestTables(connection)) return lines;
    Query q(connection, kReadLog);
    while (q.next()) {
        QDateTime at = QDateTime::fromString(q.text(0), Qt::ISODateWithMs);
        at.setTimeZone(QTimeZone::utc());
        lines.push_back({at, q.text(1), q.text(2), int(q.integer(3))});
    }
    return lines;
}

void logPrivacy(Connection& connection, const QString& what, int count, const QString& desk) {
    connection.execute(kLog, {QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs),
                              desk.isNull() ? QStringLiteral("") : desk, what, count});
}

} // namespace corvanna
