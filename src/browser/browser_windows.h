// Registers the browser windows (toolbar pictures, cookie rule list) with the navigator.
#pragma once

namespace zw::shell {
class Navigator;
}

namespace zw::browser {

void registerWindows(shell::Navigator& navigator);

}  // namespace zw::browser
