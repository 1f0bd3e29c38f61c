// Where the controls of a toggle window stand, in twips, computed from its record: the title
// at the top, the explanatory labels below it, Apply and Restore (side by side, or one above
// the other where the decorative picture needs the room beside them), then Close and "On Top"
// along the bottom edge. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <optional>
#include <vector>

namespace zw {

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool overlaps(const TwipsRect& o) const
    {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
    bool contains(const TwipsRect& o) const
    {
        return o.left >= left && o.top >= top && o.right() <= right() && o.bottom() <= bottom();
    }
};

struct ToggleLayout {
    TwipsRect caption;              // lblCaption
    std::vector<TwipsRect> labels;  // Label1, Label2, ...
    TwipsRect apply;                // Command1
    TwipsRect restore;              // Command2 (unused without a Restore button)
    TwipsRect close;                // Command3
    TwipsRect onTop;                // Check1
    std::optional<TwipsRect> frame;    // the drawn frame around Apply and Restore
    std::optional<TwipsRect> picture;  // Image2
    std::optional<TwipsRect> notice;   // the line below the buttons
};

ToggleLayout layoutToggle(const RegistryToggle& toggle);

// Lines a label of this text needs at this width, estimated for the window's 8-point font.
int estimatedLines(const std::string& text, int widthTwips);

}  // namespace zw
