// ShowAnimatedPicture: plays an animated picture (the owl) in a small control without margins.
#pragma once

#include <QString>

class QLabel;

namespace zw::shell {

// Loads the picture into `image` (which stays invisible) and plays it in `browser`. A picture
// that cannot be loaded leaves `browser` hidden and returns false; the window goes on without it.
bool ShowAnimatedPicture(QLabel* browser, QLabel* image, const QString& picturePath);

}  // namespace zw::shell
