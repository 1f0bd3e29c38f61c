// The registry store on Windows: the registry itself, through advapi32's 8-bit (A) functions.
// Windows' result codes pass through unchanged. Compiled on Windows only.
#pragma once

#include "registry_store.h"

#include <atomic>

namespace zw::platform {

class Win32RegistryStore final : public RegistryStore {
public:
    RegResult openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) override;
    RegResult createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                        bool* created = nullptr) override;
    RegResult closeKey(RegKey key) override;
    RegResult queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                         std::uint32_t* size) override;
    RegResult setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                       std::uint32_t size) override;
    RegResult deleteValue(RegKey key, std::string_view name) override;
    RegResult deleteKey(RegKey parent, std::string_view subKey) override;
    RegResult enumKey(RegKey key, std::uint32_t index, std::string& name) override;
    RegResult enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                        std::vector<std::uint8_t>& data) override;
    // Handles this object opened and has not closed yet.
    std::size_t openHandleCount() const override { return open_.load(); }

private:
    std::atomic<std::size_t> open_{0};
};

}  // namespace zw::platform
