#pragma once

class QWidget;

namespace corvanna {

class Form1;

// Gives the main window the button-face colour and the skin when the skin file lies in the
// program folder; without it the window keeps its white design colours.
void ApplySkin(Form1& window);

// Gives a window and its frames, labels, option and check buttons the button-face colour.
void ApplyClassicColours(QWidget* window);

} // namespace corvanna
