// The windows of Tips und Tricks by design name: the catalogue `Tricks`, its toggle windows and
// its special windows.
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::tips {

void registerWindows(shell::Navigator& navigator);

}  // namespace zw::tips
