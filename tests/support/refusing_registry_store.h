// A store over another that refuses some writes, as keys without write rights would, and has
// no transactions, like the real registry: for what a failure part-way must leave behind.
#pragma once

#include "forwarding_registry_store.h"

#include <string>

namespace zw::test {

class RefusingRegistryStore final : public ForwardingRegistryStore {
public:
    explicit RefusingRegistryStore(platform::RegistryStore& inner) : ForwardingRegistryStore(inner) {}

    std::string refusedValueName;  // setting a value of this name is denied
    bool refuseKeyDeletion = false;  // deleting any key is denied
    std::string refusedKeyName;      // deleting a key whose last name is this is denied

    RegResult setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                       std::uint32_t size) override {
        if (name == refusedValueName) return platform::kRegAccessDenied;
        return ForwardingRegistryStore::setValue(key, name, type, data, size);
    }
    RegResult deleteKey(RegKey parent, std::string_view subKey) override {
        const std::size_t slash = subKey.rfind('\\');
        const std::string_view last = slash == std::string_view::npos ? subKey : subKey.substr(slash + 1);
        if (refuseKeyDeletion || (!refusedKeyName.empty() && last == refusedKeyName)) return platform::kRegAccessDenied;
        return ForwardingRegistryStore::deleteKey(parent, subKey);
    }
    // No transactions: each change stands on its own.
    RegResult applyAtomically(const std::function<RegResult()>& work) override { return work(); }
};

}  // namespace zw::test
