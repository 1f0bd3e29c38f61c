#include "win_dir.h"

#include "platform/services.h"
#include "separator.h"

namespace zw::WinDir {

QString GetWindowsFolder() {
#ifdef _WIN32
    constexpr char kSeparator = '\\';
#else
    constexpr char kSeparator = '/';
#endif
    const QString reported = platform::services().folders->windowsDirectory();
    return QString::fromStdString(shell::withTrailingSeparator(reported.toStdString(), kSeparator));
}

}  // namespace zw::WinDir
