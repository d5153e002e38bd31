#include "gui/guests/registrationcard.h"

#include "base/dates.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRect>

namespace corvanna {

namespace {

constexpr double kTitleScale = 1.6;
constexpr double kHeadingScale = 1.15;
constexpr int kSignatureLines = 3; // the room a signature takes, in lines

// The card's texts, translated in a context of their own.
class CardText {
    Q_DECLARE_TR_FUNCTIONS(RegistrationCard)
};

QString dateText(const QDate& date, const QLocale& locale) {
    return date.isValid() ? locale.toString(date, shortDateFormat(locale)) : QString();
}

void addField(std::vector<CardLine>& lines, const QString& text) {
    lines.push_back({CardLine::Style::Field, text});
}

} // namespace

std::vector<CardLine> layOutRegistrationCard(const RegistrationCard& card, const QLocale& locale) {
    std::vector<CardLine> lines;
    lines.push_back({CardLine::Style::Title, card.hotel});
    lines.push_back({CardLine::Style::Heading,
                     CardText::tr("Registration card, reservation %1").arg(card.reservationId)});
    const qint64 nights =
        card.checkIn.isValid() && card.checkOut.isValid() ? card.checkIn.daysTo(card.checkOut) : 0;
    addField(lines, CardText::tr("Arrival: %1").arg(dateText(card.checkIn, locale)));
    addField(lines, CardText::tr("Departure: %1").arg(dateText(card.checkOut, locale)));
    // English says "1 night" and "%n nights"; translations follow their plural forms.
    addField(lines, nights == 1 ? CardText::tr("1 night")
                                : CardText::tr("%n nights", nullptr, int(nights)));
    addField(lines, CardText::tr("Accommodation: %1, %2").arg(card.kind, card.type));
    addField(lines, card.units.isEmpty()
                        ? CardText::tr("Unit: not assigned yet")
                        : CardText::tr("Unit: %1").arg(card.units.join(QStringLiteral(", "))));
    const int count = int(card.guests.size());
    for (int i = 0; i < count; ++i) {
        const CardGuest& guest = card.guests[size_t(i)];
        lines.push_back(
            {CardLine::Style::Heading,
             guest.booker
                 ? CardText::tr("Guest %1 of %2: %3 (booker)").arg(i + 1).arg(count).arg(guest.name)
                 : CardText::tr("Guest %1 of %2: %3").arg(i + 1).arg(count).arg(guest.name)});
        addField(lines, CardText::tr("Nationality: %1").arg(guest.nationality));
        addField(lines, CardText::tr("Date of birth: %1").arg(dateText(guest.birthDate, locale)));
        addField(lines,
                 CardText::tr("Address: %1")
                     .arg(QString(guest.address).replace(QLatin1Char('\n'), QStringLiteral(", "))));
        addField(lines, CardText::tr("Document: %1 %2, issued by %3, valid until %4")
                            .arg(guest.docType, guest.docNumber, guest.docCountry,
                                 dateText(guest.docExpiry, locale)));
    }
    lines.push_back({CardLine::Style::Signature, CardText::tr("Signature of the guest")});
    return lines;
}

int paintRegistrationCard(QPainter& painter, const QRect& page, const std::vector<CardLine>& lines,
                          const std::function<bool()>& newPage) {
    const QFont base = painter.font();
    int pages = 1;
    int y = page.top();
    for (const CardLine& line : lines) {
        QFont font = base;
        if (line.style == CardLine::Style::Title) {
            font.setPointSizeF(base.pointSizeF() * kTitleScale);
            font.setBold(true);
        } else if (line.style == CardLine::Style::Heading) {
            font.setPointSizeF(base.pointSizeF() * kHeadingScale);
            font.setBold(true);
        }
        painter.setFont(font);
        const QFontMetrics metrics(font, painter.device());
        const int spacing = metrics.lineSpacing();
        const int before = line.style == CardLine::Style::Field ? 0 : spacing / 2;
        const QRect bounds =
            metrics.boundingRect(QRect(0, 0, page.width(), 0), Qt::TextWordWrap, line.text);
        const int height =
            before + bounds.height() +
            (line.style == CardLine::Style::Signature ? kSignatureLines * spacing : 0);
        if (y + height > page.bottom() && y > page.top()) {
            if (!newPage()) break;
            ++pages;
            y = page.top();
        }
        y += before;
        if (line.style == CardLine::Style::Signature) {
            // Room to sign, then the line and what it is for below it.
            y += kSignatureLines * spacing;
            painter.drawLine(page.left(), y, page.left() + page.width() / 2, y);
        }
        painter.drawText(QRect(page.left(), y, page.width(), bounds.height()), Qt::TextWordWrap,
                         line.text);
        y += bounds.height();
    }
    painter.setFont(base);
    return pages;
}

} // namespace corvanna
