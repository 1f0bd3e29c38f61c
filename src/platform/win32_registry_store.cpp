#include "win32_registry_store.h"

#include <windows.h>

#include <string>

namespace zw::platform {

namespace {

// The predefined roots are sign-extended 32-bit values in a HKEY (0xFFFFFFFF80000000 on 64 bit).
HKEY toHkey(RegKey key) {
    if (isRootKey(key)) return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(key)));
    return reinterpret_cast<HKEY>(key);
}

RegKey fromHkey(HKEY key) { return reinterpret_cast<RegKey>(key); }

// The A functions take NUL-terminated texts.
std::string text(std::string_view s) { return std::string(s); }

}  // namespace

RegResult Win32RegistryStore::openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) {
    HKEY key = nullptr;
    const LSTATUS rc = RegOpenKeyExA(toHkey(parent), text(subKey).c_str(), 0, access, &key);
    if (rc == ERROR_SUCCESS) {
        out = fromHkey(key);
        ++open_;
    }
    return rc;
}

RegResult Win32RegistryStore::createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                                        bool* created) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    char emptyClass[] = "";
    const LSTATUS rc = RegCreateKeyExA(toHkey(parent), text(subKey).c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE,
                                       access, nullptr, &key, &disposition);
    if (rc == ERROR_SUCCESS) {
        out = fromHkey(key);
        ++open_;
        if (created) *created = disposition == REG_CREATED_NEW_KEY;
    }
    return rc;
}

RegResult Win32RegistryStore::closeKey(RegKey key) {
    if (isRootKey(key)) return ERROR_SUCCESS;
    const LSTATUS rc = RegCloseKey(toHkey(key));
    if (rc == ERROR_SUCCESS) --open_;
    return rc;
}

RegResult Win32RegistryStore::queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                                         std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    const LSTATUS rc = RegQueryValueExA(toHkey(key), text(name).c_str(), nullptr, type ? &valueType : nullptr, data,
                                        size ? &valueSize : nullptr);
    if (type && (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA)) *type = valueType;
    if (size && (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA)) *size = valueSize;
    return rc;
}

RegResult Win32RegistryStore::setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                                       std::uint32_t size) {
    return RegSetValueExA(toHkey(key), text(name).c_str(), 0, type, data, size);
}

RegResult Win32RegistryStore::deleteValue(RegKey key, std::string_view name) {
    return RegDeleteValueA(toHkey(key), text(name).c_str());
}

RegResult Win32RegistryStore::deleteKey(RegKey parent, std::string_view subKey) {
    return RegDeleteKeyA(toHkey(parent), text(subKey).c_str());
}

RegResult Win32RegistryStore::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    char buffer[kMaxKeyNameLength + 1] = {};
    DWORD length = sizeof buffer;
    const LSTATUS rc = RegEnumKeyExA(toHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) name.assign(buffer, length);
    return rc;
}

RegResult Win32RegistryStore::enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                                        std::vector<std::uint8_t>& data) {
    DWORD maxName = 0, maxData = 0;
    LSTATUS rc = RegQueryInfoKeyA(toHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                                  &maxData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    // Another program may enlarge a value between the two calls: ask again with more room.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::string nameBuffer(maxName + 1, '\0');
        data.assign(maxData, 0);
        DWORD nameLength = maxName + 1, dataSize = maxData, valueType = 0;
        rc = RegEnumValueA(toHkey(key), index, nameBuffer.data(), &nameLength, nullptr, &valueType, data.data(),
                           &dataSize);
        if (rc == ERROR_SUCCESS && dataSize > data.size()) rc = ERROR_MORE_DATA;  // grew since the size query
        if (rc == ERROR_SUCCESS) {
            name.assign(nameBuffer.data(), nameLength);
            type = valueType;
            data.resize(dataSize);
            return rc;
        }
        if (rc != ERROR_MORE_DATA) return rc;
        maxName = maxName * 2 + 256;
        maxData = maxData * 2 + 256;
    }
    return rc;
}

}  // namespace zw::platform
