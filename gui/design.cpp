#include "gui/design.h"

#include "base/dates.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
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

QString accessibleCaption(const QString& caption) {
    QString text = caption;
    text.remove(QLatin1Char('&')).remove(QStringLiteral("...")).remove(QChar(0x2026));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

void nameAfterLabel(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    field->setAccessibleName(accessibleCaption(label->text()));
}

void nameByCaptions(QWidget* window) {
    for (auto* button : window->findChildren<QAbstractButton*>())
        if (button->accessibleName().isEmpty())
            button->setAccessibleName(accessibleCaption(button->text()));
    for (auto* frame : window->findChildren<QGroupBox*>())
        if (frame->accessibleName().isEmpty())
            frame->setAccessibleName(accessibleCaption(frame->title()));
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
