// Renders every registered window to a PNG file with its rounded outline, for the README and
// for a look at all windows at once. Usage: zw_screenshots <output folder> [window names...]
// Runs on any Qt platform; the build target "screenshots" uses the offscreen one. Works on a
// private registry store in memory, so the user's own store is never touched.
#include "all_windows.h"
#include "program_setup.h"

#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/services.h"
#include "platform/sqlite_registry_store.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"
#include "shell/window_shape.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include <cstdio>

namespace {

using namespace zw::platform;

// Message boxes and file dialogs that a window might show while loading answer at once.
class QuietDialogs final : public DialogService {
public:
    MsgAnswer messageBox(const QString&, const QString&, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    QString openFileName(const FileDialogRequest&) override { return {}; }
    QString saveFileName(const FileDialogRequest&) override { return {}; }
};

class AlwaysFirst final : public InstanceService {
public:
    Claim claim() override { return Claim::First; }
};

QImage render(zw::shell::ToolWindow* window) {
    QImage shot(window->size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRegion(zw::shell::roundedShape(window->size()));
    painter.drawPixmap(0, 0, window->grab());
    return shot;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zw::app::setUpApplication(app);
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "usage: zw_screenshots <output folder> [window names...]\n");
        return 2;
    }
    const QString folder = arguments.front();
    QDir().mkpath(folder);

    QuietDialogs dialogs;
    AlwaysFirst instance;
    ScopedServices services(Services{.dialogs = &dialogs, .instance = &instance});
    ScopedRegistry registry(SqliteRegistryStore::open(":memory:", seedDefaultHive).store);

    zw::shell::Navigator navigator;
    zw::app::registerAllWindows(navigator);
    QStringList names = arguments.mid(1);
    if (names.isEmpty()) names = navigator.names();

    int written = 0;
    for (const QString& name : names) {
        zw::shell::ToolWindow* window = navigator.show(name);
        if (!window || window->size().isEmpty()) continue;  // invisible windows have no picture
        QTest::qWait(150);  // first polls and timers
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (render(window).save(file)) ++written;
        navigator.unload(window);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("%d windows written to %s\n", written, qPrintable(folder));
    return written > 0 ? 0 : 1;
}
