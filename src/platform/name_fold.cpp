#include "name_fold.h"

#include "utf8.h"

namespace zw::platform {

namespace {

// Latin Extended-A pairs the capital at the even code point and the small letter after it,
// except in the two runs below where the capital sits at the odd code point.
char32_t foldLatinExtendedA(char32_t c) {
    if (c == 0x131) return 'I';          // dotless i
    if (c == 0x138 || c == 0x149) return c;  // kra, n preceded by apostrophe: no capital
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddCapitals) return (c % 2 == 0) ? c - 1 : c;
    if (c == 0x178) return c;
    return (c % 2 == 1) ? c - 1 : c;
}

}  // namespace

char32_t foldCodePoint(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;  // à … þ
    if (c == 0xFF) return 0x178;                                // ÿ
    if (c == 0xB5) return 0x39C;                                // micro sign
    if (c >= 0x100 && c <= 0x17F) return foldLatinExtendedA(c);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek α … ω
    if (c == 0x3C2) return 0x3A3;                                 // final sigma
    if (c >= 0x3AC && c <= 0x3AF) {                               // Greek with tonos
        static constexpr char32_t kTonos[] = {0x386, 0x388, 0x389, 0x38A};
        return kTonos[c - 0x3AC];
    }
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic а … я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;  // Cyrillic ѐ … џ
    return c;
}

std::string foldName(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto ch = static_cast<unsigned char>(utf8[i]);
        if (ch < 0x80) {
            out.push_back((ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 0x20) : static_cast<char>(ch));
            ++i;
            continue;
        }
        const Utf8Step step = decodeUtf8(utf8, i);
        if (!step.valid) {
            out.push_back(utf8[i]);
            ++i;
            continue;
        }
        appendUtf8(out, foldCodePoint(step.codePoint));
        i += step.length;
    }
    return out;
}

std::size_t nameLength(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Utf8Step step = decodeUtf8(utf8, i);
        i += step.valid ? step.length : 1;
        ++count;
    }
    return count;
}

}  // namespace zw::platform
