#pragma once

#include <QColor>
#include <QFont>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace corvanna {

// The look both windows share.
QFont designFont(double points);                             // Arial, bold
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
// A date picker as the windows use it: calendar popup, 1601 to 9999, the short date form.
void setUpDatePicker(QDateEdit* picker);
// A command button of the design: the larger bold font, a white face; Enter in a text box does
// not press it.
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
