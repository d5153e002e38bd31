#include "gui/design.h"

#include "base/dates.h"

#include <QDateEdit>
#include <QWidget>

namespace corvanna {

QFont designFont(double points) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void paintBackground(QWidget* widget, const QColor& colour, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintWhite(QWidget* widget) {
    paintBackground(widget, Qt::white, Qt::black);
}

void paintButton(QWidget* button, const QColor& face, const QColor& text) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, text);
    button->setPalette(palette);
}

void setUpDatePicker(QDateEdit* picker) {
    picker->setCalendarPopup(true);
    picker->setDateRange(kEarliestPickerDate, kLatestPickerDate);
    picker->setDisplayFormat(shortDateFormat());
}

} // namespace corvanna
