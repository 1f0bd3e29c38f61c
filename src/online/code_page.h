#pragma once
// Texts between UTF-8 and the Windows 8-bit code page 1252 (which the web also uses for the
// labels iso-8859-1, latin1 and us-ascii). The code points themselves: utf8_code_points.h.

#include "platform/utf8_code_points.h"

#include <string>
#include <string_view>

namespace zw::online {

using platform::appendUtf8;
using platform::isValidUtf8;
using platform::nextCodePoint;

// Byte for character; every byte is a character of code page 1252.
inline std::string decodeCp1252(std::string_view bytes) { return platform::cp1252ToUtf8(bytes); }

// Characters that code page 1252 lacks become "&#NNNN;", as browsers send them in forms.
std::string encodeCp1252(std::string_view utf8);

// The code points of a UTF-8 text; an invalid byte stands for itself as U+FFFD.
template <typename Visit>
void forEachCodePoint(std::string_view utf8, Visit&& visit)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        visit(nextCodePoint(utf8, i));
    }
}

} // namespace zw::online
