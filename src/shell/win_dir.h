// Module WinDir: the Windows folder, always ending in a folder separator.
#pragma once

#include <QString>

namespace zw::WinDir {

// The Windows folder as the platform reports it, with a separator appended unless it already
// ends in one: "C:\WINDOWS\" on Windows; off Windows the program's own per-user folder.
QString GetWindowsFolder();

}  // namespace zw::WinDir
