#include "tray_callback.h"

namespace zw::shell {

TrayReaction trayReaction(int mouseMessage)
{
    switch (mouseMessage) {
    case kMouseLeftDoubleClick:
    case kMouseRightDoubleClick:
        return TrayReaction::ShowMainWindow;
    case kMouseRightUp:
        return TrayReaction::PopupMenu;
    default:
        return TrayReaction::None;
    }
}

ScriptHostMarks nextScriptHostMarks(ScriptHostMarks current, std::string_view valueText)
{
    if (valueText == "0")
        return {.enabled = false, .disabled = true};
    if (valueText == "1")
        return {.enabled = true, .disabled = false};
    return current;
}

}  // namespace zw::shell
