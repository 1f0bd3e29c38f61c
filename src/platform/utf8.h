// UTF-8 and UTF-16LE conversion for registry text: names and string data are UTF-8 inside the
// program, .reg files of version 5 carry UTF-16LE, REGEDIT4 files may carry Windows-1252.
// Code points and code page 1252 on their own: utf8_code_points.h.
#pragma once

#include "utf8_code_points.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw::platform {

// UTF-8 to UTF-16LE bytes; an invalid byte becomes U+FFFD.
std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text);
// UTF-16LE bytes (an odd last byte is ignored) to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16leToUtf8(const std::uint8_t* data, std::size_t size);

}  // namespace zw::platform
