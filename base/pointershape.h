#pragma once

namespace corvanna {

// A window's mouse pointer shapes, numbered as the windows' MousePointer property numbers them:
// default, hourglass, the custom hand image.
enum PointerShape { kPointerDefault = 0, kPointerHourglass = 11, kPointerHand = 99 };

} // namespace corvanna
