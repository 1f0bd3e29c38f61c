#pragma once
// ASCII case and white space, as HTML attribute values need them.

#include <string>
#include <string_view>

namespace zw::online {

bool isAsciiWhitespace(char c);
std::string asciiLower(std::string_view s);
std::string asciiTrimmed(std::string_view s);

} // namespace zw::online
