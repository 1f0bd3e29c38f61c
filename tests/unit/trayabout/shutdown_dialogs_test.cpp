#include "shutdown_dialogs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace zw::shell {
namespace {

struct Case {
    const char* desktops;
    std::set<std::string_view> installed;
    const char* expected;  // program, or "" for none
};

TEST(ShutdownDialog, TheRunningDesktopsDialogComesFirstOthersOnlyWhenTheyStandAlone)
{
    const std::vector<Case> cases{
        {"GNOME", {"gnome-session-quit", "xfce4-session-logout"}, "gnome-session-quit"},
        {"ubuntu:GNOME", {"gnome-session-quit"}, "gnome-session-quit"},
        {"KDE", {"qdbus", "gnome-session-quit"}, "qdbus"},
        {"kde", {"qdbus6", "qdbus"}, "qdbus6"},
        {"XFCE", {"gnome-session-quit", "xfce4-session-logout"}, "xfce4-session-logout"},
        // The GNOME and KDE programs ask their own session, which is not running here.
        {"XFCE", {"gnome-session-quit", "qdbus"}, ""},
        {"", {"gnome-session-quit", "qdbus", "lxqt-leave"}, "lxqt-leave"},
        {"Sway", {"mate-session-save"}, "mate-session-save"},
        {"GNOME", {}, ""},
        {"GNOMEX", {"gnome-session-quit"}, ""},
    };
    for (const auto& c : cases) {
        const auto found = findShutdownDialog(c.desktops, [&](std::string_view program) { return c.installed.contains(program); });
        EXPECT_EQ(found ? std::string(found->program) : std::string(), c.expected) << c.desktops;
    }
}

}  // namespace
}  // namespace zw::shell
