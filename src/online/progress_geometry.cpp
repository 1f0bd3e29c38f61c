#include "progress_geometry.h"

#include <cmath>

namespace zw::online {

ProgressGeometry layoutProgressBar(const ProgressInput& in)
{
    ProgressGeometry g;
    long value = in.value;
    if (value < in.minimum) {
        value = in.minimum;
    }
    if (value > in.maximum) {
        value = in.maximum;
    }
    g.clampedValue = value;

    // The minimum takes no part in the percentage.
    if (in.maximum <= 0) {
        g.percent = 100;
    } else {
        g.percent = static_cast<long>(std::floor(static_cast<double>(value) / static_cast<double>(in.maximum) * 100.0 + 0.5));
    }
    if (value <= 0) {
        return g;   // empty bar, no text
    }
    g.drawBar = true;
    g.barWidth = std::lround(in.scaleWidth / 100.0 * static_cast<double>(g.percent));
    g.text = std::to_string(g.percent) + " %";
    return g;
}

void placeProgressText(ProgressGeometry& g, const ProgressInput& in, TextExtent extent)
{
    g.drawText = true;
    g.textX = (in.scaleWidth - extent.width) / 2.0;
    g.textY = (in.scaleHeight - extent.height) / 2.0;
    g.textWhite = g.textX <= static_cast<double>(g.barWidth);
}

} // namespace zw::online
