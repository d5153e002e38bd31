#include "statements.h"

#include "base/failure.h"
#include "literals.h"

#include <QtGlobal>

#include <QCoreApplication>

namespace corvanna {
namespace statements {

QString selectRange(const QDate& checkIn, const QDate& checkOut) {
    return QStringLiteral("select * from tblRooms where CheckInDate>=") + dateLiteral(checkIn) +
           QStringLiteral(" and CheckOutDate<=") + dateLiteral(checkOut) +
           QStringLiteral(" order by GuestName");
}

QString selectAll() {
    return QStringLiteral("select * from tblRooms order by GuestName");
}

QString selectById(const QString& id) {
    return QStringLiteral("select * from tblRooms where id=") + id;
}

QString insert(const GuestValues& v) {
    return QStringLiteral("insert into tblRooms ([GuestName],[Accommodation],[NoOfRooms],[Type],"
                          "[ServiceIncluded],[NoOfPersons],[CheckInDate],[CheckOutDate],"
                          "[CreditCardType],[CreditCardNo],[PhoneNumber],[Address]) values (") +
           quoteText(v.guestName) + QLatin1Char(',') + quoteText(v.accommodation) +
           QLatin1Char(',') + doubleQuotes(v.noOfRooms) + QLatin1Char(',') + quoteText(v.type) +
           QLatin1Char(',') + quoteText(v.serviceIncluded) + QLatin1Char(',') +
           doubleQuotes(v.noOfPersons) + QLatin1Char(',') + dateLiteral(v.checkIn) +
           QLatin1Char(',') + dateLiteral(v.checkOut) + QLatin1Char(',') +
           quoteText(v.creditCardType) + QLatin1Char(',') + quoteText(v.creditCardNo) +
           QLatin1Char(',') + quoteText(v.phoneNumber) + QLatin1Char(',') + quoteText(v.address) +
           QLatin1Char(')');
}

QString update(const GuestValues& v, const QString& id) {
    return QStringLiteral("update tblRooms set [GuestName]=") + quoteText(v.guestName) +
           QStringLiteral(",[Accommodation]=") + quoteText(v.accommodation) +
           QStringLiteral(",[NoOfRooms]=") + doubleQuotes(v.noOfRooms) +
           QStringLiteral(",[Type]=") + quoteText(v.type) + QStringLiteral(",[ServiceIncluded]=") +
           quoteText(v.serviceIncluded) + QStringLiteral(",[NoOfPersons]=") +
           doubleQuotes(v.noOfPersons) + QStringLiteral(",[CheckInDate]=") +
           dateLiteral(v.checkIn) + QStringLiteral(",[CheckOutDate]=") + dateLiteral(v.checkOut) +
           QStringLiteral(",[CreditCardType]=") + quoteText(v.creditCardType) +
           QStringLiteral(",[CreditCardNo]=") + quoteText(v.creditCardNo) +
           QStringLiteral(",[PhoneNumber]=") + quoteText(v.phoneNumber) +
           QStringLiteral(",[Address]=") + quoteText(v.address) + QStringLiteral(" where id=") + id;
}

QString deleteById(const QString& id) {
    return QStringLiteral("delete from tblRooms where id=") + id;
}

const char* dayView(DayView view) {
    return dayViewStatement(view).file;
}

OwnStatement dayViewStatement(DayView view) {
    if (const DayViewEntry* entry = findDayView(view)) return entry->statement;
    return {"", ""};
}

} // namespace statements

namespace {

// Arrivals: check-in on the date. In the house: the stays that cover that night (check-in on or
// before it, check-out after it) and the same-day stays of that day. Departures: check-out on the
// date. Each bounds the stay index's first column, so the engine reads the index, not the table.
// A stay stored with its check-out before its check-in arrives on its check-in date and departs
// on its check-out date, read from the index's other side; it covers no night, so it is never in
// the house.
constexpr DayViewEntry kDayViews[] = {
    {DayView::Arrivals,
     {"select * from tblRooms where CheckInDate=?1 order by GuestName",
      "select * from tblRooms where CheckInDate=$1 order by GuestName"},
     QT_TRANSLATE_NOOP("DayView", "Arrivals"),
     QT_TRANSLATE_NOOP("DayView", "A&rrivals"),
     "Arrivals",
     "Ctrl+1"},
    {DayView::InTheHouse,
     {"select * from tblRooms where CheckInDate<=?1 and (CheckOutDate>?1 or "
      "(CheckInDate=?1 and CheckOutDate=?1)) order by GuestName",
      "select * from tblRooms where CheckInDate<=$1 and (CheckOutDate>$1 or "
      "(CheckInDate=$1 and CheckOutDate=$1)) order by GuestName"},
     QT_TRANSLATE_NOOP("DayView", "In the House"),
     QT_TRANSLATE_NOOP("DayView", "In the &House"),
     "InTheHouse",
     "Ctrl+2"},
    {DayView::Departures,
     {"select * from tblRooms where (CheckInDate<=?1 and CheckOutDate=?1) or "
      "(CheckInDate>?1 and CheckOutDate=?1) order by GuestName",
      "select * from tblRooms where (CheckInDate<=$1 and CheckOutDate=$1) or "
      "(CheckInDate>$1 and CheckOutDate=$1) order by GuestName"},
     QT_TRANSLATE_NOOP("DayView", "Departures"),
     QT_TRANSLATE_NOOP("DayView", "De&partures"),
     "Departures",
     "Ctrl+3"},
};

} // namespace

std::span<const DayViewEntry> dayViewTable() {
    return kDayViews;
}

const DayViewEntry* findDayView(DayView view) {
    for (const DayViewEntry& entry : kDayViews)
        if (entry.view == view) return &entry;
    return nullptr;
}

bool isWholeNumberId(const QString& id) {
    if (id.isEmpty() || id.size() > 18) return false;
    for (const QChar c : id)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

const QString& checkedId(const QString& id) {
    if (!isWholeNumberId(id))
        throw Failure(QCoreApplication::translate(
                          "Statements", "The reservation key \"%1\" is not a whole number")
                          .arg(id));
    return id;
}

} // namespace corvanna
