#include "money.h"

#include "base/failure.h"

namespace corvanna {

int weekdayBit(const QDate& day) {
    return 1 << (day.dayOfWeek() - 1);
}

qint64 divideRounded(qint64 numerator, qint64 denominator) {
    if (denominator < 0) return divideRounded(-numerator, -denominator);
    const qint64 half = denominator / 2;
    return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

qint64 taxOfGross(qint64 grossCents, int basisPoints) {
    return divideRounded(grossCents * basisPoints, 10000 + basisPoints);
}

HotelDetails readHotel(Connection&) {
    return {};
}
void writeHotel(Connection&, const HotelDetails&) {}
std::vector<TaxRate> readTaxRates(Connection&) {
    return {};
}
qint64 addTaxRate(Connection&, const TaxRate&) {
    return 0;
}
std::vector<Rate> readRates(Connection&) {
    return {};
}
qint64 addRate(Connection&, const Rate&) {
    return 0;
}
void retireRate(Connection&, qint64) {}
std::optional<Rate> rateForNight(const std::vector<Rate>&, const QString&, const QString&,
                                 const QDate&) {
    return {};
}
std::vector<QDate> unpricedNights(const std::vector<Rate>&, const QString&, const QString&,
                                  const QDate&, int) {
    return {};
}
int priceStay(Connection&, qint64, const QString&) {
    return 0;
}
void overrideNight(Connection&, qint64, const QDate&, qint64, const QString&, qint64) {}
std::vector<NightPrice> readNightPrices(Connection&, qint64) {
    return {};
}
qint64 lastInsertedReservation(Connection&) {
    return 0;
}
int saveAndPrice(Connection&, qint64, const QString&, const std::function<int()>& write) {
    return write();
}
qint64 addCharge(Connection&, qint64, const QString&, qint64, qint64, qint64, const QString&) {
    return 0;
}
qint64 addPayment(Connection&, qint64, PaymentKind, qint64, const QString&, const QDate&,
                  const QString&, const QString&) {
    return 0;
}
qint64 voidEntry(Connection&, EntryKind, qint64, const QString&) {
    return 0;
}
Folio readFolio(Connection&, qint64) {
    return {};
}
Invoice issueInvoice(Connection&, qint64, const QString&) {
    return {};
}
Invoice issueCreditNote(Connection&, qint64, const QString&) {
    return {};
}
std::vector<Invoice> readInvoices(Connection&, qint64) {
    return {};
}
QString invoiceNumberText(const Invoice& invoice) {
    return QStringLiteral("%1-%2").arg(invoice.year).arg(invoice.number, 4, 10, QLatin1Char('0'));
}
qint64 occupancyBasisPoints(qint64 nightsSold, qint64 unitsAvailable) {
    return unitsAvailable ? divideRounded(nightsSold * 10000, unitsAvailable) : 0;
}
qint64 averageDailyRateCents(qint64 roomRevenueCents, qint64 nightsSold) {
    return nightsSold ? divideRounded(roomRevenueCents, nightsSold) : 0;
}
qint64 revParCents(qint64 roomRevenueCents, qint64 unitsAvailable) {
    return unitsAvailable ? divideRounded(roomRevenueCents, unitsAvailable) : 0;
}
Report readReport(Connection&, const QDate&, const QDate&) {
    return {};
}
std::vector<KeptMoney> readDeletedWithMoney(Connection&) {
    return {};
}
bool hasMoneyTables(Connection&) {
    return false;
}

} // namespace corvanna
