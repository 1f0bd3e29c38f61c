// A place from the data tables (twips) as the tool-window frame places controls (pixels).
#pragma once

#include "shell/tool_window.h"
#include "tweak/toggle_layout.h"

namespace zw {

inline QRect pixelRect(const TwipsRect& r)
{
    return shell::ToolWindow::twipsRect(r.left, r.top, r.width, r.height);
}

}  // namespace zw
