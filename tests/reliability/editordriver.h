#pragma once
// Drives the real guest editor as a user does: opened modally from the main window, typed into
// key by key (or pasted into), saved with its Save button.

#include "gui/editor/form2.h"
#include "gui/frame/form1.h"

#include <QString>
#include <functional>

class QWidget;

namespace corvanna::test {

// Types the text into the widget one character at a time, as key presses with that text; a line
// break is the Return key. Characters no keyboard gives (control characters) are left out.
void typeInto(QWidget* box, const QString& text);
// Pastes the text into the widget with Ctrl+V through the clipboard.
void pasteInto(QWidget* box, const QString& text);
// Empties a text box the way a user does: select all, Delete.
void clearBox(QWidget* box);

// Runs `act` on the guest editor once the call `open` has shown it modally; closes the editor if
// `act` left it open, so `open` always returns. Returns false when no editor showed.
bool withEditor(const std::function<void()>& open, const std::function<void(Form2&)>& act);

// Fills what Save requires with valid entries, leaving the text boxes as they are.
void chooseValidChoices(Form2& editor);

} // namespace corvanna::test
