// The windows of Tips und Tricks by design name: the catalogue `Tricks` and its toggle windows.
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::tips {

void registerWindows(shell::Navigator& navigator);

}  // namespace zw::tips
