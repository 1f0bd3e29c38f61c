// Where the program's folders are: the program folder, and the Windows and system folders
// (off Windows a private per-user stand-in).
#include "qt_services.h"

#include "private_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zw::platform {
namespace {

#ifndef _WIN32
// .../Zunderwerk/WINDOWS beside the registry store, with SYSTEM inside; each made (or, when found
// with wider access, tightened) for the user alone. A link or another user's folder at one of
// these names is left as it is: whoever puts files there checks the folders again and refuses.
QString ownWindowsFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + QStringLiteral("/Zunderwerk");
    const QString windows = base + QStringLiteral("/WINDOWS");
    QDir().mkpath(QFileInfo(base).absolutePath());
    securePrivateFolders({base.toStdString(), windows.toStdString(), (windows + QStringLiteral("/SYSTEM")).toStdString()},
                         true);
    return windows;
}
#endif

}  // namespace

QString QtFolders::windowsDirectory() {
#ifdef _WIN32
    char buffer[256] = {};
    const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer, length < sizeof buffer ? static_cast<int>(length) : 0);
#else
    return ownWindowsFolder();
#endif
}

QString QtFolders::systemDirectory() {
#ifdef _WIN32
    char buffer[260] = {};
    const UINT length = GetSystemDirectoryA(buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer, length < sizeof buffer ? static_cast<int>(length) : 0);
#else
    return ownWindowsFolder() + QStringLiteral("/SYSTEM");
#endif
}

QString QtFolders::programFolder() { return QCoreApplication::applicationDirPath(); }

}  // namespace zw::platform
