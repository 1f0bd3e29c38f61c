// A store over another that refuses some writes, as keys without write rights would, and has
// no transactions, like the real registry: for what a failure part-way must leave behind.
#pragma once

#include "platform/registry_store.h"

#include <memory>
#include <string>

namespace zw::test {

class RefusingRegistryStore final : public platform::RegistryStore {
public:
    explicit RefusingRegistryStore(platform::RegistryStore& inner) : inner_(inner) {}

    std::string refusedValueName;  // setting a value of this name is denied
    bool refuseKeyDeletion = false;  // deleting any key is denied
    std::string refusedKeyName;      // deleting a key whose last name is this is denied

    platform::RegResult openKey(platform::RegKey parent, std::string_view subKey, platform::RegAccess access,
                                platform::RegKey& out) override {
        return inner_.openKey(parent, subKey, access, out);
    }
    platform::RegResult createKey(platform::RegKey parent, std::string_view subKey, platform::RegAccess access,
                                  platform::RegKey& out, bool* created = nullptr) override {
        return inner_.createKey(parent, subKey, access, out, created);
    }
    platform::RegResult closeKey(platform::RegKey key) override { return inner_.closeKey(key); }
    platform::RegResult queryValue(platform::RegKey key, std::string_view name, platform::RegType* type,
                                   std::uint8_t* data, std::uint32_t* size) override {
        return inner_.queryValue(key, name, type, data, size);
    }
    platform::RegResult setValue(platform::RegKey key, std::string_view name, platform::RegType type,
                                 const std::uint8_t* data, std::uint32_t size) override {
        if (name == refusedValueName) return platform::kRegAccessDenied;
        return inner_.setValue(key, name, type, data, size);
    }
    platform::RegResult deleteValue(platform::RegKey key, std::string_view name) override {
        return inner_.deleteValue(key, name);
    }
    platform::RegResult deleteKey(platform::RegKey parent, std::string_view subKey) override {
        const std::size_t slash = subKey.rfind('\\');
        const std::string_view last = slash == std::string_view::npos ? subKey : subKey.substr(slash + 1);
        if (refuseKeyDeletion || (!refusedKeyName.empty() && last == refusedKeyName)) return platform::kRegAccessDenied;
        return inner_.deleteKey(parent, subKey);
    }
    platform::RegResult enumKey(platform::RegKey key, std::uint32_t index, std::string& name) override {
        return inner_.enumKey(key, index, name);
    }
    platform::RegResult enumValue(platform::RegKey key, std::uint32_t index, std::string& name,
                                  platform::RegType& type, std::vector<std::uint8_t>& data) override {
        return inner_.enumValue(key, index, name, type, data);
    }
    std::size_t openHandleCount() const override { return inner_.openHandleCount(); }

private:
    platform::RegistryStore& inner_;
};

}  // namespace zw::test
