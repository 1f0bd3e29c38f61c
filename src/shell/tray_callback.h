// What the notification-area window does with a mouse event on its icon, and how it keeps the
// Script Host check marks. Plain C++, no Qt.
#pragma once

#include <string_view>

namespace zw::shell {

// Mouse message numbers as the notification area reports them.
inline constexpr int kMouseLeftUp = 0x202;
inline constexpr int kMouseLeftDoubleClick = 0x203;   // 515
inline constexpr int kMouseRightUp = 0x205;           // 517
inline constexpr int kMouseRightDoubleClick = 0x206;  // 518
inline constexpr int kMouseMiddleUp = 0x208;

enum class TrayReaction { None, ShowMainWindow, PopupMenu };

// 515 and 518 bring the main window back, 517 opens the menu, anything else does nothing.
TrayReaction trayReaction(int mouseMessage);

// The two check marks of the Script Host items.
struct ScriptHostMarks {
    bool enabled = false;   // `wsh1` "Script Host aktivieren"
    bool disabled = false;  // `wsh0` "Script Host deaktivieren"
    friend bool operator==(const ScriptHostMarks&, const ScriptHostMarks&) = default;
};

// The marks after one poll that read `valueText`: exactly "0" or "1" set them, anything else
// (a missing value reads as the empty text) leaves them as they were.
ScriptHostMarks nextScriptHostMarks(ScriptHostMarks current, std::string_view valueText);

}  // namespace zw::shell
