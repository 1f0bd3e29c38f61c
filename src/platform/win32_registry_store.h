// The registry store on Windows: the real registry through advapi32's 8-bit (A) functions.
// Text crosses the store interface as UTF-8 and the A functions in the system code page, so
// names and string data are converted on the way in and out; sizes of string data are those
// of the UTF-8 text, and text is read back exactly as stored (see readText). Handles are advapi32's own; the predefined roots keep the interface's
// 32-bit numbers and are widened to the system's handle values for each call.
#pragma once

#include "registry_store.h"

#include <mutex>
#include <unordered_set>

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
    std::size_t openHandleCount() const override;

private:
    RegKey track(RegKey key);

    mutable std::mutex mutex_;
    std::unordered_set<RegKey> open_;
};

}  // namespace zw::platform
