#pragma once

namespace corvanna {

class Form1;

// Shows the guest editor (Form2) modally over the main window, in the mode that the session's
// mHotelID gives (empty: add; an id: edit). Returns when the editor has closed.
void showGuestEditor(Form1& mainWindow);

} // namespace corvanna
