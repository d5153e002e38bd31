// Handlers whose work arrives with later changes; each does nothing yet.
#include "app/form1.h"
#include "app/pointer.h"
#include "app/skin.h"

#include <QPixmap>

namespace corvanna {

void ApplySkin(Form1&) {}
void ApplyClassicColours(QWidget*) {}
QCursor loadCursorFile(const QString& path) { return QCursor(QPixmap(path)); }
void Form1::IsADOInstalled() {}
void Form1::PushButton1_Click() {}
void Form1::PushButton2_Click() {}
void Form1::PushButton3_Click() {}
void Form1::PushButton6_Click() {}
void Form1::ListView1_DblClick() {}
void Form1::Form_Resize() {}

} // namespace corvanna
