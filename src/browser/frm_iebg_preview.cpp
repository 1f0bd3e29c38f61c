#include "browser/frm_iebg_preview.h"

#include "browser/browser_pictures.h"
#include "shell/twips.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QScreen>

namespace zw::browser {

namespace {

constexpr int kWidthTwips = 15420;
constexpr int kHeightTwips = 1770;

QPointer<FrmIEBGPreview>& current()
{
    static QPointer<FrmIEBGPreview> open;
    return open;
}

}  // namespace

FrmIEBGPreview::FrmIEBGPreview(const QString& backgroundFile)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool)
{
    useBuiltInPictures();
    setObjectName(QStringLiteral("frmIEBGPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(shell::twipsToPixels(kWidthTwips), shell::twipsToPixels(kHeightTwips));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setFrameShape(QFrame::Box);
    image1_->setLineWidth(1);
    image1_->setToolTip(QStringLiteral("Zum schließen einfach klicken!"));
    image1_->setCursor(QCursor(QPixmap(kPreviewPointer), 13, 13));
    image1_->installEventFilter(this);

    QPixmap picture(kDefaultStrip);
    if (!backgroundFile.isEmpty()) {
        const QPixmap chosen(backgroundFile);  // not a readable picture: the default strip stays
        if (!chosen.isNull())
            picture = chosen;
    }
    image1_->setPixmap(picture);
    // Its own size, one frame pixel around it, as wide as the strip.
    image1_->setGeometry(0, 0, shell::twipsToPixels(kWidthTwips), picture.height() + 2);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().topLeft());
}

FrmIEBGPreview* FrmIEBGPreview::showPreview(const QString& backgroundFile)
{
    QPointer<FrmIEBGPreview>& open = current();
    if (!open || open->isHidden())  // one closed by a click is on its way out
        open = new FrmIEBGPreview(backgroundFile);
    open->show();
    open->raise();
    return open;
}

FrmIEBGPreview* FrmIEBGPreview::openPreview() { return current(); }

bool FrmIEBGPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == image1_ && event->type() == QEvent::MouseButtonRelease) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zw::browser
