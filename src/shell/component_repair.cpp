#include "component_repair.h"

#include "fehlerbehandlung.h"
#include "platform/component_loader.h"
#include "platform/private_folder.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace zw::shell {
namespace {

constexpr std::array<std::string_view, 7> kFiles = {"COMDLG32.OCX", "MSCOMCTL.OCX", "MSINET.OCX", "MSWINSCK.OCX",
                                                    "shdocvw.dll",  "TABCTL32.OCX", "richtx32.ocx"};

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

}  // namespace

std::span<const std::string_view> componentFiles() { return kFiles; }

bool fetchlingUsable() { return platform::isClassUsable(fetchling::CLSID_clsDownload); }

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void repairComponents(const RepairFolders& folders, const RegisterFn& registerComponent, bool withFetchling) {
    const std::string systemFolder = folders.windowsFolder + "SYSTEM" + kSeparator;
    // Components are loaded from the SYSTEM folder, so files are put there and taken from there
    // only while it and the Windows folder are the user's alone (never through a link).
    const std::filesystem::path system = std::filesystem::path(systemFolder).parent_path();
    std::error_code error;
    std::filesystem::create_directories(system.parent_path().parent_path(), error);
    const bool systemUsable =
        platform::securePrivateFolders({system.parent_path().string(), system.string()}, true).usable();
    for (std::string_view file : kFiles) {
        const std::string source = folders.programFolder + kSeparator + std::string(file);
        if (!systemUsable || !Fehlerbehandlung::FileExists(source)) continue;  // nothing to copy: go on with the next
        std::filesystem::copy_file(source, systemFolder + std::string(file),
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    if (withFetchling) {
        const std::string path = trimBlanks(folders.programFolder + kSeparator + std::string(kFetchlingFile));
        if (Fehlerbehandlung::FileExists(path)) registerComponent(path, true);
    }
    if (!systemUsable) return;
    for (std::string_view file : kFiles) {
        const std::string path = trimBlanks(systemFolder + std::string(file));
        if (Fehlerbehandlung::FileExists(path)) registerComponent(path, true);
    }
}

}  // namespace zw::shell
