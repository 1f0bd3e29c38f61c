// The System Utilities launcher as data: its four tabs and 35 entries, each with its button,
// label, place on the tab, how it starts its target and its picture. Plain C++, no Qt.
#pragma once

#include <span>
#include <string_view>

namespace zw::shell {

// How an entry starts its target: run a command line as a new, normal, focused process, or
// open a document (a management console) through the shell's association.
enum class LaunchKind { Run, Open };

struct LauncherEntry {
    int tab;                     // 0..3, index into launcherTabs()
    std::string_view button;     // objectName of the picture button
    std::string_view label;      // the bold label beside it
    int column;                  // 0 left, 1 right
    int row;                     // 0..5, top to bottom
    LaunchKind kind;
    std::string_view target;     // command line (Run) or document (Open)
    std::string_view themeIcons; // desktop icon theme names, best first, separated by blanks
    std::string_view picture;    // our own picture: Data/Pics/Tools/<picture>.png
};

// Tab captions in order; the first is the one every opening starts on.
std::span<const std::string_view> launcherTabs();
// All entries, tab by tab, each tab column by column, top to bottom.
std::span<const LauncherEntry> launcherEntries();

// Places on a tab, in twips from the tab page's top-left corner.
struct TwipPoint {
    int x;
    int y;
};
inline constexpr int kLauncherButtonTwips = 615;
TwipPoint launcherButtonPlace(const LauncherEntry& entry);
TwipPoint launcherLabelPlace(const LauncherEntry& entry);
// The width a label has before the next column's button (left column) or the tab's edge.
int launcherLabelRoomTwips(const LauncherEntry& entry, int tabWidthTwips);

// The folder below the program's Data folder that holds the launcher's pictures.
inline constexpr std::string_view kLauncherPictureFolder = "Pics/Tools";

}  // namespace zw::shell
