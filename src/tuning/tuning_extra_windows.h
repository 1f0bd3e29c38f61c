// Registers the special System Tuning windows (disc cache, memory clean-up, shutdown tuning,
// the value entries, the mail splash, ZIP folders and the page-file advice) by design name.
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::tuning {

void registerSpecialWindows(shell::Navigator& navigator);

}  // namespace zw::tuning
