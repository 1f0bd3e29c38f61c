// What the windows the main window opens for a service (about, launcher) share: back to Form1
// by Close or ESC, topmost at load, the owl while OwlFlag is set, white text on black.
#pragma once

#include "tool_window.h"

namespace zw::shell {

inline WindowDesign hubChildDesign(const QString& name, int widthTwips, int heightTwips, const QString& caption)
{
    return WindowDesign{
        .name = name,
        .widthTwips = widthTwips,
        .heightTwips = heightTwips,
        .caption = caption,
        .opener = QStringLiteral("Form1"),
        .whenOpening = LeaveRule::Stay,
        .escCloses = true,
        .topmostAtLoad = true,
        .showsOwl = true,
    };
}

// The style sheet of such a window: black behind its background picture, white labels and box.
inline QString hubChildStyle(const QString& name)
{
    return QStringLiteral("QWidget#%1 { background: black; } QLabel { color: white; } "
                          "QCheckBox { color: white; background: black; }")
        .arg(name);
}

}  // namespace zw::shell
