#pragma once
// Geometry of the download progress bar: where the filled bar ends, which percentage text is
// drawn where, and in which colour. Pure arithmetic, painted by the window.

#include <string>

namespace zw::online {

struct ProgressInput {
    long value = 0;
    long minimum = 0;
    long maximum = 0;
    double scaleWidth = 0;   // drawing area, in the picture's own units
    double scaleHeight = 0;
    bool showPercent = true;
};

struct ProgressGeometry {
    long clampedValue = 0;
    long percent = 0;
    bool drawBar = false;
    long barWidth = 0;       // bar spans (0, 0) to (barWidth, scaleHeight)
    bool drawText = false;
    std::string text;        // "57 %"
    double textX = 0;        // top-left corner of the centred text
    double textY = 0;
    bool textWhite = false;  // white when the text starts on the bar, black otherwise
};

// Measures a text in the picture's units: width and height.
struct TextExtent {
    double width = 0;
    double height = 0;
};

// The text is measured by the caller's font through `measure`, called at most once.
template <typename Measure>
ProgressGeometry layoutProgress(const ProgressInput& in, Measure&& measure);

// Everything up to the text; the text's position needs its extent.
ProgressGeometry layoutProgressBar(const ProgressInput& in);
void placeProgressText(ProgressGeometry& g, const ProgressInput& in, TextExtent extent);

template <typename Measure>
ProgressGeometry layoutProgress(const ProgressInput& in, Measure&& measure)
{
    ProgressGeometry g = layoutProgressBar(in);
    if (g.drawBar && in.showPercent) {
        placeProgressText(g, in, measure(g.text));
    }
    return g;
}

} // namespace zw::online
