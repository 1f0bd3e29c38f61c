// UTF-8 code points and the Windows 8-bit code page 1252, header-only: the registry store and
// the online rules both use it, and the online rules link nothing of the platform library.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zw::platform {

struct Utf8Step {
    char32_t codePoint = 0;
    std::size_t length = 1;
    bool valid = false;
};

// Decodes the code point starting at `pos` (rejects overlong forms, surrogates, > U+10FFFF
// and sequences cut short by the end of the text).
inline Utf8Step decodeUtf8(std::string_view text, std::size_t pos) {
    Utf8Step step;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) return {lead, 1, true};
    std::size_t length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { length = 2; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { length = 3; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { length = 4; cp = lead & 0x07; }
    else return step;
    if (pos + length > text.size()) return step;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[pos + k]);
        if ((next & 0xC0) != 0x80) return step;
        cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return step;
    return {cp, length, true};
}

// The code point at `pos`, moving `pos` past it; an invalid byte is U+FFFD and moves by one.
inline char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const Utf8Step step = decodeUtf8(text, pos);
    pos += step.valid ? step.length : 1;
    return step.valid ? step.codePoint : U'\uFFFD';
}

inline void appendUtf8(std::string& out, char32_t cp) {
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

inline bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Step step = decodeUtf8(text, i);
        if (!step.valid) return false;
        i += step.length;
    }
    return true;
}

// Code page 1252 in the range 0x80..0x9F, where it differs from Latin-1; the five unassigned
// bytes keep their C1 value.
inline constexpr std::array<char32_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Code page 1252 bytes to UTF-8: every byte is a character.
inline std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        appendUtf8(out, (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

}  // namespace zw::platform
