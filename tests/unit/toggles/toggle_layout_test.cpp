// Every toggle window's controls fit inside it and stand apart.
#include "tips/tips_toggles.h"
#include "tuning/tuning_toggles.h"
#include "tweak/toggle_layout.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(ToggleLayout, EveryRecordsControlsFitAndDoNotOverlap)
{
    for (const auto* records : {&tuningToggles(), &tipsToggles()}) {
        for (const RegistryToggle& t : *records) {
            SCOPED_TRACE(t.name);
            const ToggleLayout l = layoutToggle(t);
            const TwipsRect window{0, 0, t.widthTwips, t.heightTwips};

            std::vector<std::pair<std::string, TwipsRect>> parts = {
                {"lblCaption", l.caption}, {"Command3", l.close}, {"Check1", l.onTop}};
            if (l.frame) {
                parts.emplace_back("Frame1", *l.frame);
                EXPECT_TRUE(l.frame->contains(l.apply));
                EXPECT_TRUE(!t.hasRestore() || l.frame->contains(l.restore));
            } else {
                parts.emplace_back("Command1", l.apply);
                if (t.hasRestore()) {
                    parts.emplace_back("Command2", l.restore);
                }
            }
            if (l.frame && t.hasRestore()) {
                EXPECT_FALSE(l.apply.overlaps(l.restore));
            }
            if (l.picture)
                parts.emplace_back("Image2", *l.picture);
            if (l.notice)
                parts.emplace_back("notice", *l.notice);
            ASSERT_EQ(l.labels.size(), t.labels.size());
            for (std::size_t i = 0; i < l.labels.size(); ++i)
                parts.emplace_back("Label" + std::to_string(i + 1), l.labels[i]);

            EXPECT_EQ(t.decorativePicture, l.picture.has_value());
            EXPECT_EQ(!t.notice.empty(), l.notice.has_value());
            for (std::size_t i = 0; i < parts.size(); ++i) {
                EXPECT_TRUE(window.contains(parts[i].second)) << parts[i].first << " outside the window";
                EXPECT_GT(parts[i].second.height, 0) << parts[i].first;
                for (std::size_t j = i + 1; j < parts.size(); ++j)
                    EXPECT_FALSE(parts[i].second.overlaps(parts[j].second))
                        << parts[i].first << " overlaps " << parts[j].first;
            }
        }
    }
}

TEST(ToggleLayout, EstimatedLinesCountCharactersNotBytes)
{
    EXPECT_EQ(estimatedLines("", 1000), 1);
    EXPECT_EQ(estimatedLines(std::string(10, 'a'), 1000), 1);
    EXPECT_EQ(estimatedLines(std::string(11, 'a'), 1000), 2);
    EXPECT_EQ(estimatedLines("ääääääääää", 1000), 1);  // 10 characters, 20 bytes
}

}  // namespace
}  // namespace zw
