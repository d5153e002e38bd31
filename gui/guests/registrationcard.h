#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;
class QRect;

namespace corvanna {

// Set by hand in the [Corvanna] section to the hotel's name, which heads a registration card;
// without it the card carries the program's title. Never written by the program.
inline const QString kHotelNameKey = QStringLiteral("HotelName");

// One guest of a stay as the card shows them.
struct CardGuest {
    QString name;
    bool booker = false;
    QString nationality;
    QDate birthDate;
    QString address;
    QString docType, docNumber, docCountry;
    QDate docExpiry;
};

// What a registration card holds: the house, the stay and every guest of it.
struct RegistrationCard {
    QString hotel;
    qint64 reservationId = 0;
    QString kind, type;
    QStringList units; // the units the stay holds, by name; empty while none is assigned
    QDate checkIn, checkOut;
    std::vector<CardGuest> guests; // the booker first
};

// One line of the card, top to bottom.
struct CardLine {
    enum class Style { Title, Heading, Field, Signature };
    Style style = Style::Field;
    QString text;
};

// The card's lines: the house, the stay (dates, nights, unit), each guest with their document,
// then the signature line. Dates in the locale's short format. Pure: no database, no painter.
std::vector<CardLine> layOutRegistrationCard(const RegistrationCard& card,
                                             const QLocale& locale = QLocale());

// Paints the lines within `page`; a guest's lines that would not fit go to the next page
// (`newPage` starts it and returns false to stop). Returns the number of pages.
int paintRegistrationCard(QPainter& painter, const QRect& page, const std::vector<CardLine>& lines,
                          const std::function<bool()>& newPage);

} // namespace corvanna
