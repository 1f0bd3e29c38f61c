// Each GUI folder that is part of the build offers one registration function; its CMake target
// zw_<folder>_windows is linked here and ZW_HAVE_<FOLDER>_WINDOWS defined (src/app/CMakeLists.txt).
//   src/tuning  -> "tuning/tuning_windows.h":  void zw::tuning::registerWindows(shell::Navigator&)
//   src/tips    -> "tips/tips_windows.h":      void zw::tips::registerWindows(shell::Navigator&)
//   src/browser -> "browser/browser_windows.h": void zw::browser::registerWindows(shell::Navigator&)
//   src/online  -> "online/online_windows.h":  void zw::online::registerWindows(shell::Navigator&)
//   src/tweak   -> "tweak/tweak_windows.h":    void zw::tweak::registerWindows(shell::Navigator&)
// The shell's own further windows (tray, about, launcher) register in registerTrayAboutWindows.
#include "all_windows.h"

#include "shell/form1.h"
#include "shell/navigator.h"
#include "shell/trayabout_windows.h"

#ifdef ZW_HAVE_TWEAK_WINDOWS
#include "tweak/tweak_windows.h"
#endif
#ifdef ZW_HAVE_TUNING_WINDOWS
#include "tuning/tuning_windows.h"
#endif
#ifdef ZW_HAVE_TIPS_WINDOWS
#include "tips/tips_windows.h"
#endif
#ifdef ZW_HAVE_BROWSER_WINDOWS
#include "browser/browser_windows.h"
#endif
#ifdef ZW_HAVE_ONLINE_WINDOWS
#include "online/online_windows.h"
#endif

namespace zw::app {

void registerAllWindows(shell::Navigator& navigator) {
    shell::registerMainWindow(navigator);
    shell::registerTrayAboutWindows(navigator);
#ifdef ZW_HAVE_TWEAK_WINDOWS
    zw::tweak::registerWindows(navigator);
#endif
#ifdef ZW_HAVE_TUNING_WINDOWS
    zw::tuning::registerWindows(navigator);
#endif
#ifdef ZW_HAVE_TIPS_WINDOWS
    zw::tips::registerWindows(navigator);
#endif
#ifdef ZW_HAVE_BROWSER_WINDOWS
    zw::browser::registerWindows(navigator);
#endif
#ifdef ZW_HAVE_ONLINE_WINDOWS
    zw::online::registerWindows(navigator);
#endif
}

}  // namespace zw::app
