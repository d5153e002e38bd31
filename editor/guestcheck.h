#pragma once

#include "base/dates.h"
#include "store/statements.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace corvanna {

// The most characters a user can type into one of the guest editor's text boxes.
constexpr int kGuestTextLimit = 50;

// What a reservation books: rooms, wings or meeting halls.
enum class GuestKind { Rooms, Wings, MeetingHall };

// How the editor shows one kind, and the word stored in Accommodation.
struct KindDetails {
    QString optionCaption; // the option button's caption
    QString word;          // "Room", "Wing", "Meeting Hall"
    QString countCaption;  // Label2
    QString typeCaption;   // Label3
    QStringList types;     // Combo1's items, in order
};

const KindDetails& kindDetails(GuestKind kind);
// A kind's caption or word in the desk's language, for showing only.
QString kindText(const QString& text);
// The kind a stored Accommodation names, by exact, case-sensitive comparison.
std::optional<GuestKind> kindOfWord(const QString& word);

// The editor's boxes that a failed check can send the focus to.
enum class GuestField { None, Text1, Text2, Combo1, Combo2, Text3, Text4, Text6, Text7 };

// What Save reads from the editor, as typed.
struct GuestEntry {
    QString kindWord;
    QString guestName;       // Text1
    QString count;           // Text2: rooms, wings or halls
    QString type;            // Combo1
    QString creditCardType;  // Combo2
    QString creditCardNo;    // Text3
    QString persons;         // Text4
    QString serviceIncluded; // Text5
    QString phoneNumber;     // Text6
    QString address;         // Text7
    QDate checkIn;
    QDate checkOut;
    QDate expiry;
};

QString fieldText(const GuestEntry& entry, GuestField field);

// One of Save's checks. When `fails` holds, Save shows `message` (line `messageLine`), moves the
// focus to `focus` (line `focusLine`, none for the expiry checks) and writes nothing.
struct GuestCheck {
    int testLine = 0;
    int messageLine = 0;
    int focusLine = 0;
    GuestField focus = GuestField::None;
    QString message;
    std::function<bool(const GuestEntry&)> fails;
};

// Line of the check that both counts are whole numbers; it runs between the required-field
// tests (up to 158) and the expiry tests (from 160).
constexpr int kCountCheckLine = 159;

// Save's checks in the order they run: the eight required fields, the two counts (each a whole
// number, then within the column's range), the expiry.
std::vector<GuestCheck> saveChecks(const QString& kindWord, const QDate& today);
// The first check the entry fails, if any.
std::optional<GuestCheck> firstFailedCheck(const GuestEntry& entry, const QDate& today);

// The text without its leading and trailing space characters (tabs and line breaks stay).
QString trimBlanks(const QString& text);
bool isBlank(const QString& text);

// The largest count the table's count columns hold.
constexpr qint64 kLargestCount = std::numeric_limits<qint64>::max();

// The plain decimal digits (no leading zeros) of a count typed as a whole number: blanks at
// either end, then digits 0-9. Nothing for any other text.
std::optional<QString> wholeNumberDigits(const QString& text);
// True for plain digits of a number no larger than kLargestCount.
bool fitsCountColumn(const QString& digits);

// The values the insert or update writes: texts as typed, the counts as their digits. Throws
// Failure when a count is not a whole number ("Type mismatch") or too large ("Overflow").
GuestValues guestValues(const GuestEntry& entry);

// A date read from the table ("yyyy-mm-dd") as a date a picker can hold. Throws Failure for a
// null or unreadable date and for one outside the pickers' range.
QDate storedDate(const QString& text);

} // namespace corvanna
