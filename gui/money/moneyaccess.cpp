#include "gui/money/moneyaccess.h"

#include "editor/guestcheck.h"
#include "gui/frame/session.h"
#include "store/money.h"

#include <QLocale>

namespace corvanna {

bool MoneyAccess::available(Session& session) {
    if (hasMoneyTables(session.connection())) return true;
    session.dialogs.notify(tr("This database keeps no accounts (it was made by an older program "
                              "and cannot be changed here), so prices, folios, invoices and "
                              "reports are not available."));
    return false;
}

QString MoneyAccess::currency(Connection& connection) {
    const QString stored = readHotel(connection).currency.trimmed();
    return stored.isEmpty() ? QLocale().currencySymbol(QLocale::CurrencyIsoCode) : stored;
}

QStringList MoneyAccess::kinds() {
    QStringList words;
    for (const GuestKind kind : {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall})
        words << kindDetails(kind).word;
    return words;
}

QStringList MoneyAccess::typesOf(const QString& kind) {
    const std::optional<GuestKind> k = kindOfWord(kind);
    return k ? kindDetails(*k).types : QStringList();
}

} // namespace corvanna
