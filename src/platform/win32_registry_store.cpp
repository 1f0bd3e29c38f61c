#include "win32_registry_store.h"

#include <windows.h>

#include <cstring>

namespace zw::platform {

namespace {

// The interface keeps the predefined roots as 0x8000000n; Windows defines them as the
// sign-extended 32-bit number, which differs on 64-bit Windows.
HKEY toHkey(RegKey key) {
    if (isRootKey(key)) {
        return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(static_cast<DWORD>(key))));
    }
    return reinterpret_cast<HKEY>(key);
}

RegKey fromHkey(HKEY key) {
    const auto raw = reinterpret_cast<ULONG_PTR>(key);
    const auto low = static_cast<RegKey>(static_cast<DWORD>(raw));
    if (isRootKey(low) && toHkey(low) == key) return low;
    return static_cast<RegKey>(raw);
}

// Text between UTF-16 and an 8-bit code page, embedded NULs included.
std::wstring widen(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int wide = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), wide);
    return out;
}

std::string narrow(std::wstring_view text, UINT codePage) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    }
    return out;
}

std::string toAnsi(std::string_view utf8) { return narrow(widen(utf8, CP_UTF8), CP_ACP); }
std::string toUtf8(std::string_view ansi) { return narrow(widen(ansi, CP_ACP), CP_UTF8); }

// The types whose data the A functions carry in the system code page.
bool isTextType(RegType type) { return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz; }

std::string_view asText(const std::uint8_t* data, std::uint32_t size) {
    return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data), size);
}

// Reads a text value as stored, through the system code page, in UTF-8. The 8-bit read
// (RegQueryValueExA) appends a NUL to text stored without one whenever the buffer has room,
// so it cannot tell what was stored; the UTF-16 read can, and the detour through the code page
// keeps what the 8-bit interface would have made of each character.
RegResult readText(HKEY key, const std::string& ansiName, DWORD& type, std::string& utf8) {
    const std::wstring name = widen(ansiName, CP_ACP);
    DWORD size = 0;
    LONG rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) {
        std::wstring data(static_cast<std::size_t>(size) / 2 + 1, L'\0');
        DWORD got = static_cast<DWORD>(data.size() * 2);
        rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_SUCCESS) {
            data.resize(got / 2);
            utf8 = toUtf8(narrow(data, CP_ACP));
            return kRegOk;
        }
        size = got;
    }
    return rc;
}

}  // namespace

RegKey Win32RegistryStore::track(RegKey key) {
    if (!isRootKey(key)) {
        std::lock_guard lock(mutex_);
        open_.insert(key);
    }
    return key;
}

RegResult Win32RegistryStore::openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) {
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExA(toHkey(parent), toAnsi(subKey).c_str(), 0, access, &key);
    if (rc == ERROR_SUCCESS) out = track(fromHkey(key));
    return rc;
}

RegResult Win32RegistryStore::createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                                        bool* created) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    char noClass[] = "";
    const LONG rc = RegCreateKeyExA(toHkey(parent), toAnsi(subKey).c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                                    access, nullptr, &key, &disposition);
    if (rc != ERROR_SUCCESS) return rc;
    out = track(fromHkey(key));
    if (created) *created = disposition == REG_CREATED_NEW_KEY;
    return kRegOk;
}

RegResult Win32RegistryStore::closeKey(RegKey key) {
    if (isRootKey(key)) return kRegOk;
    const LONG rc = RegCloseKey(toHkey(key));
    if (rc == ERROR_SUCCESS) {
        std::lock_guard lock(mutex_);
        open_.erase(key);
    }
    return rc;
}

RegResult Win32RegistryStore::queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                                         std::uint32_t* size) {
    const std::string ansiName = toAnsi(name);
    DWORD storedType = 0;
    DWORD storedSize = 0;
    LONG rc = RegQueryValueExA(toHkey(key), ansiName.c_str(), nullptr, &storedType, nullptr, &storedSize);
    if (rc != ERROR_SUCCESS) return rc;
    if (!isTextType(storedType)) {
        // Numbers and bytes pass as they are.
        DWORD inOut = size ? *size : 0;
        rc = RegQueryValueExA(toHkey(key), ansiName.c_str(), nullptr, &storedType, data, size ? &inOut : nullptr);
        if (type) *type = storedType;
        if (size && (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA)) *size = inOut;
        return rc;
    }
    if (data && !size) return kRegInvalidParameter;
    std::string text;
    if (const RegResult read = readText(toHkey(key), ansiName, storedType, text); read != kRegOk) return read;
    if (type) *type = storedType;
    if (!size) return kRegOk;
    const auto needed = static_cast<std::uint32_t>(text.size());
    if (data && *size < needed) {
        *size = needed;
        return kRegMoreData;
    }
    if (data && needed) std::memcpy(data, text.data(), needed);
    *size = needed;
    return kRegOk;
}

RegResult Win32RegistryStore::setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                                       std::uint32_t size) {
    static const BYTE nothing = 0;
    if (isTextType(type)) {
        // RegSetValueExA stores one byte more than it is given when the text does not end in a
        // NUL but the byte after it is one (it takes that for a forgotten terminator). A byte
        // other than NUL after the text keeps the stored size exactly the size given.
        std::string ansi = toAnsi(asText(data, size));
        const auto length = static_cast<DWORD>(ansi.size());
        ansi.push_back('\x01');
        return RegSetValueExA(toHkey(key), toAnsi(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(ansi.data()),
                              length);
    }
    return RegSetValueExA(toHkey(key), toAnsi(name).c_str(), 0, type, size ? data : &nothing, size);
}

RegResult Win32RegistryStore::deleteValue(RegKey key, std::string_view name) {
    return RegDeleteValueA(toHkey(key), toAnsi(name).c_str());
}

RegResult Win32RegistryStore::deleteKey(RegKey parent, std::string_view subKey) {
    return RegDeleteKeyA(toHkey(parent), toAnsi(subKey).c_str());
}

RegResult Win32RegistryStore::enumKey(RegKey key, std::uint32_t index, std::string& name) {
    // A key name has at most 255 characters; in a multi-byte code page two bytes each.
    char buffer[2 * kMaxKeyNameLength + 2] = {};
    const LONG rc = RegEnumKeyA(toHkey(key), index, buffer, sizeof buffer);
    if (rc == ERROR_SUCCESS) name = toUtf8(buffer);
    return rc;
}

RegResult Win32RegistryStore::enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                                        std::vector<std::uint8_t>& data) {
    DWORD maxName = 0;
    DWORD maxData = 0;
    LONG rc = RegQueryInfoKeyA(toHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &maxName,
                               &maxData, nullptr, nullptr);
    if (rc != ERROR_SUCCESS) return rc;
    for (;;) {
        std::string nameBuffer(static_cast<std::size_t>(maxName) * 2 + 2, '\0');
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(maxData) + 2);
        DWORD nameLength = static_cast<DWORD>(nameBuffer.size());
        DWORD dataLength = static_cast<DWORD>(buffer.size());
        DWORD storedType = 0;
        rc = RegEnumValueA(toHkey(key), index, nameBuffer.data(), &nameLength, nullptr, &storedType, buffer.data(),
                           &dataLength);
        if (rc == ERROR_MORE_DATA) {
            // The value grew since the key was measured: measure again, with room to spare.
            maxName = (maxName + 1) * 2;
            maxData = dataLength > maxData ? dataLength : (maxData + 1) * 2;
            continue;
        }
        if (rc != ERROR_SUCCESS) return rc;
        nameBuffer.resize(nameLength);
        buffer.resize(dataLength);
        name = toUtf8(nameBuffer);
        type = storedType;
        if (isTextType(storedType)) {
            std::string text;
            if (const RegResult read = readText(toHkey(key), nameBuffer, storedType, text); read != kRegOk) return read;
            data.assign(text.begin(), text.end());
        } else {
            data = std::move(buffer);
        }
        return kRegOk;
    }
}

std::size_t Win32RegistryStore::openHandleCount() const {
    std::lock_guard lock(mutex_);
    return open_.size();
}

}  // namespace zw::platform
