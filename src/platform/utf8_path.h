// A file system path from UTF-8 text, the text encoding used throughout the program.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zw::platform {

inline std::filesystem::path utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace zw::platform
