#include "progress_geometry.h"

#include <gtest/gtest.h>

using namespace zw::online;

namespace {

// A font whose "NN %" is 40 units wide and 10 high, in a 300 × 20 picture.
TextExtent fixedExtent(const std::string&) { return {40, 10}; }

ProgressGeometry layout(long value, long maximum, long minimum = 0)
{
    return layoutProgress(ProgressInput{value, minimum, maximum, 300, 20, true}, fixedExtent);
}

} // namespace

TEST(ProgressGeometry, TextLeftOfTheBarEndIsBlackRightOfItWhite)
{
    // The text starts at (300 - 40) / 2 = 130.
    const auto at30 = layout(300, 1000);
    EXPECT_EQ(at30.percent, 30);
    EXPECT_EQ(at30.barWidth, 90);
    EXPECT_EQ(at30.text, "30 %");
    EXPECT_DOUBLE_EQ(at30.textX, 130);
    EXPECT_DOUBLE_EQ(at30.textY, 5);
    EXPECT_FALSE(at30.textWhite);

    const auto at60 = layout(600, 1000);
    EXPECT_EQ(at60.percent, 60);
    EXPECT_EQ(at60.barWidth, 180);
    EXPECT_TRUE(at60.textWhite);

    // Exactly at the bar's end counts as on the bar.
    // In a 200-wide picture the text starts at 80, where a 40 % bar ends.
    const auto edge = layoutProgress(ProgressInput{400, 0, 1000, 200, 20, true}, fixedExtent);
    EXPECT_EQ(edge.barWidth, 80);
    EXPECT_DOUBLE_EQ(edge.textX, 80);
    EXPECT_TRUE(edge.textWhite);
}

TEST(ProgressGeometry, NothingDrawnAtZeroOrWithoutAnnouncedSize)
{
    struct Case { long value, maximum; };
    for (const auto c : {Case{0, 1000}, Case{-5, 1000}, Case{500, 0}, Case{0, 0}}) {
        const auto g = layout(c.value, c.maximum);
        EXPECT_FALSE(g.drawBar) << c.value << "/" << c.maximum;
        EXPECT_FALSE(g.drawText) << c.value << "/" << c.maximum;
        EXPECT_EQ(g.clampedValue, 0);
    }
    EXPECT_EQ(layout(500, 0).percent, 100);
}

TEST(ProgressGeometry, ClampsAndRounds)
{
    struct Case { long value, maximum, minimum, percent, barWidth; };
    const Case cases[] = {
        {1500, 1000, 0, 100, 300},   // above the maximum
        {1, 1000, 0, 0, 0},          // 0.1 % rounds down: a bar of width 0, text "0 %"
        {5, 1000, 0, 1, 3},          // 0.5 % rounds up
        {571, 1000, 0, 57, 171},
        {2, 3, 0, 67, 201},
        {100, 1000, 200, 20, 60},    // below the minimum: the minimum, not part of the percentage
    };
    for (const auto& c : cases) {
        const auto g = layout(c.value, c.maximum, c.minimum);
        EXPECT_EQ(g.percent, c.percent) << c.value;
        EXPECT_EQ(g.barWidth, c.barWidth) << c.value;
        EXPECT_TRUE(g.drawBar);
    }
}

TEST(ProgressGeometry, NoTextWithoutShowPercent)
{
    int measured = 0;
    const auto g = layoutProgress(ProgressInput{600, 0, 1000, 300, 20, false},
                                  [&](const std::string&) { ++measured; return TextExtent{40, 10}; });
    EXPECT_TRUE(g.drawBar);
    EXPECT_FALSE(g.drawText);
    EXPECT_EQ(measured, 0);
}
