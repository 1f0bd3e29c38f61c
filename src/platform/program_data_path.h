// Files of the program's Data folder, named as the windows name them ("Data\RAM\..."),
// resolved against the program folder so they are found however the program was started.
// Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace zw::platform {

// The memory clean-up scripts of the Data folder.
inline constexpr std::string_view kMemoryScriptBelow128 = "Data\\RAMdefrag\\less128.vbs";
inline constexpr std::string_view kMemoryScriptAbove128 = "Data\\RAM\\RAMdefrag\\above128.vbs";

// programFolder + the relative name, with the backslashes of the name turned into the
// folder's own separator ('\' when the folder uses it, else '/').
inline std::string programDataPath(std::string_view programFolder, std::string_view relative)
{
    const char separator = programFolder.find('\\') != std::string_view::npos ? '\\' : '/';
    std::string path(programFolder);
    while (!path.empty() && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    while (!relative.empty() && (relative.front() == '/' || relative.front() == '\\'))
        relative.remove_prefix(1);
    path += separator;
    for (char c : relative)
        path += (c == '\\' || c == '/') ? separator : c;
    return path;
}

}  // namespace zw::platform
