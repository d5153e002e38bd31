#include "guestcheck.h"

#include "base/failure.h"

#include <QCoreApplication>

namespace corvanna {

namespace {

// The kinds' words and captions stay English in the database; they are translated where they
// are shown (kindText). The types are names the desk stores and shows as they are.
QString marked(const char* text) {
    return QString::fromUtf8(text);
}

const KindDetails kRooms{marked(QT_TRANSLATE_NOOP("GuestCheck", "Rooms")),
                         marked(QT_TRANSLATE_NOOP("GuestCheck", "Room")),
                         marked(QT_TRANSLATE_NOOP("GuestCheck", "No. Of Rooms:")),
                         marked(QT_TRANSLATE_NOOP("GuestCheck", "Room Type:")),
                         {QStringLiteral("Single"), QStringLiteral("Double"),
                          QStringLiteral("Deluxe"), QStringLiteral("Suite"),
                          QStringLiteral("Superior"), QStringLiteral("Other")}};
const KindDetails kWings{
    marked(QT_TRANSLATE_NOOP("GuestCheck", " Wings")),
    marked(QT_TRANSLATE_NOOP("GuestCheck", "Wing")),
    marked(QT_TRANSLATE_NOOP("GuestCheck", "No. Of Wings:")),
    marked(QT_TRANSLATE_NOOP("GuestCheck", "Wing Type:")),
    {QStringLiteral("Royal"), QStringLiteral("Honeymoon"), QStringLiteral("Family Type")}};
const KindDetails kMeetingHall{marked(QT_TRANSLATE_NOOP("GuestCheck", "Meeting Hall")),
                               marked(QT_TRANSLATE_NOOP("GuestCheck", "Meeting Hall")),
                               marked(QT_TRANSLATE_NOOP("GuestCheck", "No. Of Halls:")),
                               marked(QT_TRANSLATE_NOOP("GuestCheck", "Hall Type:")),
                               {QStringLiteral("Main Hall"), QStringLiteral("East Hall"),
                                QStringLiteral("West Hall"), QStringLiteral("Green Leaf Hall")}};

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

GuestCheck required(int testLine, GuestField field, const QString& message) {
    return {testLine,     testLine + 2,
            testLine + 4, field,
            message,      [field](const GuestEntry& e) { return isBlank(fieldText(e, field)); }};
}

GuestCheck wholeNumber(GuestField field, const QString& message) {
    return {kCountCheckLine,
            kCountCheckLine,
            kCountCheckLine,
            field,
            message,
            [field](const GuestEntry& e) { return !wholeNumberDigits(fieldText(e, field)); }};
}

GuestCheck countInRange(GuestField field, const QString& message) {
    return {kCountCheckLine,
            kCountCheckLine,
            kCountCheckLine,
            field,
            message,
            [field](const GuestEntry& e) {
                const std::optional<QString> digits = wholeNumberDigits(fieldText(e, field));
                return digits && !fitsCountColumn(*digits);
            }};
}

QString countDigits(const QString& text) {
    const std::optional<QString> digits = wholeNumberDigits(text);
    if (!digits) throw Failure(kTypeMismatch);
    if (!fitsCountColumn(*digits)) throw Failure(kOverflow);
    return *digits;
}

} // namespace

const KindDetails& kindDetails(GuestKind kind) {
    switch (kind) {
    case GuestKind::Wings:
        return kWings;
    case GuestKind::MeetingHall:
        return kMeetingHall;
    case GuestKind::Rooms:
        break;
    }
    return kRooms;
}

QString kindText(const QString& text) {
    return QCoreApplication::translate("GuestCheck", text.toUtf8().constData());
}

std::optional<GuestKind> kindOfWord(const QString& word) {
    for (GuestKind kind : {GuestKind::Rooms, GuestKind::Wings, GuestKind::MeetingHall})
        if (word == kindDetails(kind).word) return kind;
    return std::nullopt;
}

QString fieldText(const GuestEntry& e, GuestField field) {
    switch (field) {
    case GuestField::Text1:
        return e.guestName;
    case GuestField::Text2:
        return e.count;
    case GuestField::Combo1:
        return e.type;
    case GuestField::Combo2:
        return e.creditCardType;
    case GuestField::Text3:
        return e.creditCardNo;
    case GuestField::Text4:
        return e.persons;
    case GuestField::Text6:
        return e.phoneNumber;
    case GuestField::Text7:
        return e.address;
    case GuestField::None:
        break;
    }
    return {};
}

std::vector<GuestCheck> saveChecks(const QString& kindWord, const QDate& today) {
    using F = GuestField;
    const QString kind = kindText(kindWord);
    const QString largest = QString::number(kLargestCount);
    return {
        required(112, F::Text1,
                 QCoreApplication::translate("GuestCheck", "You forgot to input Guest Name.")),
        required(118, F::Text2,
                 QCoreApplication::translate("GuestCheck", "You forgot to enter Number of %1.")
                     .arg(kind)),
        required(
            124, F::Combo1,
            QCoreApplication::translate("GuestCheck", "You forgot to enter %1 Type.").arg(kind)),
        required(
            130, F::Combo2,
            QCoreApplication::translate("GuestCheck", "You forgot to enter Credit Card Type.")),
        required(
            136, F::Text3,
            QCoreApplication::translate("GuestCheck", "You forgot to enter Credit Card Number.")),
        required(
            142, F::Text4,
            QCoreApplication::translate("GuestCheck", "You forgot to enter Number Of Persons.")),
        required(148, F::Text6,
                 QCoreApplication::translate("GuestCheck", "You forgot to enter Phone Number.")),
        required(154, F::Text7,
                 QCoreApplication::translate("GuestCheck", "You forgot to enter Address.")),
        // A count becomes part of a statement, so only a whole number may pass.
        wholeNumber(F::Text2, QCoreApplication::translate("GuestCheck",
                                                          "Number of %1 must be a whole number.")
                                  .arg(kind)),
        countInRange(F::Text2, QCoreApplication::translate("GuestCheck",
                                                           "Number of %1 cannot be more than %2.")
                                   .arg(kind, largest)),
        wholeNumber(F::Text4, QCoreApplication::translate(
                                  "GuestCheck", "Number Of Persons must be a whole number.")),
        countInRange(F::Text4, QCoreApplication::translate(
                                   "GuestCheck", "Number Of Persons cannot be more than %1.")
                                   .arg(largest)),
        {160, 162, 0, F::None, QCoreApplication::translate("GuestCheck", "Credit card is expired."),
         [today](const GuestEntry& e) { return e.expiry < today; }},
        {164, 166, 0, F::None,
         QCoreApplication::translate("GuestCheck",
                                     "Credit card expiry date is less than the check out date."),
         [](const GuestEntry& e) { return e.expiry < e.checkOut; }},
    };
}

std::optional<GuestCheck> firstFailedCheck(const GuestEntry& entry, const QDate& today) {
    for (GuestCheck& check : saveChecks(entry.kindWord, today))
        if (check.fails(entry)) return std::move(check);
    return std::nullopt;
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

bool isBlank(const QString& text) {
    return trimBlanks(text).isEmpty();
}

std::optional<QString> wholeNumberDigits(const QString& text) {
    const QString digits = trimBlanks(text);
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits)
        if (!isAsciiDigit(c)) return std::nullopt;
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits.at(first) == QLatin1Char('0'))
        ++first;
    return digits.mid(first);
}

bool fitsCountColumn(const QString& digits) {
    static const QString largest = QString::number(kLargestCount);
    // Plain digits without leading zeros: a longer text is a larger number, an equally long one
    // compares as text.
    return digits.size() < largest.size() || (digits.size() == largest.size() && digits <= largest);
}

GuestValues guestValues(const GuestEntry& e) {
    GuestValues v;
    v.guestName = e.guestName;
    v.accommodation = e.kindWord;
    v.noOfRooms = countDigits(e.count);
    v.type = e.type;
    v.serviceIncluded = e.serviceIncluded;
    v.noOfPersons = countDigits(e.persons);
    v.checkIn = e.checkIn;
    v.checkOut = e.checkOut;
    v.creditCardType = e.creditCardType;
    v.creditCardNo = e.creditCardNo;
    v.phoneNumber = e.phoneNumber;
    v.address = e.address;
    return v;
}

QDate storedDate(const QString& text) {
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) throw Failure(kTypeMismatch);
    if (date < kEarliestPickerDate || date > kLatestPickerDate)
        throw Failure(kInvalidPropertyValue);
    return date;
}

} // namespace corvanna
