#include "registry_roots.h"

#include "name_fold.h"

#include <array>
#include <iterator>

namespace zw::platform {

namespace {
constexpr std::array<RootName, 7> kRoots{{
    {kHkeyClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {kHkeyCurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {kHkeyLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {kHkeyUsers, "HKEY_USERS", "HKU"},
    {kHkeyPerformanceData, "HKEY_PERFORMANCE_DATA", ""},
    {kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC"},
    {kHkeyDynData, "HKEY_DYN_DATA", ""},
}};
}  // namespace

const RootName* rootNames(std::size_t& count) {
    count = kRoots.size();
    return kRoots.data();
}

std::optional<RegKey> rootByName(std::string_view name) {
    const std::string folded = foldName(name);
    for (const RootName& root : kRoots) {
        if (folded == root.longName || (!root.shortName.empty() && folded == root.shortName)) return root.key;
    }
    return std::nullopt;
}

std::string_view rootLongName(RegKey root) {
    for (const RootName& r : kRoots) {
        if (r.key == root) return r.longName;
    }
    return {};
}

std::optional<RootedPath> splitRootedPath(std::string_view whole) {
    const std::size_t slash = whole.find('\\');
    const auto root = rootByName(whole.substr(0, slash));
    if (!root) return std::nullopt;
    std::string rest = slash == std::string_view::npos ? std::string() : std::string(whole.substr(slash + 1));
    while (!rest.empty() && rest.back() == '\\') rest.pop_back();
    return RootedPath{*root, std::move(rest)};
}

}  // namespace zw::platform
