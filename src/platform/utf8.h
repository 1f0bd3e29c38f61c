// UTF-8 and UTF-16LE conversion for registry text: names and string data are UTF-8 inside the
// program, .reg files of version 5 carry UTF-16LE, REGEDIT4 files may carry Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw::platform {

struct Utf8Step {
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool valid = false;
};

// Decodes the code point starting at `pos` (rejects overlong forms, surrogates, > U+10FFFF).
Utf8Step decodeUtf8(std::string_view text, std::size_t pos);
void appendUtf8(std::string& out, char32_t codePoint);
bool isValidUtf8(std::string_view text);

// UTF-8 to UTF-16LE bytes; an invalid byte becomes U+FFFD.
std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text);
// UTF-16LE bytes (an odd last byte is ignored) to UTF-8; a lone surrogate becomes U+FFFD.
std::string utf16leToUtf8(const std::uint8_t* data, std::size_t size);
// Windows-1252 bytes to UTF-8.
std::string cp1252ToUtf8(std::string_view text);

}  // namespace zw::platform
