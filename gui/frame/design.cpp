#include "gui/frame/design.h"

#include "base/dates.h"
#include "gui/language/language.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
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

constexpr int kLongestMonth = 31; // days

} // namespace

// The parts of a date format (runs of d, M or y) and the literal texts around them.
struct DateFormatParts {
    QList<QChar> letters;   // d, M or y, one for each part
    QList<bool> numeric;    // the part is written as a number (not a month's or day's name)
    QStringList separators; // before the first part, between each two, after the last
};

namespace {

DateFormatParts dateFormatParts(const QString& format) {
    DateFormatParts parts;
    QString literal;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') { // 'text' stands as it is, '' for a quote
            const qsizetype end = format.indexOf(u'\'', i + 1);
            if (end == i + 1)
                literal += c;
            else
                literal += format.mid(i + 1, (end < 0 ? format.size() : end) - i - 1);
            i = end < 0 ? format.size() : end + 1;
        } else if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            parts.letters << c;
            parts.numeric << (c == u'y' || run <= 2);
            parts.separators << literal;
            literal.clear();
            i += run;
        } else {
            literal += c;
            ++i;
        }
    }
    parts.separators << literal;
    return parts;
}

} // namespace

// A date typed as the picker shows it is that date.
// The picker moves on to the next part by itself once a part can take no more ("12" for the
// month) and takes a separator key as "next part", so the separator typed after such a move
// skipped the part just reached: 12/31/2028 became 12/8/3120. A separator key that comes while
// the part the typing reached has had no key yet is the one the desk sees there, and is dropped
// (every character of it: ". " in "yyyy. MM. dd.").
// The picker also reads a typed day in the month and year it still shows: 31 typed before the
// month became the 30th in November, 29 February typed before the year the 28th, and in
// February a 3 ended the day at once. A day cut short comes back once the typed date can hold
// it; a 3 typed first into the day of a February is typed in January, and February comes back
// if the desk types no month.
DateTyping::DateTyping(QDateEdit* picker)
    : QObject(picker)
    , m_picker(picker) {
    picker->installEventFilter(this);
}

void DateTyping::finish() {
    if (!m_typing) return;
    m_typing = false;
    forgetKeys();
    // February again when the desk typed no month of its own (and nothing else set one).
    const QDate typed = m_picker->date();
    if (m_shownBefore.isValid() && !m_monthTyped &&
        typed.month() == m_shownBefore.addMonths(-1).month()) {
        const int month = m_shownBefore.month();
        const int days = QDate(typed.year(), month, 1).daysInMonth();
        m_picker->setDate(QDate(typed.year(), month, std::min(typed.day(), days)));
    }
    m_shownBefore = QDate();
    m_monthTyped = false;
    emit completed();
}

bool DateTyping::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut: // also for the calendar's popup
    case QEvent::Wheel:    // a step applies at once
        finish();
        break;
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
        forgetKeys();
        break;
    default:
        break;
    }
    return false;
}

bool DateTyping::keyPress(QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Up: // a step applies at once
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        finish();
        return false;
    case Qt::Key_Shift: // on their own, the keys that help type a character change nothing
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Mode_switch:
        return false;
    default:
        break;
    }
    if (key->key() >= Qt::Key_Dead_Grave && key->key() <= Qt::Key_Dead_Longsolidusoverlay)
        return false;
    const QList<uint> text = key->text().toUcs4();
    const bool plain = !(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (plain && text.size() == 1 &&
        (QChar::isPrint(text.first()) || QChar::category(text.first()) == QChar::Other_Format))
        return typeCharacter(key, text.first());
    // Deleting or pasting goes on with the typing; a move between the parts does not end it.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
        (key->modifiers() & Qt::ControlModifier))
        startTyping();
    forgetKeys();
    return false;
}

bool DateTyping::typeCharacter(QKeyEvent* key, char32_t c) {
    startTyping();
    const DateFormatParts parts = dateFormatParts(m_picker->displayFormat());
    const int part = m_picker->currentSectionIndex();
    const bool inPart = part >= 0 && part < parts.letters.size();
    const bool samePart = m_lastTyped && part == m_part;
    // The key before moved the picker to this part, or was dropped there.
    const bool reached = m_lastTyped && (part != m_part || m_dropped);
    m_lastTyped = true;
    m_part = part;
    m_dropped = reached && inPart && separatorBefore(parts, part, c);
    if (m_dropped) return true;

    if (inPart && parts.letters.at(part) == u'M' && QChar::isLetterOrNumber(c)) m_monthTyped = true;
    if (inPart && parts.letters.at(part) == u'd' && parts.numeric.at(part) && QChar::isNumber(c)) {
        if (wholePartSelected(part)) {
            m_day = QString::fromUcs4(&c, 1);
            makeRoomForTheDay(parts, part, QChar::digitValue(c));
        } else {
            m_day = samePart && !m_day.isEmpty() ? m_day + QString::fromUcs4(&c, 1) : QString();
        }
    }
    static_cast<QObject*>(m_picker)->event(key);
    putTypedDayBack();
    return true;
}

void DateTyping::startTyping() {
    m_typing = true;
}

void DateTyping::forgetKeys() {
    m_lastTyped = false;
    m_dropped = false;
    m_day.clear();
}

bool DateTyping::separatorBefore(const DateFormatParts& parts, int part, char32_t c) {
    if (part < 1 || QChar::isNumber(c) || (!parts.numeric.at(part) && QChar::isLetter(c)))
        return false;
    return parts.separators.at(part).contains(QString::fromUcs4(&c, 1));
}

bool DateTyping::wholePartSelected(int part) const {
    const auto* edit = m_picker->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    const QString shown = m_picker->sectionText(m_picker->sectionAt(part));
    return edit && !shown.isEmpty() && edit->selectedText() == shown;
}

void DateTyping::makeRoomForTheDay(const DateFormatParts& parts, int dayPart, int firstDigit) {
    // A month too short for any day of ten times the first digit (30 and 31 after a 3 in
    // February) would end the day at that digit. A day it merely cuts short is put back later.
    const QDate shown = m_picker->date();
    const int tens = firstDigit * 10;
    if (parts.letters.indexOf(u'M') < dayPart || m_monthTyped || tens > kLongestMonth ||
        tens <= shown.daysInMonth())
        return;
    if (!m_shownBefore.isValid()) m_shownBefore = shown;
    // The month before has 31 days. Not a change the desk made: no signal.
    const QSignalBlocker quiet(m_picker);
    m_picker->setDate(shown.addMonths(-1));
}

void DateTyping::putTypedDayBack() {
    int day = 0;
    for (const QChar digit : std::as_const(m_day)) {
        if (digit.digitValue() < 0) return;
        day = day * 10 + digit.digitValue();
    }
    const QDate shown = m_picker->date();
    const QDate typed(shown.year(), shown.month(), day);
    if (day > shown.day() && typed.isValid() && typed >= m_picker->minimumDate() &&
        typed <= m_picker->maximumDate())
        m_picker->setDate(typed);
}

DateTyping* dateTyping(const QDateEdit* picker) {
    return picker->findChild<DateTyping*>(QString(), Qt::FindDirectChildrenOnly);
}

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

DateTyping* setUpDatePicker(QDateEdit* picker) {
    picker->setCalendarPopup(true);
    picker->setDateRange(kEarliestPickerDate, kLatestPickerDate);
    picker->setDisplayFormat(shortDateFormat());
    return new DateTyping(picker);
}

QPushButton* designButton(QWidget* parent, const char* name, const char* caption,
                          const QRect& rect) {
    auto* button = new QPushButton(parent);
    followLanguage(button, "Design", caption);
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
