#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace corvanna {

class Connection;

// Money is whole minor units (cents) of the hotel's currency, never a floating value. Prices are
// gross: the tax is inside them. Tax rates are basis points (700 = 7.00 %).

// A whole in basis points: 100 %.
constexpr int kBasisPointsWhole = 10000;

// Weekday bits of a rate: Monday 1, Tuesday 2, ... Sunday 64.
constexpr int kEveryWeekday = 127;
int weekdayBit(const QDate& day);

// The tax inside a gross amount: gross × rate / (10000 + rate), rounded half away from zero to
// the cent. Taxes are rounded per line, with this one function.
qint64 taxOfGross(qint64 grossCents, int basisPoints);
// Half away from zero: the rounding of every division of money.
qint64 divideRounded(qint64 numerator, qint64 denominator);

// The hotel as its invoices name it (tblHotel, key and value).
struct HotelDetails {
    QString name;
    QString address;
    QString taxNumber;
    QString currency; // ISO 4217 code; the locale's when none is stored
    QString footer;
    bool operator==(const HotelDetails&) const = default;
};
HotelDetails readHotel(Connection& connection);
void writeHotel(Connection& connection, const HotelDetails& hotel);

struct TaxRate {
    qint64 id = 0;
    QString name;
    int basisPoints = 0;
    bool operator==(const TaxRate&) const = default;
};
// Ordered by id. Throws Failure for an empty name or a rate outside 0..10000 basis points.
std::vector<TaxRate> readTaxRates(Connection& connection);
qint64 addTaxRate(Connection& connection, const TaxRate& rate);

// A price per unit and night for a kind and type. Both dates null: the type's default price;
// otherwise the nights from..to, both included. Only nights whose weekday bit is set.
struct Rate {
    qint64 id = 0;
    QString kind;
    QString type;
    QDate from;
    QDate to;
    int weekdays = kEveryWeekday;
    qint64 priceCents = 0;
    qint64 taxRateId = 0;
    QDateTime createdAt; // UTC; set by addRate
    bool operator==(const Rate&) const = default;
};
// The rates in force (not retired), by id.
std::vector<Rate> readRates(Connection& connection);
// Throws Failure for a price below zero, no weekday, a range with one date or ending before it
// begins, or an unknown tax rate.
qint64 addRate(Connection& connection, const Rate& rate);
// The rate no longer prices new nights; nights it priced keep their price.
void retireRate(Connection& connection, qint64 id);

// Pure: the rate that prices one night of a kind and type: among those whose range and weekdays
// take the night, the narrowest range (a dated range before the default), then the newest.
std::optional<Rate> rateForNight(const std::vector<Rate>& rates, const QString& kind,
                                 const QString& type, const QDate& night);
// Pure: the nights from `from` on (`days` of them) that no rate prices.
std::vector<QDate> unpricedNights(const std::vector<Rate>& rates, const QString& kind,
                                  const QString& type, const QDate& from, int days);

// A night's price as stored: the newest row of a night is its price.
struct NightPrice {
    qint64 id = 0; // orders the night's rows, the newest highest (on the file: its place, from 0)
    qint64 reservationId = 0;
    QDate night;
    qint64 priceCents = 0; // per unit
    qint64 taxRateId = 0;
    QString source; // "rate" or "override"
    QDateTime at;   // UTC
    QString desk;
};
// Every night of the stay that has no price yet gets the rate's price (nights no rate prices
// stay without one). Runs inside the caller's transaction when one is under way (the save's),
// else in one of its own. Returns how many nights it priced.
int priceStay(Connection& connection, qint64 reservationId, const QString& desk);
// A new price for one night of the stay, with the tax rate of its price before (or, for a night
// without one, of its rate; `taxRateId` names another). Throws Failure for a night outside the
// stay or a price below zero.
void overrideNight(Connection& connection, qint64 reservationId, const QDate& night,
                   qint64 priceCents, const QString& desk, qint64 taxRateId = 0);
// The stay's nights with their current price (newest row), by night; nights outside the stay
// are left out.
std::vector<NightPrice> readNightPrices(Connection& connection, qint64 reservationId);

// The inserted reservation's id, read right after the classic insert on the same connection.
qint64 lastInsertedReservation(Connection& connection);
// The save's write and the pricing of the stay's new nights in one transaction: `write` runs
// the classic statement (its count of changed rows is returned); the stay it wrote is then
// priced (`reservationId` 0: the row it inserted). Nothing is kept when either fails.
int saveAndPrice(Connection& connection, qint64 reservationId, const QString& desk,
                 const std::function<int()>& write);

enum class PaymentKind { Deposit, Payment, Refund };
// Adds a charge (minibar, breakfast...): quantity × unit price, gross. Returns its id.
qint64 addCharge(Connection& connection, qint64 reservationId, const QString& description,
                 qint64 quantity, qint64 unitPriceCents, qint64 taxRateId, const QString& desk);
// Adds a deposit, payment or refund of a positive amount. Returns its id.
qint64 addPayment(Connection& connection, qint64 reservationId, PaymentKind kind,
                  qint64 amountCents, const QString& method, const QDate& paidOn,
                  const QString& note, const QString& desk);
enum class EntryKind { Charge, Payment };
// Voids a charge or a payment by a row that refers to it. Throws Failure for an entry that is
// already void or is itself a void.
qint64 voidEntry(Connection& connection, EntryKind kind, qint64 id, const QString& desk);

// One line of a reservation's account.
struct FolioLine {
    enum Kind { Night, Charge, Deposit, Payment, Refund };
    Kind kind = Night;
    // The row in tblNightPrices, tblCharges or tblPayments: a charge's or a payment's is the id
    // voidEntry takes (EntryKind::Charge for Charge, EntryKind::Payment for the other three);
    // a night's orders its night's rows (NightPrice::id) and it is overridden by its date
    // (overrideNight).
    qint64 sourceId = 0;
    QDate date;            // the night, the charge's day, the day paid
    QString description;   // a night: "Night of <date>"; a charge: its text; a payment: its note
    qint64 quantity = 1;   // a night: the reservation's units
    qint64 unitCents = 0;  // a night: its price per unit
    qint64 totalCents = 0; // quantity × unit; a payment's amount (positive)
    qint64 taxRateId = 0;  // nights and charges
    QString method;        // payments
    QString desk;
    QDateTime at;        // UTC, when it was written
    QString source;      // a night: "rate" or "override"
    bool voided = false; // a void row refers to it: not counted
    qint64 voids = 0;    // read only: the entry a void row cancels (void rows are not lines)
};
// A tax rate's share of the account: the gross of its lines and their taxes, each rounded per
// line.
struct TaxTotal {
    qint64 grossCents = 0;
    qint64 taxCents = 0;
    int basisPoints = 0;
    QString name;
};
struct Folio {
    qint64 reservationId = 0;
    QString guestName;
    QString address;
    QString phone;
    QString kind;
    QString type;
    qint64 units = 0;
    QDate checkIn;
    QDate checkOut;
    bool unsold = false;               // cancelled or no-show: its nights are not charged
    std::vector<FolioLine> lines;      // nights by date, then charges and payments by time
    std::vector<QDate> unpricedNights; // nights of the stay with no price row
    std::map<qint64, TaxTotal> taxByRate;
    qint64 chargesCents = 0; // nights and charges, voided ones left out
    qint64 paidCents = 0;    // deposits and payments less refunds, voided ones left out
    qint64 balanceCents = 0; // charges less paid: what the guest still owes
};
// Throws Failure when no reservation has the id.
Folio readFolio(Connection& connection, qint64 reservationId);

// An invoice or a credit note, as issued: the fixed snapshot of the account at that moment.
struct Invoice {
    qint64 id = 0;
    int year = 0;
    int number = 0;      // gapless within the year; credit notes share the sequence
    QString kind;        // "invoice" or "credit note"
    qint64 refersTo = 0; // a credit note's invoice
    qint64 reservationId = 0;
    QDateTime issuedAt; // UTC
    QString desk;
    QJsonObject snapshot; // hotel, guest, stay, lines, taxes, totals (see money.cpp)
};
// Issues the reservation's invoice for its account as it stands. Two desks issuing at once get
// consecutive numbers. Throws Failure for an account with no line.
Invoice issueInvoice(Connection& connection, qint64 reservationId, const QString& desk);
// Cancels an invoice by a credit note of the same lines with the opposite sign. Throws Failure
// for a credit note, or an invoice already credited.
Invoice issueCreditNote(Connection& connection, qint64 invoiceId, const QString& desk);
// The reservation's invoices and credit notes, in the order issued.
std::vector<Invoice> readInvoices(Connection& connection, qint64 reservationId);
// The number as printed: "2026-0001".
QString invoiceNumberText(const Invoice& invoice);

// The period's figures for the reports. Cancelled and no-show stays sell no nights.
struct ReportDay {
    QDate day;
    qint64 unitsAvailable = 0;
    qint64 nightsSold = 0; // units sold that night
    qint64 roomRevenueCents = 0;
};
struct ReportMonth {
    int year = 0;
    int month = 0;
    qint64 unitsAvailable = 0;
    qint64 nightsSold = 0;
    qint64 roomRevenueCents = 0;
};
struct OpenBalance {
    qint64 reservationId = 0;
    QString guestName;
    QDate checkIn;
    QDate checkOut;
    qint64 balanceCents = 0;
};
struct Report {
    std::vector<ReportDay> days;
    std::vector<ReportMonth> months;
    std::map<qint64, TaxTotal> revenueByTaxRate; // nights and charges of the period
    std::map<QString, qint64> paymentsByMethod;  // paid in the period, refunds subtracted
    std::vector<OpenBalance> openBalances;       // stays of the period that do not balance
};
// Occupancy in parts per ten thousand (8125 = 81.25 %), ADR and RevPAR in cents; 0 when the
// divisor is 0.
qint64 occupancyBasisPoints(qint64 nightsSold, qint64 unitsAvailable);
qint64 averageDailyRateCents(qint64 roomRevenueCents, qint64 nightsSold);
qint64 revParCents(qint64 roomRevenueCents, qint64 unitsAvailable);
Report readReport(Connection& connection, const QDate& first, const QDate& last);

// A reservation deleted while it had money rows: its rows stay, and this says whose they were.
struct KeptMoney {
    qint64 reservationId = 0;
    QString guestName;
    QDate checkIn;
    QDate checkOut;
    QDateTime deletedAt; // UTC
};
std::vector<KeptMoney> readDeletedWithMoney(Connection& connection);

// True when the database holds the money tables.
bool hasMoneyTables(Connection& connection);

} // namespace corvanna
