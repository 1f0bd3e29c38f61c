#include "ascii_text.h"

namespace zw::online {

bool isAsciiWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r'; }

std::string asciiLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::string asciiTrimmed(std::string_view s)
{
    size_t b = 0;
    size_t e = s.size();
    while (b < e && isAsciiWhitespace(s[b])) {
        ++b;
    }
    while (e > b && isAsciiWhitespace(s[e - 1])) {
        --e;
    }
    return std::string(s.substr(b, e - b));
}

} // namespace zw::online
