// List commands whose work arrives with a later change; each does nothing yet.
#include "app/form1.h"

namespace corvanna {

void Form1::PushButton1_Click() {}
void Form1::PushButton2_Click() {}
void Form1::PushButton3_Click() {}
void Form1::PushButton6_Click() {}
void Form1::ListView1_DblClick() {}

} // namespace corvanna
