#pragma once
// The windows of the online services, made known to the navigator: Update and Feedback.

namespace zw::shell {
class Navigator;
}

namespace zw::online {

void registerWindows(shell::Navigator& navigator);

} // namespace zw::online
