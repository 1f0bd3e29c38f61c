// The rounded outline of a tool window, computed from its design size.
#pragma once

#include "twips.h"

#include <QRegion>
#include <QSize>

namespace zw::shell {

inline constexpr int kCornerEllipse = 80;  // pixels, width and height of the corner ellipse

// Design size in twips to pixels, each direction rounded to the nearest pixel.
QSize designPixelSize(int widthTwips, int heightTwips, double twipsPerPixelX = kTwipsPerPixel,
                      double twipsPerPixelY = kTwipsPerPixel);

// The region of a rounded rectangle (0, 0, width, height) with an 80 x 80 corner ellipse.
QRegion roundedShape(QSize pixels);

}  // namespace zw::shell
