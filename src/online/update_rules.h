#pragma once
// Decisions of the update window's three conversations, apart from any window.

#include <optional>
#include <string>
#include <string_view>

namespace zw::online {

// Server paths below the product web server's root.
inline constexpr std::string_view kVersionPath = "/downloads/mytools/update/zunderwerk.txt";
inline constexpr std::string_view kMessagePath = "/downloads/mytools/msg/zunderwerk.txt";
inline constexpr std::string_view kMessageKindPath = "/downloads/mytools/msg/zunderwerk_msgtyp.txt";
inline constexpr std::string_view kArchivePath = "/downloads/mytools/Zunderwerk.zip";

// The files in the Windows folder each look-up passes through.
inline constexpr std::string_view kVersionFile = "update.txt";
inline constexpr std::string_view kMessageFile = "servermsg.txt";
inline constexpr std::string_view kMessageKindFile = "servermsgtyp.txt";

enum class VersionVerdict { UpToDate, NewVersion, NoAnswer };

// The server's text is compared whole with this program's version: anything else that is
// not empty counts as newer, line breaks and error pages included.
VersionVerdict judgeVersion(std::string_view current, std::string_view server);

// "Ihre aktuelle Version (2.0) ist veraltet! Laden Sie die neue Version (2.1) jetzt vom Server!"
std::string newVersionMessage(std::string_view current, std::string_view server);

// The error text of the update check (second web address) or of the download start (first).
std::string errorWithAddress(std::string_view webAddress);

enum class InfoIcon { Information, Critical, Exclamation, Question };

// The icon for an info message kind; none for an unknown kind (then nothing is shown).
std::optional<InfoIcon> infoKindIcon(std::string_view kind);

// "300 Bytes von 1000"
std::string progressStatus(long bytesLoaded, long fileSize);

// Whether a finished download really arrived whole: with an announced size, every byte of
// it; the component's own report of success comes first.
bool downloadComplete(bool transferOk, long bytesLoaded, long fileSize);

// Received bytes as text: UTF-8 when they are valid UTF-8, otherwise the Windows 8-bit code
// page (1252), byte for character.
std::string decodeServerText(std::string_view bytes);

} // namespace zw::online
