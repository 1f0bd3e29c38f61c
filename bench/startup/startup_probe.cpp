// The program's start exactly as main() does it, ending as soon as the main window has been
// shown and painted once: what the start-up benchmark runs as a whole process.
#include "all_windows.h"
#include "program_setup.h"

#include "shell/navigator.h"
#include "shell/tool_window.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zw::app::setUpApplication(app);
    zw::shell::Navigator navigator;
    zw::app::registerAllWindows(navigator);
    if (!zw::app::showMainWindow(navigator)) return 3;
    navigator.loaded(QStringLiteral("Form1"))->repaint();
    QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
