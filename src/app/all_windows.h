// Every window of this build, registered with a navigator (the program and the screenshot tool).
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::app {

void registerAllWindows(shell::Navigator& navigator);

}  // namespace zw::app
