#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvanna {

class Connection;
struct Session;

// What every money window asks first.
class MoneyAccess {
    Q_DECLARE_TR_FUNCTIONS(Money)
public:
    // False, after a message saying why, when the database keeps no accounts.
    static bool available(Session& session);
    // The hotel's currency code, or the locale's when none is stored.
    static QString currency(Connection& connection);
    // The kinds a rate or a unit names, as the reservations store them.
    static QStringList kinds();
    static QStringList typesOf(const QString& kind);
};

} // namespace corvanna
