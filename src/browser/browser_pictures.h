// The pictures of the browser windows: the background below the Data folder, and the pictures
// built into the program (button images, the default preview strip, the preview's pointer).
#pragma once

#include <QString>

namespace zw::browser {

// Image1, stretched over the window.
inline const QString kBrowserBackground = QStringLiteral("Pics/Backgrounds/tool.png");

// Built-in pictures (resources of the browser windows).
inline const QString kDefaultStrip = QStringLiteral(":/browser/default_strip.png");
inline const QString kPreviewPointer = QStringLiteral(":/browser/pointer.png");

}  // namespace zw::browser
