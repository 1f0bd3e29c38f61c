// The shell's further windows: the notification-area window, the about window and the launcher.
#pragma once

namespace zw::shell {

class Navigator;

// Registers "Minimiert", "Info" and "tools" with the navigator.
void registerTrayAboutWindows(Navigator& navigator);

}  // namespace zw::shell
