// Test helper: every key and value of the three roots the program uses, with key and value
// names folded to lower case, so two snapshots show exactly what a piece of code changed.
#pragma once

#include "registry_probe.h"

#include <algorithm>
#include <map>
#include <set>

namespace zw::test {

struct RegistrySnapshot {
    std::set<std::string> keys;                   // "1\software\microsoft"
    std::map<std::string, StoredValue> values;    // "1\software\microsoft|valuename"
};

inline std::string folded(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

inline std::string keyId(HiveCode hive, const std::string& key)
{
    return folded(std::to_string(hive) + "\\" + key);
}

inline std::string valueId(HiveCode hive, const std::string& key, const std::string& value)
{
    return keyId(hive, key) + "|" + folded(value);
}

namespace detail {
inline void walk(platform::RegistryStore& store, platform::RegKey parent, const std::string& id,
                 RegistrySnapshot& out)
{
    std::string name;
    platform::RegType type = 0;
    std::vector<std::uint8_t> data;
    for (std::uint32_t i = 0; store.enumValue(parent, i, name, type, data) == platform::kRegOk; ++i)
        out.values[id + "|" + folded(name)] = StoredValue{type, data};
    std::vector<std::string> children;
    for (std::uint32_t i = 0; store.enumKey(parent, i, name) == platform::kRegOk; ++i)
        children.push_back(name);
    for (const std::string& child : children) {
        platform::RegKey k = 0;
        if (store.openKey(parent, child, platform::kKeyQueryValue | platform::kKeyEnumerateSubKeys, k) !=
            platform::kRegOk)
            continue;
        const std::string childId = id + "\\" + folded(child);
        if (childId == "2\\software\\classes") {  // the rows behind HKEY_CLASSES_ROOT, walked there
            store.closeKey(k);
            continue;
        }
        out.keys.insert(childId);
        walk(store, k, childId, out);
        store.closeKey(k);
    }
}
}  // namespace detail

inline RegistrySnapshot snapshot()
{
    RegistrySnapshot s;
    for (HiveCode hive : {HiveCode(0), HiveCode(1), HiveCode(2)})
        detail::walk(platform::activeRegistry(), platform::rootKey(hive), std::to_string(hive), s);
    return s;
}

}  // namespace zw::test
