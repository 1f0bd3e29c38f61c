#include "utf8.h"

namespace zw::platform {

namespace {
constexpr char32_t kReplacement = 0xFFFD;
}

std::vector<std::uint8_t> utf8ToUtf16le(std::string_view text) {
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    auto put = [&out](char32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const Utf8Step step = decodeUtf8(text, i);
        const char32_t cp = step.valid ? step.codePoint : kReplacement;
        i += step.valid ? step.length : 1;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::string utf16leToUtf8(const std::uint8_t* data, std::size_t size) {
    std::string out;
    out.reserve(size / 2);
    const std::size_t units = size / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = data[2 * i] | (data[2 * i + 1] << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = data[2 * i + 2] | (data[2 * i + 3] << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out, (unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
    }
    return out;
}

}  // namespace zw::platform
