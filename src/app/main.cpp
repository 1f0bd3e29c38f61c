// Zunderwerk: starts with the main window and ends when its last window is unloaded.
#include "all_windows.h"
#include "program_setup.h"

#include "shell/navigator.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zw::app::setUpApplication(app);

    zw::shell::Navigator navigator;
    zw::app::registerAllWindows(navigator);
    QObject::connect(&navigator, &zw::shell::Navigator::lastWindowUnloaded, &app, [] { QApplication::exit(0); });

    // A second copy's main window unloads itself during its load: nothing is shown.
    if (!zw::app::showMainWindow(navigator)) return 0;
    return QApplication::exec();
}
