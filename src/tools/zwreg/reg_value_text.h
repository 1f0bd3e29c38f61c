// Value types and data as the registry tool shows and takes them, with reg.exe's conventions:
// type names, "0x…" numbers, hex digits for bytes, "\0" between the strings of a list.
#pragma once

#include "platform/registry_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw::zwreg {

// "REG_SZ" for 1 and so on; "REG_0x…" for numbers without a name.
std::string typeName(platform::RegType type);
// The type a name stands for (any letter case); none for an unknown name.
std::optional<platform::RegType> typeByName(std::string_view name);

// The data column of `query`.
std::string dataText(platform::RegType type, const std::vector<std::uint8_t>& data);

// The bytes `add` stores for /d DATA of a type; none with a German reason in `error` when
// the text does not fit the type.
std::optional<std::vector<std::uint8_t>> dataFromText(platform::RegType type, std::string_view text,
                                                      std::string_view separator, std::string& error);

}  // namespace zw::zwreg
