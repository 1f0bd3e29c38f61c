// Info: the about window — what the program is, the product's web site and mail address as
// links, the terms of passing it on and the disclaimer. OK (with a tone) or ESC return to the
// main window, which is loaded anew when the window was opened from the notification area.
#pragma once

#include "tool_window.h"

namespace zw::shell {

class Info final : public ToolWindow {
    Q_OBJECT
public:
    static const WindowDesign& designOf();
    Info();

private:
    void confirm();
};

class Navigator;
// Registers Info with the navigator under its name.
void registerAboutWindow(Navigator& navigator);

}  // namespace zw::shell
