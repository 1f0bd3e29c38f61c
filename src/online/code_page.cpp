#include "code_page.h"

#include <array>

namespace zw::online {

namespace {

// Code page 1252 in the range 0x80..0x9F; the five unassigned bytes keep their C1 value.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The sequence length and code point at i, or 0 when the bytes there are not valid UTF-8.
size_t decodeAt(std::string_view s, size_t i, char32_t& cp)
{
    const auto c = static_cast<unsigned char>(s[i]);
    size_t extra = 0;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        extra = 1;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= s.size()) {
        return 0;
    }
    for (size_t k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return extra + 1;
}

} // namespace

char32_t nextCodePoint(std::string_view s, size_t& i)
{
    char32_t cp = 0;
    const size_t n = decodeAt(s, i, cp);
    if (n == 0) {
        ++i;
        return 0xFFFD;
    }
    i += n;
    return cp;
}

bool isValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t cp = 0;
        const size_t n = decodeAt(bytes, i, cp);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string decodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

std::string encodeCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    forEachCodePoint(utf8, [&](char32_t cp) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            return;
        }
        for (size_t k = 0; k < kCp1252High.size(); ++k) {
            if (kCp1252High[k] == cp) {
                out.push_back(static_cast<char>(0x80 + k));
                return;
            }
        }
        out.append("&#").append(std::to_string(static_cast<unsigned long>(cp))).append(";");
    });
    return out;
}

} // namespace zw::online
