#pragma once

#include "base/product.h"

#include <QRect>
#include <cmath>

namespace corvanna {

inline int twipsToPixels(double twips) {
    return int(std::lround(twips / kTwipsPerPixel));
}
inline float pixelsToTwips(int pixels) {
    return float(pixels * kTwipsPerPixel);
}

// A design rectangle in twips as device-independent pixels.
inline QRect twipsRect(double left, double top, double width, double height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace corvanna
