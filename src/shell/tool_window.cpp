#include "tool_window.h"

#include "navigator.h"
#include "owl.h"
#include "program_folder.h"
#include "public_variables.h"
#include "window_shape.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace zw::shell {
namespace {

// Hands every key press to the active tool window before the focused control sees it.
class KeyRouter final : public QObject {
public:
    static void install() {
        static KeyRouter* router = nullptr;
        if (!router && qApp) {
            router = new KeyRouter(qApp);
            qApp->installEventFilter(router);
        }
    }

protected:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        auto* window = qobject_cast<ToolWindow*>(static_cast<QWidget*>(watched)->window());
        if (!window) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        // A key not taken by the window travels on to the parents of the focused control;
        // the window looks at it only once, when it reaches the focused control.
        if (watched != QApplication::focusWidget() && watched != window) return false;
        return window->windowKeyPress(key);
    }
};

constexpr const char* kDragHandleProperty = "zwDragHandle";

}  // namespace

ToolWindow::ToolWindow(WindowDesign design, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), design_(std::move(design)) {
    setObjectName(design_.name);
    setWindowTitle(design_.caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(designPixelSize(design_.widthTwips, design_.heightTwips));
    KeyRouter::install();
}

ToolWindow::~ToolWindow() = default;

QRect ToolWindow::twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

void ToolWindow::runLoad() {
    setMask(roundedShape(size()));
    if (design_.topmostAtLoad && check1_) check1_->setChecked(true);
    if (design_.showsOwl && modPublicVariables::OwlFlag && wb_) {
        wb_->show();
        ShowAnimatedPicture(wb_, img_, owlPicturePath());
    }
    load();
}

void ToolWindow::closeWindow() {
    if (Navigator* navigator = Navigator::current()) {
        navigator->close(this);
    } else {
        close();
    }
}

void ToolWindow::setTopmost(bool on) {
    if (isTopmost() != on) changeWindowFlag(Qt::WindowStaysOnTopHint, on);
}

void ToolWindow::changeWindowFlag(Qt::WindowType flag, bool on) {
    // Changing a flag hides the window; it comes back at the same place.
    const bool wasVisible = isVisible();
    const QPoint place = pos();
    setWindowFlag(flag, on);
    if (wasVisible) {
        move(place);
        show();
    }
}

bool ToolWindow::isTopmost() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

bool ToolWindow::windowKeyPress(QKeyEvent* event) {
    if (design_.escCloses && event->key() == Qt::Key_Escape) {
        closeWindow();
        return true;
    }
    return false;
}

QLabel* ToolWindow::setBackground(const QString& pictureBelowData) {
    if (!image1_) {
        image1_ = new QLabel(this);
        image1_->setObjectName(QStringLiteral("Image1"));
        image1_->setScaledContents(true);
        makeDragHandle(image1_);
    }
    image1_->setGeometry(rect());
    image1_->setPixmap(QPixmap(dataPath(pictureBelowData)));  // a missing picture leaves the colour
    image1_->lower();
    return image1_;
}

QLabel* ToolWindow::addCaption(const QString& text, QRect geometry, double pointSize) {
    caption_ = new QLabel(text, this);
    caption_->setObjectName(QStringLiteral("lblCaption"));
    caption_->setGeometry(geometry);
    QFont font = caption_->font();
    font.setPointSizeF(pointSize);
    font.setBold(true);
    caption_->setFont(font);
    caption_->setStyleSheet(QStringLiteral("color: #0000FF; background: transparent;"));
    makeDragHandle(caption_);
    return caption_;
}

QCheckBox* ToolWindow::addOnTopBox(QRect geometry, const QString& text) {
    check1_ = new QCheckBox(text, this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(geometry);
    // The design's font is narrower than ours: the box grows to the right rather than cut its text.
    if (check1_->sizeHint().width() > geometry.width()) check1_->resize(check1_->sizeHint().width(), geometry.height());
    // toggled is raised by clicks and by code alike, when the state really changes.
    connect(check1_, &QCheckBox::toggled, this, &ToolWindow::setTopmost);
    return check1_;
}

void ToolWindow::addOwl(int leftTwips, int topTwips) {
    wb_ = new QLabel(this);
    wb_->setObjectName(QStringLiteral("WB"));
    wb_->setGeometry(twipsRect(leftTwips, topTwips, 540, 540));
    wb_->hide();
    img_ = new QLabel(this);
    img_->setObjectName(QStringLiteral("Img"));
    img_->setGeometry(twipsRect(leftTwips + 600, topTwips + 30, 480, 480));
    img_->hide();
}

QPushButton* ToolWindow::addButton(const QString& name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QLabel* ToolWindow::addLabel(const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setStyleSheet(QStringLiteral("background: transparent;"));
    if (geometry.size().isEmpty()) {
        label->move(geometry.topLeft());
        label->adjustSize();
    } else {
        label->setGeometry(geometry);
    }
    return label;
}

void ToolWindow::makeDragHandle(QWidget* handle) {
    handle->setProperty(kDragHandleProperty, true);
    handle->installEventFilter(this);
}

void ToolWindow::beginDrag(QWidget* handle, QPoint globalPos) {
    emit dragStarted();
    if (QWindow* window = windowHandle(); window && window->startSystemMove()) return;
    manualDrag_ = handle;
    dragOffset_ = globalPos - frameGeometry().topLeft();
}

bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* handle = qobject_cast<QWidget*>(watched);
    if (!handle || !handle->property(kDragHandleProperty).toBool()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (startsDrag(mouse->position().y())) beginDrag(handle, mouse->globalPosition().toPoint());
        return false;
    }
    case QEvent::MouseMove:
        if (manualDrag_ == handle && (static_cast<QMouseEvent*>(event)->buttons() != Qt::NoButton)) {
            move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - dragOffset_);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (manualDrag_ == handle) manualDrag_ = nullptr;
        return false;
    default:
        return false;
    }
}

void ToolWindow::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

}  // namespace zw::shell
