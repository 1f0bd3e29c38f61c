// The pictures of the special System Tuning windows, below the Data folder.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace zw::tuning {

// Image1, stretched over the window.
inline const QString kToolBackground = QStringLiteral("Pics/Backgrounds/tool.png");
// Image2, the decorative picture beside the controls.
inline const QString kDecorativePicture = QStringLiteral("Pics/Misc/Tuning.png");

// Image2 at `pixels`, scaled into it; a missing picture leaves the place empty.
QLabel* addPicture(QWidget* window, QRect pixels);

}  // namespace zw::tuning
