#include "tray_callback.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zw::shell {
namespace {

TEST(TrayReaction, DoubleClicksShowTheMainWindowRightReleaseOpensTheMenuAllElseNothing)
{
    const std::vector<std::pair<int, TrayReaction>> cases{
        {515, TrayReaction::ShowMainWindow}, {518, TrayReaction::ShowMainWindow}, {517, TrayReaction::PopupMenu},
        {512, TrayReaction::None},           {513, TrayReaction::None},           {514, TrayReaction::None},
        {516, TrayReaction::None},           {519, TrayReaction::None},           {520, TrayReaction::None},
        {0, TrayReaction::None},             {-515, TrayReaction::None},
    };
    for (const auto& [message, expected] : cases)
        EXPECT_EQ(trayReaction(message), expected) << message;
}

TEST(ScriptHostMarks, ZeroAndOneSetTheMarksAnythingElseKeepsThem)
{
    const ScriptHostMarks clear{};
    const ScriptHostMarks on{.enabled = true, .disabled = false};
    const ScriptHostMarks off{.enabled = false, .disabled = true};
    struct Case {
        ScriptHostMarks before;
        const char* text;
        ScriptHostMarks after;
    };
    const std::vector<Case> cases{
        {clear, "0", off}, {clear, "1", on},  {on, "0", off},    {off, "1", on},
        {clear, "", clear},  // missing value: both stay clear
        {on, "", on},       {off, "", off},  {on, "2", on},     {off, " 1", off}, {on, "00", on},
        {off, "1 ", off},   {on, "true", on},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextScriptHostMarks(c.before, c.text), c.after) << '"' << c.text << '"';
}

}  // namespace
}  // namespace zw::shell
