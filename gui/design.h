#pragma once

#include <QColor>
#include <QFont>

class QDateEdit;
class QWidget;

namespace corvanna {

// The look both windows share.
QFont designFont(double points);                             // Arial, bold
void paintBackground(QWidget* widget, const QColor& colour); // filled with its own colour
void paintWhite(QWidget* widget);                            // the white design background
// A date picker as the windows use it: calendar popup, 1601 to 9999, the short date form.
void setUpDatePicker(QDateEdit* picker);

} // namespace corvanna
