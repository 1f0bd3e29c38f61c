#include "registry_roots.h"

#include "name_fold.h"
#include "registry_names.h"

#include <array>
#include <iterator>

namespace zw::platform {

namespace {
constexpr std::array<RootName, 7> kRoots{{
    {kHkeyClassesRoot, "HKEY_CLASSES_ROOT", "HKCR", true},
    {kHkeyCurrentUser, "HKEY_CURRENT_USER", "HKCU", true},
    {kHkeyLocalMachine, "HKEY_LOCAL_MACHINE", "HKLM", true},
    {kHkeyUsers, "HKEY_USERS", "HKU", true},
    {kHkeyPerformanceData, "HKEY_PERFORMANCE_DATA", "", false},
    {kHkeyCurrentConfig, "HKEY_CURRENT_CONFIG", "HKCC", true},
    {kHkeyDynData, "HKEY_DYN_DATA", "", false},
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

std::optional<RootedPath> splitRootedPath(std::string_view whole, std::string* problem) {
    const std::size_t slash = whole.find('\\');
    const std::string_view name = whole.substr(0, slash);
    const auto root = rootByName(name);
    const auto refuse = [&](std::string why) -> std::optional<RootedPath> {
        if (problem) *problem = std::move(why);
        return std::nullopt;
    };
    if (!root) return refuse("Unbekannter Stammschlüssel in \"" + quotedName(whole) + "\".");
    if (!kRoots[*root - kHkeyClassesRoot].named)
        return refuse("Unter " + std::string(rootLongName(*root)) + " kann nichts geändert werden.");
    std::string rest = slash == std::string_view::npos ? std::string() : std::string(whole.substr(slash + 1));
    while (!rest.empty() && rest.back() == '\\') rest.pop_back();
    return RootedPath{*root, std::move(rest)};
}

}  // namespace zw::platform
