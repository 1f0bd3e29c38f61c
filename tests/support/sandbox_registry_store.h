// A registry store that gives tests the whole registry inside one key of a real one: every
// predefined root is replaced by a subkey of the sandbox key (".../HKEY_CURRENT_USER", ...),
// HKEY_CLASSES_ROOT by ".../HKEY_LOCAL_MACHINE/SOFTWARE/Classes" as on Windows, and every
// other call goes straight to the store below. Tests of the Win32 store run in a
// private key below HKEY_CURRENT_USER this way and leave the machine's registry alone.
#pragma once

#include "platform/registry_store.h"

#include <array>
#include <memory>
#include <string>

namespace zw::test {

class SandboxRegistryStore final : public platform::RegistryStore {
public:
    // Creates `base` below `baseRoot` of `inner` with one subkey per predefined root.
    // valid() is false when the sandbox could not be created.
    SandboxRegistryStore(std::shared_ptr<platform::RegistryStore> inner, platform::RegKey baseRoot,
                         std::string base);
    // Closes the sandbox handles and deletes the sandbox key with everything below it.
    ~SandboxRegistryStore() override;

    bool valid() const { return valid_; }
    const std::string& base() const { return base_; }
    platform::RegistryStore& inner() { return *inner_; }

    platform::RegResult openKey(platform::RegKey parent, std::string_view subKey, platform::RegAccess access,
                                platform::RegKey& out) override;
    platform::RegResult createKey(platform::RegKey parent, std::string_view subKey, platform::RegAccess access,
                                  platform::RegKey& out, bool* created = nullptr) override;
    platform::RegResult closeKey(platform::RegKey key) override;
    platform::RegResult queryValue(platform::RegKey key, std::string_view name, platform::RegType* type,
                                   std::uint8_t* data, std::uint32_t* size) override;
    platform::RegResult setValue(platform::RegKey key, std::string_view name, platform::RegType type,
                                 const std::uint8_t* data, std::uint32_t size) override;
    platform::RegResult deleteValue(platform::RegKey key, std::string_view name) override;
    platform::RegResult deleteKey(platform::RegKey parent, std::string_view subKey) override;
    platform::RegResult enumKey(platform::RegKey key, std::uint32_t index, std::string& name) override;
    platform::RegResult enumValue(platform::RegKey key, std::uint32_t index, std::string& name,
                                  platform::RegType& type, std::vector<std::uint8_t>& data) override;
    // Handles the tests opened: the sandbox's own root handles are not counted.
    std::size_t openHandleCount() const override;

private:
    platform::RegKey map(platform::RegKey key) const;

    static constexpr std::size_t kRoots = 7;
    std::shared_ptr<platform::RegistryStore> inner_;
    platform::RegKey baseRoot_;
    std::string base_;
    std::array<platform::RegKey, kRoots> roots_{};
    std::size_t held_ = 0;
    bool valid_ = false;
};

}  // namespace zw::test
