#include "tuning/window_pictures.h"

#include "shell/program_folder.h"

#include <QLabel>
#include <QPixmap>

namespace zw::tuning {

QLabel* addPicture(QWidget* window, QRect pixels)
{
    auto* picture = new QLabel(window);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(pixels);
    picture->setScaledContents(true);
    picture->setStyleSheet(QStringLiteral("background: transparent;"));
    picture->setPixmap(QPixmap(shell::dataPath(kDecorativePicture)));
    return picture;
}

}  // namespace zw::tuning
