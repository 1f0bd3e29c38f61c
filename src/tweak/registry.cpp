#include "tweak/registry.h"

#include "platform/registry_access.h"
#include "tweak/write_outcome.h"

#include <array>

namespace zw::Registry {

namespace {

using platform::activeRegistry;
using platform::kRegOk;

// GetValueText asks for every specific right of a key (and so fails where writing is denied).
constexpr platform::RegAccess kReadWriteAccess = 0x3F;
// A value no handle ever has: what a hive code outside the layer's range opens.
constexpr RegKey kNoKey = 0;

RegKey hiveRoot(HiveCode hive) { return hive < 0 ? kNoKey : platform::rootKey(hive); }

std::string hexBytes(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.push_back(kDigits[b >> 4]);
        text.push_back(kDigits[b & 0x0F]);
        text.push_back(' ');
    }
    return text;
}

const std::uint8_t* asBytes(std::string_view text) { return reinterpret_cast<const std::uint8_t*>(text.data()); }

void noteUnless(bool reached) {
    if (!reached) WriteOutcome::noteFailure();
}

// Whether a key is known to be absent. A key that cannot be looked at is not known to be absent.
bool keyAbsent(HiveCode hive, std::string_view key) {
    auto& store = activeRegistry();
    RegKey handle = kNoKey;
    const RegResult rc = store.openKey(hiveRoot(hive), key, platform::kKeyQueryValue, handle);
    if (rc == kRegOk) store.closeKey(handle);
    return rc == platform::kRegFileNotFound;
}

// Whether a value (or its key) is known to be absent, looked at without asking for write rights.
bool valueAbsent(HiveCode hive, std::string_view key, std::string_view value) {
    auto& store = activeRegistry();
    RegKey handle = kNoKey;
    const RegResult rc = store.openKey(hiveRoot(hive), key, platform::kKeyQueryValue, handle);
    if (rc != kRegOk) return rc == platform::kRegFileNotFound;
    const RegResult query = store.queryValue(handle, value, nullptr, nullptr, nullptr);
    store.closeKey(handle);
    return query == platform::kRegFileNotFound;
}

}  // namespace

std::string SplitFirst(std::string& text, char delimiter) {
    const std::size_t at = text.find(delimiter);
    if (at == std::string::npos) {
        std::string head = std::move(text);
        text.clear();
        return head;
    }
    std::string head = text.substr(0, at);
    text.erase(0, at + 1);
    return head;
}

std::string GetValueText(HiveCode hive, std::string_view key, std::string_view value) {
    auto& store = activeRegistry();
    RegKey handle = kNoKey;
    if (store.openKey(hiveRoot(hive), key, kReadWriteAccess, handle) != kRegOk) return {};

    RegType type = platform::kRegNone;
    std::uint32_t size = 0;
    if (store.queryValue(handle, value, &type, nullptr, &size) != kRegOk) {
        store.closeKey(handle);
        return {};
    }

    std::string text;
    RegResult second = kRegOk;
    switch (type) {
    case platform::kRegSz:
    case platform::kRegExpandSz:
    case platform::kRegMultiSz:
    case platform::kRegBinary: {
        std::string buffer(static_cast<std::size_t>(size) + 1, '\0');
        std::uint32_t got = size + 1;
        second = store.queryValue(handle, value, nullptr, reinterpret_cast<std::uint8_t*>(buffer.data()), &got);
        if (second == kRegOk) {
            buffer.resize(got);
            text = type == platform::kRegBinary ? hexBytes(buffer) : SplitFirst(buffer, '\0');
        }
        break;
    }
    case platform::kRegDword: {
        std::array<std::uint8_t, 4> bytes{};
        std::uint32_t got = 4;
        second = store.queryValue(handle, value, nullptr, bytes.data(), &got);
        if (second == kRegOk) {
            const std::uint32_t bits = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t{bytes[3]} << 24);
            text = std::to_string(static_cast<std::int32_t>(bits));
        }
        break;
    }
    default:
        break;
    }
    store.closeKey(handle);
    return second == kRegOk ? text : std::string();
}

void CreateSubKey(HiveCode hive, std::string_view parent, std::string_view name) {
    auto& store = activeRegistry();
    const RegKey root = hiveRoot(hive);
    RegKey parentKey = root;
    if (!parent.empty() && store.openKey(root, parent, platform::kKeyCreateSubKey, parentKey) != kRegOk) return;
    RegKey child = kNoKey;
    if (store.createKey(parentKey, name, kReadWriteAccess, child) == kRegOk) store.closeKey(child);
    if (parentKey != root) store.closeKey(parentKey);
}

void CreateKeyPath(HiveCode hive, std::string_view key) {
    std::string done;
    std::string rest(key);
    while (rest.find('\\') != std::string::npos) {
        const std::string segment = SplitFirst(rest, '\\');
        CreateSubKey(hive, done, segment);
        if (!done.empty()) done.push_back('\\');
        done += segment;
    }
    CreateSubKey(hive, done, rest);
}

void SetValue(HiveCode hive, std::string_view key, std::string_view value, RegType type, const std::uint8_t* data,
              std::uint32_t size) {
    auto& store = activeRegistry();
    RegKey handle = kNoKey;
    if (store.openKey(hiveRoot(hive), key, platform::kKeySetValue, handle) != kRegOk) {
        WriteOutcome::noteFailure();
        return;
    }
    const RegResult rc = store.setValue(handle, value, type, data, size);
    store.closeKey(handle);
    noteUnless(rc == kRegOk);
}

void SetStringValue(HiveCode hive, std::string_view key, std::string_view value, std::string_view text) {
    CreateKeyPath(hive, key);
    SetValue(hive, key, value, platform::kRegSz, asBytes(text), static_cast<std::uint32_t>(text.size()));
}

void SetDwordValue(HiveCode hive, std::string_view key, std::string_view value, std::int32_t number) {
    // Least significant byte first; a negative number comes out in two's complement.
    std::array<std::uint8_t, 4> bytes{};
    auto bits = static_cast<std::uint32_t>(number);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(bits % 256);
        bits /= 256;
    }
    CreateKeyPath(hive, key);
    SetValue(hive, key, value, platform::kRegDword, bytes.data(), 4);
}

void SetBinaryValue(HiveCode hive, std::string_view key, std::string_view value, std::string_view bytes) {
    CreateKeyPath(hive, key);
    SetValue(hive, key, value, platform::kRegBinary, asBytes(bytes), static_cast<std::uint32_t>(bytes.size()));
}

void DeleteValue(HiveCode hive, std::string_view key, std::string_view value) {
    auto& store = activeRegistry();
    RegKey handle = kNoKey;
    const RegResult open = store.openKey(hiveRoot(hive), key, platform::kKeySetValue, handle);
    if (open != kRegOk) {
        noteUnless(open == platform::kRegFileNotFound || valueAbsent(hive, key, value));
        return;
    }
    const RegResult rc = store.deleteValue(handle, value);
    store.closeKey(handle);
    noteUnless(rc == kRegOk || rc == platform::kRegFileNotFound);
}

void DeleteKey(HiveCode hive, std::string_view key) {
    const RegResult rc = activeRegistry().deleteKey(hiveRoot(hive), key);
    // Refused (no rights, or the key still has subkeys) or another error: a failure unless the
    // key is not there at all.
    noteUnless(rc == kRegOk || rc == platform::kRegFileNotFound || keyAbsent(hive, key));
}

RegResult OpenKey(HiveCode hive, std::string_view path, RegKey& out) {
    return activeRegistry().openKey(hiveRoot(hive), path, platform::kMaximumAllowed, out);
}

RegResult EnumKey(RegKey key, std::uint32_t index, std::string& name) {
    std::string found;
    const RegResult rc = activeRegistry().enumKey(key, index, found);
    if (rc != kRegOk) return rc;
    // The caller's buffer holds 255 characters including the terminating NUL.
    if (found.size() >= platform::kMaxKeyNameLength) return platform::kRegMoreData;
    name = std::move(found);
    return kRegOk;
}

RegResult CreateKey(HiveCode hive, std::string_view path, RegKey& out) {
    const RegResult rc = activeRegistry().createKey(hiveRoot(hive), path, platform::kMaximumAllowed, out);
    noteUnless(rc == kRegOk);
    return rc;
}

RegResult SetStringValueSized(RegKey key, std::string_view value, std::string_view text, std::uint32_t size) {
    // Never reads past the text: a size beyond it is refused instead.
    const RegResult rc = size > text.size() ? platform::kRegInvalidParameter
                                            : activeRegistry().setValue(key, value, platform::kRegSz, asBytes(text), size);
    noteUnless(rc == kRegOk);
    return rc;
}

RegResult CloseKey(RegKey key) { return activeRegistry().closeKey(key); }

}  // namespace zw::Registry
