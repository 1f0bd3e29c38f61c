#include "update_rules.h"

#include "update_texts.h"

#include <array>
#include <utility>

namespace zw::online {

VersionVerdict judgeVersion(std::string_view current, std::string_view server)
{
    if (current == server) {
        return VersionVerdict::UpToDate;
    }
    return server.empty() ? VersionVerdict::NoAnswer : VersionVerdict::NewVersion;
}

std::string newVersionMessage(std::string_view current, std::string_view server)
{
    std::string s;
    s.append("Ihre aktuelle Version").append(" (").append(current).append(") ");
    s.append("ist veraltet! Laden Sie die neue Version").append(" (").append(server).append(") ");
    s.append("jetzt vom Server!");
    return s;
}

std::string errorWithAddress(std::string_view webAddress)
{
    std::string s(text::kErrorPrefix);
    s.append(webAddress).append(text::kErrorSuffix);
    return s;
}

std::optional<InfoIcon> infoKindIcon(std::string_view kind)
{
    static constexpr std::array<std::pair<std::string_view, InfoIcon>, 4> kinds{{
        {"vbInformation", InfoIcon::Information},
        {"vbCritical", InfoIcon::Critical},
        {"vbExclamation", InfoIcon::Exclamation},
        {"vbQuestion", InfoIcon::Question},
    }};
    for (const auto& [name, icon] : kinds) {
        if (name == kind) {
            return icon;
        }
    }
    return std::nullopt;
}

std::string progressStatus(long bytesLoaded, long fileSize)
{
    std::string s = std::to_string(bytesLoaded);
    s.append(text::kBytesOf).append(std::to_string(fileSize));
    return s;
}

bool downloadComplete(bool transferOk, long bytesLoaded, long fileSize)
{
    if (!transferOk) {
        return false;
    }
    return fileSize <= 0 || bytesLoaded >= fileSize;
}

namespace {

bool validUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t extra = 0;
        unsigned long cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
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
            return false;
        }
        if (i + extra >= s.size()) {
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr unsigned long minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

void appendUtf8(std::string& out, unsigned cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Code page 1252 in the range 0x80..0x9F; the five unassigned bytes keep their C1 value.
constexpr std::array<unsigned short, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::string decodeServerText(std::string_view bytes)
{
    if (validUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : b);
    }
    return out;
}

} // namespace zw::online
