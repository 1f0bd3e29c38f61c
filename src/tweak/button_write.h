// What a tweak window's write button does around its writes: "On Top" is cleared first (the
// window leaves the topmost band before the message box appears), then the writes run, then
// the success message follows, whatever the writes achieved.
#pragma once

#include <functional>

namespace zw::shell {
class ToolWindow;
}

namespace zw {

// Clears "On Top"; its own handling takes the window out of the topmost band.
void leaveTopmost(shell::ToolWindow& window);

// Every step runs even when an earlier one failed; an error raised by `write` ends the write.
void writeAndConfirm(shell::ToolWindow& window, const std::function<void()>& write);

}  // namespace zw
