// The windows of System Tuning by design name: the catalogue `Regedit`, its toggle windows and
// its special windows.
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::tuning {

void registerWindows(shell::Navigator& navigator);

}  // namespace zw::tuning
