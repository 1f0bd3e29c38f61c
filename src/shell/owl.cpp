#include "owl.h"

#include <QLabel>
#include <QMovie>
#include <QPixmap>

namespace zw::shell {

bool ShowAnimatedPicture(QLabel* browser, QLabel* image, const QString& picturePath) {
    auto* movie = new QMovie(picturePath, QByteArray(), browser);
    if (!movie->isValid() || !movie->jumpToFrame(0)) {
        delete movie;
        browser->hide();
        return false;
    }
    if (image) image->setPixmap(movie->currentPixmap());
    browser->setContentsMargins(0, 0, 0, 0);
    browser->setScaledContents(true);
    browser->setMovie(movie);
    movie->start();
    browser->show();
    return true;
}

}  // namespace zw::shell
