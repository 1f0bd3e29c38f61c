#include "tips/text_tweaks.h"

#include "tweak/write_outcome.h"

#include <array>
#include <limits>
#include <utility>

namespace zw {

void SetKeyKey(const KeyTextTarget& target, std::string_view text)
{
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        Registry::WriteOutcome::noteFailure();
        return;
    }
    Registry::RegKey key = 0;
    if (Registry::CreateKey(target.hive, target.key, key) != platform::kRegOk)
        return;
    Registry::SetStringValueSized(key, target.value, text, static_cast<std::uint32_t>(text.size()));
    Registry::CloseKey(key);
}

std::string withWindowsLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

namespace {
constexpr const char* kDesktop = "Control Panel\\Desktop";
constexpr const char* kHungAppTimeout = "HungAppTimeout";
}  // namespace

std::string loadHungAppTimeout()
{
    return Registry::GetValueText(1, kDesktop, kHungAppTimeout);
}

void storeHungAppTimeout(std::string_view typed)
{
    Registry::SetStringValue(1, kDesktop, kHungAppTimeout, typed);
}

std::optional<std::int32_t> messengerStartType(std::string_view chosen)
{
    constexpr std::array<std::pair<std::string_view, std::int32_t>, 3> kTypes = {
        {{"Automatisch", 2}, {"Manuell", 3}, {"Deaktiviert", 4}}};
    for (const auto& [text, type] : kTypes)
        if (chosen == text)
            return type;
    return std::nullopt;
}

void storeMessengerStartType(std::int32_t startType)
{
    Registry::SetDwordValue(2, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", startType);
}

}  // namespace zw
