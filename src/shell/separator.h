// Path helpers of the module WinDir. Plain C++, no Qt.
#pragma once

#include <string>
#include <string_view>

namespace zw::shell {

// The folder with `separator` appended unless it already ends in a folder separator
// ("C:\WINDOWS" -> "C:\WINDOWS\", "C:\" stays "C:\").
std::string withTrailingSeparator(std::string_view folder, char separator);

}  // namespace zw::shell
