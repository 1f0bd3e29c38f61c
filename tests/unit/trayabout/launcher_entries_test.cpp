#include "launcher_entries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

namespace zw::shell {
namespace {

TEST(LauncherEntries, FourTabsWithTenElevenSevenAndSevenEntries)
{
    ASSERT_EQ(launcherTabs().size(), 4u);
    EXPECT_EQ(launcherTabs()[0], "Standard Tools");
    std::map<int, int> perTab;
    for (const auto& entry : launcherEntries())
        ++perTab[entry.tab];
    EXPECT_EQ(perTab, (std::map<int, int>{{0, 10}, {1, 11}, {2, 7}, {3, 7}}));
}

TEST(LauncherEntries, EveryEntryHasItsOwnButtonPlaceAndPicture)
{
    std::set<std::string_view> buttons, labels, pictures, firstThemeIcons;
    std::set<std::pair<int, std::pair<int, int>>> places;
    for (const auto& entry : launcherEntries()) {
        EXPECT_TRUE(buttons.insert(entry.button).second) << entry.button;
        EXPECT_TRUE(labels.insert(entry.label).second) << entry.label;
        EXPECT_TRUE(pictures.insert(entry.picture).second) << entry.picture;
        const auto theme = entry.themeIcons.substr(0, entry.themeIcons.find(' '));
        EXPECT_TRUE(firstThemeIcons.insert(theme).second) << theme;
        EXPECT_TRUE(places.insert({entry.tab, {entry.column, entry.row}}).second) << entry.button;
        EXPECT_FALSE(entry.target.empty()) << entry.button;
    }
}

TEST(LauncherEntries, EntriesRunColumnByColumnTopToBottomInsideTheTab)
{
    // The tab control is 8655 x 5775 twips; its page starts below the tab row.
    constexpr int kTabWidth = 8655, kTabHeight = 5775;
    const LauncherEntry* previous = nullptr;
    for (const auto& entry : launcherEntries()) {
        const auto button = launcherButtonPlace(entry);
        const auto label = launcherLabelPlace(entry);
        EXPECT_EQ(label.x, button.x + 840);
        EXPECT_EQ(label.y, button.y + 120);
        EXPECT_LE(button.y + kLauncherButtonTwips, kTabHeight) << entry.button;
        EXPECT_LT(label.x, kTabWidth) << entry.button;
        // Room for the label up to the right column's button, or up to the tab's edge.
        EXPECT_EQ(launcherLabelRoomTwips(entry, kTabWidth), entry.column == 0 ? 4560 - label.x : kTabWidth - label.x);
        if (previous && previous->tab == entry.tab) {
            const bool nextInColumn = previous->column == entry.column && previous->row + 1 == entry.row;
            const bool nextColumn = previous->column + 1 == entry.column && entry.row == 0;
            EXPECT_TRUE(nextInColumn || nextColumn) << entry.button;
        } else {
            EXPECT_EQ(entry.column, 0);
            EXPECT_EQ(entry.row, 0);
        }
        previous = &entry;
    }
}

TEST(LauncherEntries, ConsolesOpenThroughTheShellProgramsRun)
{
    // A few entries where the way of starting matters to the user.
    const std::map<std::string_view, std::pair<LaunchKind, std::string_view>> expected{
        {"Command10", {LaunchKind::Open, "devmgmt.msc"}},
        {"Command1", {LaunchKind::Run, "taskmgr.exe"}},
        {"Command14", {LaunchKind::Open, "clipbrd.exe"}},
        {"Command18", {LaunchKind::Run, "Restore\\rstrui.exe"}},
    };
    for (const auto& entry : launcherEntries()) {
        if (entry.target.ends_with(".msc")) {
            EXPECT_EQ(entry.kind, LaunchKind::Open) << entry.button;
        }
        if (const auto it = expected.find(entry.button); it != expected.end()) {
            EXPECT_EQ(entry.kind, it->second.first) << entry.button;
            EXPECT_EQ(entry.target, it->second.second) << entry.button;
        }
    }
}

}  // namespace
}  // namespace zw::shell

namespace zw::shell {
namespace {

TEST(LauncherEntries, EveryPictureIsInTheDataFolder)
{
    const std::filesystem::path folder = std::filesystem::path(ZW_SOURCE_DATA_DIR) / kLauncherPictureFolder;
    for (const auto& entry : launcherEntries()) {
        const auto file = folder / (std::string(entry.picture) + ".png");
        EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
    }
}

}  // namespace
}  // namespace zw::shell
