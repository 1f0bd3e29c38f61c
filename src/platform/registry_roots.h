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
    // Whether a .reg file or a command line may name the root. HKEY_PERFORMANCE_DATA keeps no
    // keys (its answers are made when asked) and HKEY_DYN_DATA exists only on Windows 9x, so
    // neither can be opened for changes the way the other roots can.
    bool named;
};

// The roots in Windows' order, from HKEY_CLASSES_ROOT.
const RootName* rootNames(std::size_t& count);
// The root a long or short name (any case) stands for, whether or not it may be named.
std::optional<RegKey> rootByName(std::string_view name);
// The long name of a predefined root ("" for other handles).
std::string_view rootLongName(RegKey root);

// "HKLM\Software\X" -> root and "Software\X"; none when the text does not begin with the name
// of a root that may be named (a remote "\\host\..." or a leading backslash included), and then
// `problem`, when given, says why in German.
struct RootedPath {
    RegKey root;
    std::string path;
};
std::optional<RootedPath> splitRootedPath(std::string_view whole, std::string* problem = nullptr);

}  // namespace zw::platform
