#pragma once

#include <QColor>
#include <QFont>

class QDateEdit;
class QPushButton;
class QRect;
class QWidget;

namespace corvanna {

// The look both windows share.
QFont designFont(double points);                             // Arial, bold
void paintBackground(QWidget* widget, const QColor& colour); // filled with its own colour
void paintWhite(QWidget* widget);                            // the white design background
// A date picker as the windows use it: calendar popup, 1601 to 9999, the short date form.
void setUpDatePicker(QDateEdit* picker);
// A command button of the design: the larger bold font, a white face; Enter in a text box does
// not press it.
QPushButton* designButton(QWidget* parent, const char* name, const char* caption,
                          const QRect& rect);
// Places a window about to be shown first in the middle of the primary screen's free area.
void centreOnScreen(QWidget* window);

} // namespace corvanna
