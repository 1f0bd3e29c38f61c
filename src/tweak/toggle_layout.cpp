#include "tweak/toggle_layout.h"

#include <algorithm>

namespace zw {

namespace {
constexpr int kMargin = 360;
constexpr int kGap = 120;
constexpr int kButtonWidth = 1935;
constexpr int kButtonHeight = 495;
constexpr int kOnTopWidth = 1095;
constexpr int kOnTopHeight = 315;
constexpr int kPictureWidth = 3285;
constexpr int kPictureHeight = 780;
constexpr int kCaptionTop = 120;
constexpr int kCaptionHeight = 480;
constexpr int kLineHeight = 240;
constexpr int kAverageCharWidth = 100;  // twips, 8-point sans-serif
constexpr int kFramePadding = 240;      // around the buttons inside the frame, title included

// Characters, not bytes: the texts are UTF-8.
int characters(const std::string& text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}
}  // namespace

int estimatedLines(const std::string& text, int widthTwips)
{
    const int perLine = std::max(1, widthTwips / kAverageCharWidth);
    return std::max(1, (characters(text) + perLine - 1) / perLine);
}

ToggleLayout layoutToggle(const RegistryToggle& t)
{
    const int w = t.widthTwips;
    const int h = t.heightTwips;
    const int inner = w - 2 * kMargin;
    ToggleLayout l;

    l.caption = {kMargin, kCaptionTop, inner, kCaptionHeight};

    const int closeTop = h - kMargin - kButtonHeight;
    l.close = {kMargin, closeTop, kButtonWidth, kButtonHeight};
    l.onTop = {w - kMargin - kOnTopWidth, closeTop + (kButtonHeight - kOnTopHeight) / 2, kOnTopWidth, kOnTopHeight};

    int buttonsBottom = closeTop - kGap;
    if (!t.notice.empty()) {
        l.notice = TwipsRect{kMargin, closeTop - kGap - kLineHeight * 2, inner, kLineHeight * 2};
        buttonsBottom = l.notice->top - kGap;
    }

    // Apply and Restore side by side when they fit beside the picture, else one above the other.
    const int buttons = t.hasRestore() ? 2 : 1;
    const int pictureRoom = t.decorativePicture ? kPictureWidth + 2 * kGap : 0;
    const int framePad = t.buttonFrame.empty() ? 0 : kFramePadding;
    const bool sideBySide = buttons * kButtonWidth + (buttons - 1) * kGap + 2 * framePad + pictureRoom <= inner;
    const int blockWidth = sideBySide ? buttons * kButtonWidth + (buttons - 1) * kGap : kButtonWidth;
    const int blockHeight = sideBySide ? kButtonHeight : buttons * kButtonHeight + (buttons - 1) * kGap;

    const int blockTop = buttonsBottom - framePad - blockHeight;
    const int blockLeft = kMargin + framePad;
    l.apply = {blockLeft, blockTop, kButtonWidth, kButtonHeight};
    l.restore = sideBySide ? TwipsRect{blockLeft + kButtonWidth + kGap, blockTop, kButtonWidth, kButtonHeight}
                           : TwipsRect{blockLeft, blockTop + kButtonHeight + kGap, kButtonWidth, kButtonHeight};
    if (framePad)
        l.frame = TwipsRect{kMargin, blockTop - framePad, blockWidth + 2 * framePad, blockHeight + 2 * framePad};
    if (t.decorativePicture)
        l.picture = TwipsRect{w - kMargin - kPictureWidth, blockTop + (blockHeight - kPictureHeight) / 2, kPictureWidth,
                              kPictureHeight};

    // The labels share the room between the title and the buttons.
    const int labelsTop = kCaptionTop + kCaptionHeight + kGap;
    const int labelsBottom = (l.frame ? l.frame->top : blockTop) - kGap;
    int y = labelsTop;
    const int count = static_cast<int>(t.labels.size());
    int needed = 0;
    for (const auto& text : t.labels)
        needed += estimatedLines(text, inner) * kLineHeight;
    const int spare = std::max(0, labelsBottom - labelsTop - needed);
    const int gap = count > 1 ? std::min(kGap, spare / (count - 1)) : 0;
    for (const auto& text : t.labels) {
        const int height = estimatedLines(text, inner) * kLineHeight;
        l.labels.push_back({kMargin, y, inner, height});
        y += height + gap;
    }
    return l;
}

}  // namespace zw
