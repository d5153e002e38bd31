#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <vector>

namespace corvanna {

class Connection;

// The desk's privacy rules: card numbers erased a number of days after check-out, guests
// erased a number of years after their last stay. Both off until the desk turns them on.
struct PrivacyRules {
    bool cardsOn = false;
    int cardDays = 30;
    bool guestsOn = false;
    int guestYears = 3;
    bool operator==(const PrivacyRules&) const = default;
};

PrivacyRules readPrivacyRules(Connection& connection);
void writePrivacyRules(Connection& connection, const PrivacyRules& rules);

// Masks every card number whose reservation checked out `cardDays` or more days before `today`
// (keeping the last four digits behind the card mask); returns how many, logged when any.
// Nothing while the rule is off.
int eraseCardsDue(Connection& connection, const QDate& today, const QString& desk);
// Erases every guest whose last check-out lies `guestYears` or more years before `today`;
// returns how many, logged when any. Nothing while the rule is off.
int eraseGuestsDue(Connection& connection, const QDate& today, const QString& desk);

// One line of the privacy log: when (UTC), which desk, what ("cards", "guest",
// "guests by age", "export") and how many.
struct PrivacyLogLine {
    QDateTime at;
    QString desk, what;
    int count = 0;
};
// The log, newest first.
std::vector<PrivacyLogLine> readPrivacyLog(Connection& connection);
// Adds a line to the log (the guest window logs its exports through it).
void logPrivacy(Connection& connection, const QString& what, int count, const QString& desk);

} // namespace corvanna
