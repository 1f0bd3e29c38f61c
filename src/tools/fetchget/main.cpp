// fetchget URL FILE: downloads one URL through the component Fetchling, created by class
// identifier exactly as the program creates it, registering the component first when needed.
#include "event_printer.h"
#include "fetchget_options.h"

#include "fetchling/fetchling.h"
#include "platform/component_loader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <iostream>
#include <memory>

namespace {

constexpr int kExitFinished = 0;
constexpr int kExitFailed = 1;
constexpr int kExitTimeout = 2;
constexpr int kExitUsage = 64;

// The component file: beside this program, or in the installed program folder.
QString componentFile() {
    const QDir here(QCoreApplication::applicationDirPath());
    const QStringList candidates = {here.filePath(QString::fromLatin1(fetchling::kFileName)),
                                    here.filePath(QStringLiteral("../" ZW_INSTALL_PROGDIR "/") +
                                                  QString::fromLatin1(fetchling::kFileName))};
    for (const QString& c : candidates)
        if (QFileInfo(c).isFile()) return QFileInfo(c).absoluteFilePath();
    return {};
}

bool hasWindowingSystem() {
#if defined(_WIN32) || defined(__APPLE__)
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#endif
}

std::string hex(zw::com::HResult hr) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(hr));
    return buffer;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const fetchget::ParsedOptions parsed = fetchget::parseOptions(args);
    if (!parsed.options) {
        std::cerr << "fetchget: " << parsed.error << "\n" << fetchget::kUsage;
        return kExitUsage;
    }
    const fetchget::Options& options = *parsed.options;
    if (options.help) {
        std::cout << fetchget::kUsage;
        return kExitFinished;
    }

    // With a windowing system the component shows its error box; without, it writes to stderr.
    std::unique_ptr<QCoreApplication> app = hasWindowingSystem() ? std::make_unique<QApplication>(argc, argv)
                                                                 : std::make_unique<QCoreApplication>(argc, argv);

    if (!zw::platform::isClassUsable(fetchling::CLSID_clsDownload)) {
        const QString file = componentFile();
        if (file.isEmpty()) {
            std::cerr << "fetchget: Fetchling ist nicht registriert und " << fetchling::kFileName
                      << " liegt nicht neben fetchget.\n";
            return kExitFailed;
        }
        const zw::com::HResult hr = zw::platform::registerServer(file.toStdString(), true);
        if (!zw::com::succeeded(hr)) {
            std::cerr << "fetchget: Fetchling kann nicht registriert werden (" << hex(hr) << ").\n";
            return kExitFailed;
        }
    }

    zw::com::HResult hr = zw::com::kOk;
    auto download = zw::platform::createInstance<fetchling::_clsDownload>(fetchling::CLSID_clsDownload,
                                                                         fetchling::IID__clsDownload, &hr);
    if (!download) {
        std::cerr << "fetchget: clsDownload kann nicht erzeugt werden (" << hex(hr) << ").\n";
        return kExitFailed;
    }

    fetchget::EventPrinter printer(std::cout, [&] {
        // The status code is read before the last reference goes, inside the event.
        std::cout << "Status " << download->StatusCode() << std::endl;
        download.reset();
        QCoreApplication::exit(kExitFinished);
    });
    download->Advise(&printer);
    if (!download->DoDownload(options.url.c_str(), options.file.c_str())) return kExitFailed;

    // The component ends a download whose answer it cannot store without an event.
    QTimer failureCheck;
    QObject::connect(&failureCheck, &QTimer::timeout, app.get(), [&] {
        if (!download || !download->Failed()) return;
        std::cout.flush();
        std::cerr << "fetchget: die Antwort des Servers kann nicht gespeichert werden\n";
        QCoreApplication::exit(kExitFailed);
    });
    failureCheck.start(100);

    if (options.timeoutSeconds) {
        QTimer::singleShot(static_cast<int>(*options.timeoutSeconds * 1000), app.get(), [&] {
            if (download) download->AbortDownload();
            std::cout.flush();
            std::cerr << "fetchget: kein Finished nach " << *options.timeoutSeconds << " s\n";
            QCoreApplication::exit(kExitTimeout);
        });
    }
    const int code = app->exec();
    std::cout.flush();
    download.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
