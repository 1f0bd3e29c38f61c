// The popup menu of the notification-area window as data: every item with its name, caption,
// place in the menu and what a click does. The window builds its menu from this table and
// hands a clicked item's action to its services. Plain C++, no Qt.
#pragma once

#include "program_start.h"

#include <span>
#include <string_view>
#include <variant>

namespace zw::shell {

// What a click on an item does.
struct NoAction {};
struct RunProgram {            // start a command line as a new process, never waited for
    std::string_view commandLine;
    StartStyle style;
};
struct OpenDocument {          // open a file by its association (relative to the program folder)
    std::string_view file;
};
struct WriteRegistryText {     // write a REG_SZ value
    int hive;
    std::string_view key;
    std::string_view value;
    std::string_view text;
};
struct ShowAboutWindow {};     // show `Info`; the icon stays
struct ShowMainWindow {};      // show a fresh main window, remove the icon, unload the tray window
struct QuitProgram {};         // remove the icon, ask about restarting, unload the tray window
using QuickAction = std::variant<NoAction, RunProgram, OpenDocument, WriteRegistryText, ShowAboutWindow,
                                 ShowMainWindow, QuitProgram>;

enum class QuickItemKind { Command, Separator, Submenu };

struct QuickMenuItem {
    std::string_view name;     // objectName of the menu action (or of the submenu)
    std::string_view caption;  // "&" marks the access key
    int depth;                 // 0 top level, 1 inside the submenu opened by the last Submenu item above
    QuickItemKind kind;
    QuickAction action;
    bool checkable = false;    // shows a check mark kept current by the tray window's poll
};

// The items of `mnBar` in display order.
std::span<const QuickMenuItem> quickMenuItems();

// The value whose text decides the two Script Host check marks.
inline constexpr int kScriptHostHive = 2;
inline constexpr std::string_view kScriptHostKey = "SOFTWARE\\Microsoft\\Windows Script Host\\Settings";
inline constexpr std::string_view kScriptHostValue = "Enabled";

// The question asked after the icon is removed by "&Beenden".
inline constexpr std::string_view kRestartQuestion =
    "Es wurden eventuell Änderungen an ihrem System vorgenommen, die einen Neustart erfordern. "
    "Wollen Sie jetzt rebooten?";
inline constexpr std::string_view kRestartTitle = "Windows neustarten?";

// The notification-area icon's tool tip.
inline constexpr std::string_view kTrayToolTip = "Zunderwerk";

}  // namespace zw::shell
