// Test helpers: what the store really holds (type and bytes), below the Registry module.
#pragma once

#include "platform/registry_access.h"
#include "tweak/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zw::test {

struct StoredValue {
    platform::RegType type = 0;
    std::vector<std::uint8_t> bytes;
    bool operator==(const StoredValue&) const = default;
};

inline std::optional<StoredValue> storedValue(HiveCode hive, const std::string& key, const std::string& value)
{
    auto& store = platform::activeRegistry();
    platform::RegKey k = 0;
    if (store.openKey(platform::rootKey(hive), key, platform::kKeyQueryValue, k) != platform::kRegOk)
        return std::nullopt;
    StoredValue v;
    std::uint32_t size = 0;
    std::optional<StoredValue> result;
    if (store.queryValue(k, value, &v.type, nullptr, &size) == platform::kRegOk) {
        v.bytes.resize(size);
        if (store.queryValue(k, value, &v.type, v.bytes.data(), &size) == platform::kRegOk) {
            v.bytes.resize(size);
            result = v;
        }
    }
    store.closeKey(k);
    return result;
}

inline bool keyExists(HiveCode hive, const std::string& key)
{
    auto& store = platform::activeRegistry();
    platform::RegKey k = 0;
    if (store.openKey(platform::rootKey(hive), key, platform::kKeyQueryValue, k) != platform::kRegOk)
        return false;
    store.closeKey(k);
    return true;
}

inline StoredValue dword(std::uint32_t n)
{
    return {platform::kRegDword,
            {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)}};
}

inline StoredValue sz(const std::string& text)
{
    return {platform::kRegSz, std::vector<std::uint8_t>(text.begin(), text.end())};
}

}  // namespace zw::test
