// What the text and choice windows store: the logon notice and the browser title through the
// registry layer's direct calls, the hung-program timeout as typed, and the messenger
// service's start type from an exact choice. Plain C++, no Qt.
#pragma once

#include "tweak/registry.h"

#include <optional>
#include <string>
#include <string_view>

namespace zw {

// A fixed value that a window stores its text under with SetKeyKey.
struct KeyTextTarget {
    HiveCode hive;
    std::string_view key;
    std::string_view value;
};

inline constexpr KeyTextTarget kLegalNoticeCaption{2, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                                                   "LegalNoticeCaption"};
inline constexpr KeyTextTarget kLegalNoticeText{2, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon",
                                                "LegalNoticeText"};
inline constexpr KeyTextTarget kBrowserWindowTitle{1, "Software\\Microsoft\\Internet Explorer\\Main", "Window Title"};

inline constexpr std::string_view kStandardBrowserTitle = "Microsoft Internet Explorer";

// SetKeyKey: creates or opens the whole key path in one call, stores the text as REG_SZ of
// the text's length (no terminating NUL), closes the key. Silent; nothing is written when the
// key cannot be created.
void SetKeyKey(const KeyTextTarget& target, std::string_view text);

// Line breaks as a text box hands them over ("\n", or "\r\n" already) become carriage return
// and line feed, the way the notice is kept on Windows.
std::string withWindowsLineBreaks(std::string_view text);

// The hung-program timeout: "Control Panel\Desktop" "HungAppTimeout" below the current user.
std::string loadHungAppTimeout();
void storeHungAppTimeout(std::string_view typed);  // REG_SZ, unchecked

// The messenger service's start type for a chosen text: exact and case-sensitive
// ("Automatisch" 2, "Manuell" 3, "Deaktiviert" 4); none for anything else.
std::optional<std::int32_t> messengerStartType(std::string_view chosen);
void storeMessengerStartType(std::int32_t startType);

inline constexpr std::string_view kStartTypeRefusal = "Bitte wählen Sie einen korrekten Starttyp aus!";
inline constexpr std::string_view kStartTypeRefusalTitle = "Starttyp korrekt wählen...";

}  // namespace zw
