// The registry as the program's platform layer sees it: the calls of the Windows registry
// interface that the program uses, with Windows' result codes and handle rules.
// Two implementations: the embedded SQLite store (the default off Windows) and the Win32
// store over advapi32 (Windows only). Plain C++, no Qt.
//
// Text at this interface (key names, value names, string data) is UTF-8, which is the
// 8-bit code page of the A functions on the systems the embedded store serves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zw::platform {

// Result codes: Windows' own numbers (LSTATUS), so the Win32 store passes them through.
using RegResult = long;
inline constexpr RegResult kRegOk = 0;
inline constexpr RegResult kRegFileNotFound = 2;
inline constexpr RegResult kRegAccessDenied = 5;
inline constexpr RegResult kRegInvalidHandle = 6;
inline constexpr RegResult kRegInvalidParameter = 87;
inline constexpr RegResult kRegBadPathname = 161;       // a subkey path that starts with a backslash
inline constexpr RegResult kRegOutOfMemory = 14;
inline constexpr RegResult kRegMoreData = 234;
inline constexpr RegResult kRegNoMoreItems = 259;
inline constexpr RegResult kRegBadDb = 1009;            // the store cannot be read
inline constexpr RegResult kRegKeyDeleted = 1018;       // the key was deleted while open
inline constexpr RegResult kRegChildMustBeVolatile = 1021;

// Handles: opaque numbers; the predefined roots are 0x80000000 + n in Windows' order.
using RegKey = std::uintptr_t;
inline constexpr RegKey kHkeyClassesRoot = 0x80000000u;
inline constexpr RegKey kHkeyCurrentUser = 0x80000001u;
inline constexpr RegKey kHkeyLocalMachine = 0x80000002u;
inline constexpr RegKey kHkeyUsers = 0x80000003u;
inline constexpr RegKey kHkeyPerformanceData = 0x80000004u;
inline constexpr RegKey kHkeyCurrentConfig = 0x80000005u;
inline constexpr RegKey kHkeyDynData = 0x80000006u;
inline constexpr RegKey rootKey(int hiveCode) { return kHkeyClassesRoot + static_cast<RegKey>(hiveCode); }
inline constexpr bool isRootKey(RegKey key) { return key >= kHkeyClassesRoot && key <= kHkeyDynData; }

// Value types, Windows' numbers.
using RegType = std::uint32_t;
inline constexpr RegType kRegNone = 0;
inline constexpr RegType kRegSz = 1;
inline constexpr RegType kRegExpandSz = 2;
inline constexpr RegType kRegBinary = 3;
inline constexpr RegType kRegDword = 4;
inline constexpr RegType kRegDwordBigEndian = 5;
inline constexpr RegType kRegLink = 6;
inline constexpr RegType kRegMultiSz = 7;
inline constexpr RegType kRegResourceList = 8;
inline constexpr RegType kRegFullResourceDescriptor = 9;
inline constexpr RegType kRegResourceRequirementsList = 10;
inline constexpr RegType kRegQword = 11;

// Access rights, Windows' numbers.
using RegAccess = std::uint32_t;
inline constexpr RegAccess kKeyQueryValue = 0x0001;
inline constexpr RegAccess kKeySetValue = 0x0002;
inline constexpr RegAccess kKeyCreateSubKey = 0x0004;
inline constexpr RegAccess kKeyEnumerateSubKeys = 0x0008;
inline constexpr RegAccess kKeyNotify = 0x0010;
inline constexpr RegAccess kKeyCreateLink = 0x0020;
inline constexpr RegAccess kKeyRead = 0x20019;
inline constexpr RegAccess kKeyWrite = 0x20006;
inline constexpr RegAccess kKeyAllAccess = 0xF003F;
inline constexpr RegAccess kMaximumAllowed = 0x02000000;
// Rights that change something: asking for any of these on a write-protected hive fails.
inline constexpr RegAccess kWriteRights = kKeySetValue | kKeyCreateSubKey | kKeyCreateLink;

// Windows' name limits.
inline constexpr std::size_t kMaxKeyNameLength = 255;    // one key name, characters
inline constexpr std::size_t kMaxValueNameLength = 16383;
inline constexpr std::size_t kMaxKeyDepth = 512;         // names of a key's path below its root

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // RegOpenKeyExA: opens parent\subKey (a backslash path; empty opens the parent again).
    virtual RegResult openKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out) = 0;
    // RegCreateKeyExA: creates every missing key of the path, or opens the existing key.
    virtual RegResult createKey(RegKey parent, std::string_view subKey, RegAccess access, RegKey& out,
                                bool* created = nullptr) = 0;
    // RegCloseKey. Closing a predefined root does nothing and succeeds.
    virtual RegResult closeKey(RegKey key) = 0;

    // RegQueryValueExA: any of type, data and size may be null. With data null the size of the
    // stored data is reported; with a buffer smaller than the data kRegMoreData and the size.
    // String types are reported as stored (no terminating NUL is added or removed).
    virtual RegResult queryValue(RegKey key, std::string_view name, RegType* type, std::uint8_t* data,
                                 std::uint32_t* size) = 0;
    // RegSetValueExA: stores exactly size bytes with the given type.
    virtual RegResult setValue(RegKey key, std::string_view name, RegType type, const std::uint8_t* data,
                               std::uint32_t size) = 0;
    // RegDeleteValueA.
    virtual RegResult deleteValue(RegKey key, std::string_view name) = 0;
    // RegDeleteKeyA: deletes parent\subKey only when it has no subkeys (kRegAccessDenied otherwise).
    virtual RegResult deleteKey(RegKey parent, std::string_view subKey) = 0;

    // RegEnumKeyA: the name of the direct subkey with this index; kRegNoMoreItems past the end.
    virtual RegResult enumKey(RegKey key, std::uint32_t index, std::string& name) = 0;
    // RegEnumValueA: name, type and data of the value with this index; kRegNoMoreItems past the end.
    virtual RegResult enumValue(RegKey key, std::uint32_t index, std::string& name, RegType& type,
                                std::vector<std::uint8_t>& data) = 0;

    // Handles opened and not yet closed (the predefined roots are not counted).
    virtual std::size_t openHandleCount() const = 0;

    // The files the store keeps its data in (none for the system's own registry or a store in
    // memory): tools that read or write files by a user's name refuse these.
    virtual std::vector<std::string> dataFiles() const { return {}; }

    // Runs `work` so that either all of its changes take effect or, when it returns a failure,
    // none do (the embedded store uses one transaction). Stores without transactions just run it.
    virtual RegResult applyAtomically(const std::function<RegResult()>& work) { return work(); }
};

}  // namespace zw::platform
