// The window styles the program asks for when it starts one of the system's own programs.
// Plain C++, no Qt.
#pragma once

namespace zw::shell {

// Window style of a started program: shown normally or minimised, focused either way.
enum class StartStyle : int { NormalFocus = 1, MinimizedFocus = 2 };

}  // namespace zw::shell
