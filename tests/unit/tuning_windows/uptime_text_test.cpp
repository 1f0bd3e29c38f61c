// The uptime text, computed in single precision from the tick count.
#include "tuning/uptime_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace zw {
namespace {

std::string text(const char* h, const char* m, const char* s)
{
    return std::string(" ") + h + " Stdunden, " + m + " Minuten und " + s + " Sek. ";
}

TEST(UptimeText, ShowsHoursMinutesAndSecondsWithTheWindowsOwnWords)
{
    const struct {
        std::uint32_t ticks;
        std::string expected;
    } cases[] = {
        {0, text("0", "00", "00")},
        {999, text("0", "00", "00")},
        {3723700, text("1", "02", "03")},
        {59000, text("0", "00", "59")},
        {11225000, text("3", "07", "05")},
        {90000000, text("25", "00", "00")},  // hours are not folded into days
        {3599999, text("0", "59", "59")},
        {3600000, text("1", "00", "00")},
        // Near 2^31 ms the seconds are a float with a quarter-second step: 2147483.648 s
        // becomes 2147483.75, still second 23.
        {2147483647u, text("596", "31", "23")},
        {2147483648u, text("596", "31", "23")},
        // The tick count is unsigned: past 2^31 the hours go on counting instead of turning
        // negative, up to the wrap at 2^32.
        {4294967295u, text("1193", "02", "47")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(uptimeText(c.ticks), c.expected) << c.ticks;
}

TEST(UptimeText, MinutesAndSecondsStayInRangeAroundEveryHourBoundary)
{
    // The float steps could in principle round s / 3600 up to the next hour and leave a
    // negative rest; around every hour boundary up to the wrap the fields stay 00..59.
    for (std::uint64_t hour = 1; hour * 3600000 < (1ull << 32); ++hour) {
        for (std::int64_t offset : {-1001, -1000, -999, -1, 0, 1, 999}) {
            const auto ticks = static_cast<std::uint32_t>(static_cast<std::int64_t>(hour * 3600000) + offset);
            const std::string t = uptimeText(ticks);
            const auto minutes = t.substr(t.find("Stdunden, ") + 10, 2);
            const auto seconds = t.substr(t.find("und ") + 4, 2);
            ASSERT_TRUE(minutes >= "00" && minutes <= "59" && seconds >= "00" && seconds <= "59") << ticks << t;
            ASSERT_EQ(t.find('-'), std::string::npos) << ticks << t;
        }
    }
}

}  // namespace
}  // namespace zw
