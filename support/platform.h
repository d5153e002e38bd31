#pragma once

#include <QString>

// The few things that differ between operating systems, each behind one small function.
namespace corvanna::platform {

// True when a desktop display is there to show windows on.
bool hasDesktopDisplay();

} // namespace corvanna::platform
