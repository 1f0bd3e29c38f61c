#include "code_page.h"

namespace zw::online {

std::string encodeCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    forEachCodePoint(utf8, [&](char32_t cp) {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            return;
        }
        for (size_t k = 0; k < platform::kCp1252High.size(); ++k) {
            if (platform::kCp1252High[k] == cp) {
                out.push_back(static_cast<char>(0x80 + k));
                return;
            }
        }
        out.append("&#").append(std::to_string(static_cast<unsigned long>(cp))).append(";");
    });
    return out;
}

} // namespace zw::online
