#include "shutdown_dialogs.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zw::shell {
namespace {

// Each of these shows its desktop's question with the choice of shutting down, restarting or
// logging off, and does nothing until the user chooses.
const std::array<ShutdownDialogCommand, 9> kCommands{{
    {"GNOME", false, "gnome-session-quit", {"--power-off"}},
    {"KDE", false, "qdbus6", {"org.kde.LogoutPrompt", "/LogoutPrompt", "promptAll"}},
    {"KDE", false, "qdbus", {"org.kde.ksmserver", "/KSMServer", "logout", "1", "0", "0"}},
    {"KDE", false, "qdbus-qt5", {"org.kde.ksmserver", "/KSMServer", "logout", "1", "0", "0"}},
    {"XFCE", true, "xfce4-session-logout", {}},
    {"MATE", true, "mate-session-save", {"--shutdown-dialog"}},
    {"X-Cinnamon", false, "cinnamon-session-quit", {"--power-off"}},
    {"LXQt", true, "lxqt-leave", {}},
    {"LXDE", true, "lxsession-logout", {}},
}};

bool sameName(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

bool isRunning(std::string_view desktop, std::string_view currentDesktops)
{
    while (!currentDesktops.empty()) {
        const auto colon = currentDesktops.find(':');
        if (sameName(currentDesktops.substr(0, colon), desktop))
            return true;
        if (colon == std::string_view::npos)
            break;
        currentDesktops.remove_prefix(colon + 1);
    }
    return false;
}

}  // namespace

std::span<const ShutdownDialogCommand> shutdownDialogCommands() { return kCommands; }

std::optional<ShutdownDialogCommand> findShutdownDialog(std::string_view currentDesktops,
                                                        const std::function<bool(std::string_view)>& installed)
{
    for (const auto& command : kCommands) {
        if (isRunning(command.desktop, currentDesktops) && installed(command.program))
            return command;
    }
    for (const auto& command : kCommands) {
        if (command.anyDesktop && installed(command.program))
            return command;
    }
    return std::nullopt;
}

}  // namespace zw::shell
