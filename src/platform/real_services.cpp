// The one set of real services of the process.
#include "qt_launcher.h"
#include "qt_services.h"
#include "qt_tones.h"

namespace zw::platform {

const Services& realServices() {
    static QtDialogs dialogs;
    // Lives until the process ends: its audio output is closed when the application quits.
    static QtTones& tones = *new QtTones;
    static QtLauncher launcher;
    static QtClock clock;
    static QtFolders folders;
    static LockFileInstance instance;
    static const Services set{&dialogs, &tones, &launcher, &clock, &folders, &instance};
    return set;
}

}  // namespace zw::platform
