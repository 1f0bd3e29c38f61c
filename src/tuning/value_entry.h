// The two value entry windows: what they load into their entry box and what "Ändern" stores.
// Plain C++, no Qt.
#pragma once

#include "tweak/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

// A whole number from 0 to 2147483647, blanks around allowed; anything else gives none.
std::optional<std::int32_t> parseConnectionCount(std::string_view text);

// Shown instead of storing when the typed connection count is not such a number.
inline constexpr const char* kConnectionCountRefusal =
    "Bitte geben Sie als Anzahl der Verbindungen eine ganze Zahl von 0 bis 2147483647 ein.\n\n"
    "Es wurde nichts geändert.";

// What the entry box shows when the window loads, given the box's design text: the stored
// "MaxConnectionsPerServer" when there is one, else the design text.
std::string loadMaxConnections(std::string_view designText);
// Both "MaxConnectionsPerServer" and "MaxConnectionsPer1_0Server" as REG_DWORD.
void storeMaxConnections(std::int32_t count);

// The stored "MenuShowDelay" in every case, the empty text when it is missing.
std::string loadMenuShowDelay();
// Stores any text, the empty text included, as REG_SZ.
void storeMenuShowDelay(std::string_view text);

}  // namespace zw
