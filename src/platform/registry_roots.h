// The predefined registry roots by name: the long names .reg files and messages use and the
// short names command lines accept, and the split of a whole "ROOT\path" text.
#pragma once

#include "registry_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace zw::platform {

struct RootName {
    RegKey key;
    std::string_view longName;
    std::string_view shortName;  // empty where the root has none
};

// The roots in Windows' order, from HKEY_CLASSES_ROOT.
const RootName* rootNames(std::size_t& count);
// The root a long or short name (any case) stands for.
std::optional<RegKey> rootByName(std::string_view name);
// The long name of a predefined root ("" for other handles).
std::string_view rootLongName(RegKey root);

// "HKLM\Software\X" -> root and "Software\X"; none when the root name is unknown.
struct RootedPath {
    RegKey root;
    std::string path;
};
std::optional<RootedPath> splitRootedPath(std::string_view whole);

}  // namespace zw::platform
