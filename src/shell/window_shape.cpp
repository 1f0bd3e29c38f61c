#include "window_shape.h"

#include <algorithm>

namespace zw::shell {

QSize designPixelSize(int widthTwips, int heightTwips, double twipsPerPixelX, double twipsPerPixelY) {
    return {twipsToPixels(widthTwips, twipsPerPixelX), twipsToPixels(heightTwips, twipsPerPixelY)};
}

QRegion roundedShape(QSize pixels) {
    const int w = pixels.width(), h = pixels.height();
    if (w <= 0 || h <= 0) return {};
    const int ex = std::min(kCornerEllipse, w), ey = std::min(kCornerEllipse, h);
    const int rx = ex / 2, ry = ey / 2;
    QRegion shape(QRect(rx, 0, w - 2 * rx, h));
    shape += QRegion(QRect(0, ry, w, h - 2 * ry));
    shape += QRegion(QRect(0, 0, ex, ey), QRegion::Ellipse);
    shape += QRegion(QRect(w - ex, 0, ex, ey), QRegion::Ellipse);
    shape += QRegion(QRect(0, h - ey, ex, ey), QRegion::Ellipse);
    shape += QRegion(QRect(w - ex, h - ey, ex, ey), QRegion::Ellipse);
    return shape;
}

}  // namespace zw::shell
