#include "trayabout_windows.h"

#include "info_window.h"
#include "minimiert.h"
#include "tools_window.h"

namespace zw::shell {

void registerTrayAboutWindows(Navigator& navigator)
{
    registerTrayWindow(navigator);
    registerAboutWindow(navigator);
    registerLauncherWindow(navigator);
}

}  // namespace zw::shell
