#include "support/platform.h"

namespace corvanna::platform {

bool hasDesktopDisplay()
{
    // A platform chosen by hand (offscreen, vnc, ...) needs no display of its own.
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace corvanna::platform
