#include "gui/editor/guesteditor.h"

#include "gui/editor/form2.h"

namespace corvanna {

void showGuestEditor(Form1& mainWindow) {
    // Loaded anew for each showing, so it starts from the design values.
    Form2 editor(mainWindow);
    editor.Form_Load();
    editor.exec();
}

} // namespace corvanna
