// The desktops' own dialogs to shut down, restart or log off, by the program that shows each.
// Used off Windows, where the system's shut-down dialog is the desktop's. Plain C++, no Qt.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zw::shell {

struct ShutdownDialogCommand {
    std::string_view desktop;  // the desktop's name in XDG_CURRENT_DESKTOP
    bool anyDesktop;           // also worth trying when another desktop runs (a program of its own)
    std::string_view program;
    std::vector<std::string_view> arguments;
};

// Known dialogs: each asks the user before anything ends.
std::span<const ShutdownDialogCommand> shutdownDialogCommands();

// The dialog of the running desktop (`currentDesktops`: XDG_CURRENT_DESKTOP, names separated by
// ":") when `installed` finds its program; else the first installed dialog that does not need
// its own desktop running; else none.
std::optional<ShutdownDialogCommand> findShutdownDialog(std::string_view currentDesktops,
                                                        const std::function<bool(std::string_view)>& installed);

}  // namespace zw::shell
