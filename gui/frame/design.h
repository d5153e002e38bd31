#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QObject>
#include <QString>

class QDateEdit;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace corvanna {

// The look both windows share.
QFont designFont(double points); // Arial, bold
// A background always comes with the text colour that reads on it: a dark desktop palette
// would otherwise leave light text on the white design background, or dark text on a dark face.
void paintBackground(QWidget* widget, const QColor& colour, const QColor& text);
void paintWhite(QWidget* widget); // the white design background, black text
// A push button's face and caption colours.
void paintButton(QWidget* button, const QColor& face, const QColor& text);
// Assistive technology: a control's accessible name is its caption or its label's text, without
// the accelerator sign and the closing colon ("Check In Date:" -> "Check In Date").
QString accessibleCaption(const QString& caption);
// Names a field after its label and makes the label its buddy.
void nameAfterLabel(QLabel* label, QWidget* field);
// Names every button, frame and option under `window` after its caption where it has no name.
void nameByCaptions(QWidget* window);

struct DateFormatParts; // a date format read into its parts and separators (design.cpp)

// The desk's typing into a date picker set up by setUpDatePicker: a date typed as it is shown,
// separators and all, is that date, and the picker tells when the typed date is complete.
class DateTyping final : public QObject {
    Q_OBJECT
public:
    explicit DateTyping(QDateEdit* picker);

    // True from the first key that edits the picker's text until the typed date is complete:
    // the picker loses the focus (to another control or the calendar), Enter, a step (arrow
    // keys, wheel) or finish(). Each key's date is only part of the typing meanwhile.
    bool typing() const { return m_typing; }
    // Completes the typing now (a command taken straight after typing, before it reads the
    // date).
    void finish();

signals:
    // The typed date is complete and is the picker's date.
    void completed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QKeyEvent* key);
    bool typeCharacter(QKeyEvent* key, char32_t c);
    void startTyping();
    void forgetKeys();
    static bool separatorBefore(const DateFormatParts& parts, int part, char32_t c);
    bool wholePartSelected(int part) const;
    void makeRoomForTheDay(const DateFormatParts& parts, int dayPart, int firstDigit);
    void putTypedDayBack();

    QDateEdit* m_picker;
    bool m_typing = false;
    bool m_lastTyped = false; // the key before was a character typed into the picker
    bool m_dropped = false;   // and was dropped as a separator
    int m_part = -1;          // the part that key went to
    QString m_day;            // the digits typed into the day since the day was entered
    bool m_monthTyped = false;
    QDate m_shownBefore; // the date shown before a longer month took its place for the day
};

// A date picker as the windows use it: calendar popup, 1601 to 9999, the short date form, the
// desk's typing (returned; the picker owns it).
DateTyping* setUpDatePicker(QDateEdit* picker);
// The typing of a picker set up by setUpDatePicker.
DateTyping* dateTyping(const QDateEdit* picker);
// A command button of the design: the larger bold font, a white face; Enter in a text box does
// not press it. `caption` is a source text of the "Design" context (QT_TRANSLATE_NOOP), shown in
// the desk's language and again after a change of language.
QPushButton* designButton(QWidget* parent, const char* name, const char* caption,
                          const QRect& rect);
// Places a window about to be shown first in the middle of the primary screen's free area.
void centreOnScreen(QWidget* window);
// A single-line box turns each line break that typing, pasting or dropping brings in into one
// blank.
void keepOnOneLine(QLineEdit* box);
// Sets a box's text as it is stored, line breaks and all.
void setTextAsStored(QLineEdit* box, const QString& text);

} // namespace corvanna
