#include "frm_splash.h"

#include "update_texts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace zw::online {

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kWidthTwips = 4200;
constexpr int kHeightTwips = 345;
} // namespace

FrmSplash::FrmSplash(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0x80));   // &H0080FFFF
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* label = new QLabel(QString::fromUtf8(text::kSplash.data(), static_cast<int>(text::kSplash.size())), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont font = label->font();
    font.setPointSizeF(12);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    cursorSet_ = true;
}

FrmSplash::~FrmSplash()
{
    if (cursorSet_) {
        QApplication::restoreOverrideCursor();
    }
}

void FrmSplash::showNow()
{
    show();
    raise();
    repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zw::online
