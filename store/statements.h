#pragma once

#include "ownstatement.h"

#include <QDate>
#include <QString>
#include <span>

namespace corvanna {

// The values of one reservation as the guest editor (or the sample loader) writes them. The two
// counts are already whole numbers as decimal text.
struct GuestValues {
    QString guestName;
    QString accommodation;
    QString noOfRooms;
    QString type;
    QString serviceIncluded;
    QString noOfPersons;
    QDate checkIn;
    QDate checkOut;
    QString creditCardType;
    QString creditCardNo;
    QString phoneNumber;
    QString address;
};

// The texts of the six statements the program sends, built by the literal rules.
namespace statements {
QString selectRange(const QDate& checkIn, const QDate& checkOut);
QString selectAll();
QString selectById(const QString& id);
QString insert(const GuestValues& values);
QString update(const GuestValues& values, const QString& id);
QString deleteById(const QString& id);
} // namespace statements

// The day views: who arrives on a date, who is in the house that night, who leaves. Our own
// reads, with the date bound as the first parameter (ISO text) and served by the stay index.
enum class DayView { Arrivals, InTheHouse, Departures };

// The column of a day view's select that groups its rows by the stay's status: the list shows
// group 0 first, each group in the names' order.
inline constexpr const char* kStayGroupColumn = "StayGroup";

// One day view as the program offers it. The texts are source texts of the "DayView" context,
// translated where they are shown.
struct DayViewEntry {
    DayView view;
    OwnStatement statement;
    const char* name;     // the window's choice and the list's title: "Arrivals"
    const char* command;  // the menu command, with its mnemonic: "A&rrivals"
    const char* key;      // the command's object name is "action" + key: "Arrivals"
    const char* shortcut; // the command's key, as portable key sequence text: "Ctrl+1"
};

// Every day view, in the order the window and the menu offer them: adding a view is one row of
// this table (and its value of DayView).
std::span<const DayViewEntry> dayViewTable();
// The row of `view`, or null for a value that has none.
const DayViewEntry* findDayView(DayView view);

namespace statements {
OwnStatement dayViewStatement(DayView view);
// Arrivals without the stay group, for a database whose stay rows keep their arrival: the
// group is read apart from the stay table's arrival index (a probe per row costs more).
OwnStatement arrivalsWithoutGroup();
// The file's text of the view.
const char* dayView(DayView view);
} // namespace statements

// True for an id that may stand in a statement: a whole number (digits only, no sign).
bool isWholeNumberId(const QString& id);
// Throws Failure unless the id is a whole number: keeps other text out of the statements.
const QString& checkedId(const QString& id);

} // namespace corvanna
