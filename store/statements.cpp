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

OwnStatement arrivalsWithoutGroup() {
    return {"select * from tblRooms where CheckInDate=?1 order by GuestName",
            "select * from tblRooms where CheckInDate=$1 order by GuestName"};
}

OwnStatement dayViewStatement(DayView view) {
    if (const DayViewEntry* entry = findDayView(view)) return entry->statement;
    return {"", ""};
}

} // namespace statements

namespace {

// Arrivals: check-in on the date. In the house: the stays that cover that night (check-in on or
// before it, check-out after it) and the same-day stays of that day. Departures: check-out on the
// date. Each bounds the stay index's first column, so the engine reads the index, not the table;
// in the house also from below, by the longest stay (read at once through its own index). A stay
// stored with its check-out before its check-in arrives on its check-in date and departs on its
// check-out date, read from the index's other side; it covers no night, so it is never in the
// house.
//
// The stay's status orders them: arrivals still expected, and departures still to leave, come
// first (their StayGroup 0, which the list orders by before the names; the engine sorts by name
// alone, as before). An expected stay has no stay row, so on the file an arrival's group is
// whether its id has one: a probe of the stay table's key, its one cursor opened once. Once any
// stay of the night has been checked in, in the house lists only the guests checked in by that
// night and not checked out before it; until then, and on a database where no one was ever checked
// in, every view gives the rows it always gave.
constexpr DayViewEntry kDayViews[] = {
    {DayView::Arrivals,
     {"select *, id in (select ReservationId from tblStays) as StayGroup from tblRooms where "
      "CheckInDate=?1 order by GuestName",
      "select r.*, case when s.Status is null or s.Status='expected' then 0 else 1 end as "
      "StayGroup from tblRooms r left join tblStays s on s.ReservationId=r.id where "
      "r.CheckInDate=$1 order by r.GuestName"},
     QT_TRANSLATE_NOOP("DayView", "Arrivals"),
     QT_TRANSLATE_NOOP("DayView", "A&rrivals"),
     "Arrivals",
     "Ctrl+1"},
    {DayView::InTheHouse,
     {"select r.* from tblRooms r left join tblStays s on s.ReservationId=r.id where "
      "r.CheckInDate<=?1 and r.CheckInDate>=coalesce((select date(?1, '-' || "
      "max(julianday(CheckOutDate) - julianday(CheckInDate)) || ' days') from tblRooms), '') "
      "and (r.CheckOutDate>?1 or (r.CheckInDate=?1 and r.CheckOutDate=?1)) and "
      "((s.Status in ('in house', 'checked out') and date(s.CheckedInAt, 'localtime')<=?1 and "
      "(s.CheckedOutAt is null or date(s.CheckedOutAt, 'localtime')>?1)) or not exists (select "
      "1 from tblRooms h join tblStays hs on hs.ReservationId=h.id where h.CheckInDate<=?1 and "
      "h.CheckInDate>=coalesce((select date(?1, '-' || max(julianday(CheckOutDate) - "
      "julianday(CheckInDate)) || ' days') from tblRooms), '') and (h.CheckOutDate>?1 or "
      "(h.CheckInDate=?1 and h.CheckOutDate=?1)) and hs.Status in ('in house', 'checked out'))) "
      "order by r.GuestName",
      "select r.* from tblRooms r left join tblStays s on s.ReservationId=r.id where "
      "r.CheckInDate<=$1 and r.CheckInDate>=coalesce($1::date - least((select "
      "max(CheckOutDate - CheckInDate) from tblRooms), 1000000), '-infinity') and "
      "(r.CheckOutDate>$1 or (r.CheckInDate=$1 and r.CheckOutDate=$1)) and ((s.Status in ('in "
      "house', 'checked out') and s.CheckedInAt::date<=$1 and (s.CheckedOutAt is null or "
      "s.CheckedOutAt::date>$1)) or not exists (select 1 from tblRooms h join tblStays hs on "
      "hs.ReservationId=h.id where h.CheckInDate<=$1 and h.CheckInDate>=coalesce($1::date - "
      "least((select max(CheckOutDate - CheckInDate) from tblRooms), 1000000), '-infinity') and "
      "(h.CheckOutDate>$1 or (h.CheckInDate=$1 and h.CheckOutDate=$1)) and hs.Status in ('in "
      "house', 'checked out'))) order by r.GuestName"},
     QT_TRANSLATE_NOOP("DayView", "In the House"),
     QT_TRANSLATE_NOOP("DayView", "In the &House"),
     "InTheHouse",
     "Ctrl+2"},
    {DayView::Departures,
     {"select r.*, case when s.Status is null or s.Status in ('expected', 'in house') then 0 "
      "else 1 end as StayGroup from tblRooms r left join tblStays s on s.ReservationId=r.id "
      "where (r.CheckInDate<=?1 and r.CheckOutDate=?1) or (r.CheckInDate>?1 and "
      "r.CheckOutDate=?1) order by r.GuestName",
      "select r.*, case when s.Status is null or s.Status in ('expected', 'in house') then 0 "
      "else 1 end as StayGroup from tblRooms r left join tblStays s on s.ReservationId=r.id "
      "where (r.CheckInDate<=$1 and r.CheckOutDate=$1) or (r.CheckInDate>$1 and "
      "r.CheckOutDate=$1) order by r.GuestName"},
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
