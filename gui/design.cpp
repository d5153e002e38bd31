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

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void paintWhite(QWidget* widget) {
    paintBackground(widget, Qt::white);
}

void setUpDatePicker(QDateEdit* picker) {
    picker->setCalendarPopup(true);
    picker->setDateRange(kEarliestPickerDate, kLatestPickerDate);
    picker->setDisplayFormat(shortDateFormat());
}

} // namespace corvanna
