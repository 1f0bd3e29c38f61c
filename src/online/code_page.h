#pragma once
// Texts between UTF-8 and the Windows 8-bit code page 1252 (which the web also uses for the
// labels iso-8859-1, latin1 and us-ascii).

#include <string>
#include <string_view>

namespace zw::online {

bool isValidUtf8(std::string_view bytes);

// Byte for character; every byte is a character of code page 1252.
std::string decodeCp1252(std::string_view bytes);

// Characters that code page 1252 lacks become "&#NNNN;", as browsers send them in forms.
std::string encodeCp1252(std::string_view utf8);

// The code points of a UTF-8 text; an invalid byte stands for itself as U+FFFD.
template <typename Visit>
void forEachCodePoint(std::string_view utf8, Visit&& visit);

void appendUtf8(std::string& out, char32_t cp);
char32_t nextCodePoint(std::string_view s, size_t& i);

template <typename Visit>
void forEachCodePoint(std::string_view utf8, Visit&& visit)
{
    size_t i = 0;
    while (i < utf8.size()) {
        visit(nextCodePoint(utf8, i));
    }
}

} // namespace zw::online
