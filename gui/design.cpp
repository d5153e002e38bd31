#include "gui/design.h"

#include "base/dates.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>
#include <algorithm>

namespace corvanna {

namespace {

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar(0x0085) || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

// Accepts every text, with each line break (CR LF counting as one) made a blank.
class OneLine : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        if (std::none_of(input.cbegin(), input.cend(), isLineBreak)) return Acceptable;
        QString joined;
        joined.reserve(input.size());
        int cursor = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (input.at(i) == u'\r' && i + 1 < input.size() && input.at(i + 1) == u'\n') {
                if (i < pos) --cursor; // the pair becomes one blank
                continue;
            }
            joined += isLineBreak(input.at(i)) ? QChar(u' ') : input.at(i);
        }
        input = joined;
        pos = cursor;
        return Acceptable;
    }
};

} // namespace

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
    paintButton(button, Qt::white, Qt::black);
    return button;
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace corvanna

namespace corvanna {

void keepOnOneLine(QLineEdit* box) {
    box->setValidator(new OneLine(box));
}

void setTextAsStored(QLineEdit* box, const QString& text) {
    // The box checks every text it is given; a stored one is shown as it is.
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

} // namespace corvanna
