// Frame handlers whose work arrives with later changes; each does nothing yet.
#include "app/form1.h"
#include "app/skin.h"

namespace corvanna {

void ApplySkin(Form1&) {}
void ApplyClassicColours(QWidget*) {}
void Form1::Form_Resize() {}

} // namespace corvanna
