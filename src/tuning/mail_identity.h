// The mail client's splash switch: its key lies below the user's current mail identity, found
// afresh before every poll and every write. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"
#include "tweak/state_rule.h"

#include <string>
#include <string_view>

namespace zw {

// The name of the last subkey that the enumeration of HKCU "Identities" returns; the empty
// text when the key cannot be opened or has no subkeys. Closes what it opened.
std::string lastIdentity();

// "Identities\<identity>\Software\Microsoft\Outlook Express\5.0"
std::string identityKeyPath(std::string_view identity);

// The toggle record of the splash switch for one identity: "NoSplash" REG_DWORD, Apply 1,
// Restore 0, Text "1" Applied, Text "0" Default.
RegistryToggle outlookSplashToggle(std::string_view identity);

// One poll with the identity found now. With no identity the buttons stay as they are.
struct SplashPoll {
    bool identityFound = false;
    PollOutcome outcome;
};
SplashPoll pollOutlookSplash();

// Apply (true) or Restore (false) for the identity found now. With no identity nothing is
// written, as the path would have an empty key name; returns whether it wrote.
bool writeOutlookSplash(bool apply);

}  // namespace zw
