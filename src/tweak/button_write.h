// What a tweak window's write button does around its writes: "On Top" is cleared first (the
// window leaves the topmost band before the message box appears), then the writes run, then
// one message tells how they went: the success message when every write reached what it asked
// for, the failure message when one did not (tweak/write_outcome.h says what counts).
#pragma once

#include <functional>

namespace zw::shell {
class ToolWindow;
}

namespace zw {

// Clears "On Top"; its own handling takes the window out of the topmost band.
void leaveTopmost(shell::ToolWindow& window);

// Runs `write` and shows the message for its outcome. Every step runs even when an earlier one
// failed; an error raised by `write` ends the write and counts as a failure.
void confirmWrites(const std::function<void()>& write);

// Clears "On Top", then as confirmWrites.
void writeAndConfirm(shell::ToolWindow& window, const std::function<void()>& write);

}  // namespace zw
