#include "gui/design.h"

#include "base/dates.h"

#include <QDateEdit>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
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

QPushButton* designButton(QWidget* parent, const char* name, const char* caption,
                          const QRect& rect) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(designFont(11.25));
    button->setAutoDefault(false);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, Qt::white);
    button->setPalette(palette);
    return button;
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace corvanna
