// The start-up repair of the component installation: copy the control files from the program
// folder into the Windows folder's SYSTEM subfolder, then self-register the download component
// and each control file found there. Plain C++, no Qt.
#pragma once

#include "fetchling/fetchling.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace zw::shell {

// The control files, in the order the repair handles them.
std::span<const std::string_view> componentFiles();

// The download component's file name in the program folder.
inline constexpr std::string_view kFetchlingFile = fetchling::kFileName;

// Whether the download component is registered and its registered file exists; a start-up
// step that fails when not, which leads to the repair.
bool fetchlingUsable();

struct RepairFolders {
    std::string programFolder;  // without a trailing separator
    std::string windowsFolder;  // GetWindowsFolder: ends in a separator
};

using RegisterFn = std::function<bool(const std::string& path, bool registering)>;

// Runs the repair. A control file missing from the program folder, or one that cannot be
// copied, is skipped and the repair goes on. `withFetchling` false leaves the download
// component out (the launcher's and the feedback window's repair). Reports nothing.
void repairComponents(const RepairFolders& folders, const RegisterFn& registerComponent, bool withFetchling = true);

// Removes blanks at both ends.
std::string trimBlanks(std::string_view text);

}  // namespace zw::shell
