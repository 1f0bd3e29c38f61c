#include "update_rules.h"

#include "code_page.h"
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

std::string decodeServerText(std::string_view bytes)
{
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return decodeCp1252(bytes);
}

} // namespace zw::online
