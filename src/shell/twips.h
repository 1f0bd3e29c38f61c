// Design units: positions and sizes in twips, 15 twips per logical pixel at 96 dpi.
// Plain C++, no Qt.
#pragma once

#include <cmath>

namespace zw::shell {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips to pixels, rounded to the nearest pixel.
inline int twipsToPixels(int twips, double twipsPerPixel = kTwipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

inline int pixelsToTwips(double pixels, double twipsPerPixel = kTwipsPerPixel) {
    return static_cast<int>(std::lround(pixels * twipsPerPixel));
}

}  // namespace zw::shell
