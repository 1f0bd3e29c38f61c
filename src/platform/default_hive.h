// The Windows XP default values a new registry store starts with (data/default-hive.reg,
// built into the library so that no path is needed).
#pragma once

#include "registry_store.h"

#include <string_view>

namespace zw::platform {

// The .reg text of the default hive.
std::string_view defaultHiveText();

// Writes the default hive into a store (the seed of a new store).
RegResult seedDefaultHive(RegistryStore& store);

}  // namespace zw::platform
