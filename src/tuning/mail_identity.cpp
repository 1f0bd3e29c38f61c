#include "tuning/mail_identity.h"

#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

namespace zw {

namespace {

constexpr HiveCode kCurrentUser = 1;

}  // namespace

std::string lastIdentity()
{
    std::string identity;
    Registry::RegKey key = 0;
    if (Registry::OpenKey(kCurrentUser, "Identities", key) != platform::kRegOk)
        return identity;
    std::string name;
    for (std::uint32_t index = 0; Registry::EnumKey(key, index, name) == platform::kRegOk; ++index)
        identity = name.substr(0, name.find('\0'));
    Registry::CloseKey(key);
    return identity;
}

std::string identityKeyPath(std::string_view identity)
{
    return "Identities\\" + std::string(identity) + "\\Software\\Microsoft\\Outlook Express\\5.0";
}

RegistryToggle outlookSplashToggle(std::string_view identity)
{
    const Probe noSplash{kCurrentUser, identityKeyPath(identity), "NoSplash"};
    return makeToggle({"reg_OutlookSplash", "Regedit", "Outlook Express: Schnellerer Start",
                       "Outlook Express: Schnellerer Start", "Deaktivieren", 6375, 4455},
                      noSplash, {setDword(noSplash, 1)}, {setDword(noSplash, 0)},
                      {textIs("1", ToggleState::Applied), textIs("0", ToggleState::Default)}, std::nullopt,
                      {"Ein schnellerer Start von Outlook Express ist möglich, indem Sie den Splash Screen "
                       "einfach deaktivieren:"});
}

SplashPoll pollOutlookSplash()
{
    const std::string identity = lastIdentity();
    if (identity.empty())
        return {false, PollOutcome::keep()};
    return {true, pollToggle(outlookSplashToggle(identity))};
}

bool writeOutlookSplash(bool apply)
{
    const std::string identity = lastIdentity();
    if (identity.empty())
        return false;
    const RegistryToggle toggle = outlookSplashToggle(identity);
    performWrites(apply ? toggle.applyWrites : toggle.restoreWrites);
    return true;
}

}  // namespace zw
