// The main window's Quick Info texts: what a mouse move over a hub button writes into the
// Quick Info box. Plain C++, no Qt.
#pragma once

#include <span>
#include <string_view>

namespace zw::shell {

struct QuickInfoText {
    std::string_view button;  // objectName of the hub button
    std::string_view text;    // UTF-8
};

std::span<const QuickInfoText> quickInfoTexts();

// The text for a button, or null when the button leaves the box as it is.
const QuickInfoText* quickInfoFor(std::string_view button);

// The box colour a Quick Info text is shown on: light green, &H80FF80 (R 0x80, G 0xFF, B 0x80).
inline constexpr unsigned kQuickInfoRgb = 0x80FF80;

}  // namespace zw::shell
