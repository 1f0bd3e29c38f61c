// The five pages of the display properties that tricks_anzeigeeigenschaften locks and
// unlocks: one policy value each below HKEY_LOCAL_MACHINE, 1 locks, 0 unlocks. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <array>
#include <string_view>

namespace zw {

struct DisplayPageLock {
    std::string_view page;          // caption of both buttons
    std::string_view lockButton;    // objectName
    std::string_view unlockButton;  // objectName
    std::string_view value;
};

const std::array<DisplayPageLock, 5>& displayPageLocks();

// Unlocking writes 0; the value is never deleted.
RegistryWrite displayLockWrite(const DisplayPageLock& row, bool lock);

}  // namespace zw
