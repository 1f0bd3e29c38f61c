// The module Registry: the six silent registry operations every window uses, the internal
// steps they are built from, and the direct calls a few windows make themselves.
// Works on platform::activeRegistry(). Text is UTF-8. Plain C++, no Qt.
#pragma once

#include "platform/registry_store.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

// Small integer naming a registry root: 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER,
// 2 HKEY_LOCAL_MACHINE, higher codes the further predefined roots in their order.
using HiveCode = std::int16_t;
// The three codes by the short names the tables use.
inline constexpr HiveCode HKCR = 0;
inline constexpr HiveCode HKCU = 1;
inline constexpr HiveCode HKLM = 2;

namespace Registry {

using platform::RegKey;
using platform::RegResult;
using platform::RegType;

// Public operations: none reports a result; a read that fails gives the empty text. A write
// that fails is only told to a WriteOutcome alive at the time (tweak/write_outcome.h).
std::string GetValueText(HiveCode hive, std::string_view key, std::string_view value);
void SetStringValue(HiveCode hive, std::string_view key, std::string_view value, std::string_view text);
void SetDwordValue(HiveCode hive, std::string_view key, std::string_view value, std::int32_t number);
void SetBinaryValue(HiveCode hive, std::string_view key, std::string_view value, std::string_view bytes);
void DeleteValue(HiveCode hive, std::string_view key, std::string_view value);
void DeleteKey(HiveCode hive, std::string_view key);

// Internal steps.
void CreateKeyPath(HiveCode hive, std::string_view key);
void CreateSubKey(HiveCode hive, std::string_view parent, std::string_view name);
void SetValue(HiveCode hive, std::string_view key, std::string_view value, RegType type,
              const std::uint8_t* data, std::uint32_t size);
// Returns the text before the first delimiter and leaves the rest in `text`; without the
// delimiter returns the whole text and leaves the empty text.
std::string SplitFirst(std::string& text, char delimiter);

// Direct calls (RegOpenKeyA, RegEnumKeyA, RegCreateKeyA, RegSetValueExA, RegCloseKey). The two
// that write (CreateKey, SetStringValueSized) also tell a failure to a WriteOutcome alive.
RegResult OpenKey(HiveCode hive, std::string_view path, RegKey& out);
RegResult EnumKey(RegKey key, std::uint32_t index, std::string& name);  // name of at most 255 characters
RegResult CreateKey(HiveCode hive, std::string_view path, RegKey& out);
// Stores `size` bytes of `text` as REG_SZ (the caller passes the text's length: no NUL).
RegResult SetStringValueSized(RegKey key, std::string_view value, std::string_view text, std::uint32_t size);
RegResult CloseKey(RegKey key);

}  // namespace Registry
}  // namespace zw
