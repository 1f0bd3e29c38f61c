// The pictures of the browser windows: the background below the Data folder, and the pictures
// built into the program (button images, the default preview strip, the preview's pointer).
#pragma once

#include <QString>

#include <string_view>

namespace zw::browser {

// Image1, stretched over the window.
inline const QString kBrowserBackground = QStringLiteral("Pics/Backgrounds/tool.png");

// Built-in pictures; call useBuiltInPictures() before the first use.
inline const QString kDefaultStrip = QStringLiteral(":/browser/default_strip.png");
inline const QString kPreviewPointer = QStringLiteral(":/browser/pointer.png");
void useBuiltInPictures();

// The image of a template button, by its motif's logo file ("Data\Pics\fireball.bmp").
QString motifButtonImage(std::string_view logoFile);

}  // namespace zw::browser
