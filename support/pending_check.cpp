// The components check arrives with a later change; until then it finds nothing to repair.
#include "app/form1.h"

namespace corvanna {

void Form1::IsADOInstalled() {}

} // namespace corvanna
