// What the program sets up before its first window: application names, icon and fonts.
#pragma once

class QApplication;

namespace zw::app {

// Names, icon, the design's "MS Sans Serif" mapped to a clean sans-serif; the program ends
// when its navigator unloads the last window, not when the last visible window closes.
void setUpApplication(QApplication& app);

}  // namespace zw::app
