// What the program sets up before its first window (application names, icon and fonts) and
// how it shows that window.
#pragma once

class QApplication;

namespace zw::shell {
class Navigator;
}

namespace zw::app {

// Names, icon, the design's "MS Sans Serif" mapped to a clean sans-serif; the program ends
// when its navigator unloads the last window, not when the last visible window closes.
void setUpApplication(QApplication& app);

// Shows the main window and, once it is up, tells the user (once) what opening the registry
// store had to say: a damaged store file kept aside, or no file usable at all. False when the
// main window unloaded itself during its load (another copy runs): nothing is shown then.
bool showMainWindow(shell::Navigator& navigator);

}  // namespace zw::app
