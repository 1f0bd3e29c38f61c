#include "tuning/value_entry.h"

#include <charconv>

namespace zw {

namespace {

constexpr HiveCode kCurrentUser = 1;
constexpr std::string_view kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr std::string_view kDesktop = "Control Panel\\Desktop";

}  // namespace

std::optional<std::int32_t> parseConnectionCount(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;

    std::int32_t count = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;  // beyond 2147483647
    return count;
}

std::string loadMaxConnections(std::string_view designText)
{
    std::string stored = Registry::GetValueText(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer");
    return stored.empty() ? std::string(designText) : stored;
}

void storeMaxConnections(std::int32_t count)
{
    Registry::SetDwordValue(kCurrentUser, kInternetSettings, "MaxConnectionsPerServer", count);
    Registry::SetDwordValue(kCurrentUser, kInternetSettings, "MaxConnectionsPer1_0Server", count);
}

std::string loadMenuShowDelay()
{
    return Registry::GetValueText(kCurrentUser, kDesktop, "MenuShowDelay");
}

void storeMenuShowDelay(std::string_view text)
{
    Registry::SetStringValue(kCurrentUser, kDesktop, "MenuShowDelay", text);
}

}  // namespace zw
