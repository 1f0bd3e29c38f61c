#include "program_setup.h"

#include "platform/registry_access.h"
#include "platform/services.h"
#include "shell/navigator.h"
#include "shell/program_folder.h"
#ifndef _WIN32
#include "platform/store_recovery.h"
#endif

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QTimer>

#include <string>

namespace zw::app {

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Zunderwerk"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setDesktopFileName(QStringLiteral("zunderwerk"));
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(shell::dataPath(QStringLiteral("Pics/Icons/zunderwerk.png"))));
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                                QStringLiteral("Noto Sans"), QStringLiteral("Sans Serif")});
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    QApplication::setFont(font);
}

namespace {

// What the store's opening left for the user; the Windows registry has nothing to say.
std::string registryNotice() {
    platform::activeRegistry();  // opened here at the latest, so that nothing is said too late
#ifdef _WIN32
    return {};
#else
    return platform::takeRegistryNotice();
#endif
}

}  // namespace

bool showMainWindow(shell::Navigator& navigator) {
    if (!navigator.show(QStringLiteral("Form1"))) return false;
    const std::string notice = registryNotice();
    if (notice.empty()) return true;
    // After the main window has been painted; the box is modal over it.
    QTimer::singleShot(0, &navigator, [text = QString::fromStdString(notice)] {
        platform::services().dialogs->messageBox(text, platform::kProgramTitle, platform::MsgIcon::Exclamation,
                                                 platform::MsgButtons::Ok);
    });
    return true;
}

}  // namespace zw::app
