#include "minimiert.h"

#include "navigator.h"
#include "product_contact.h"
#include "program_folder.h"
#include "qt_text.h"
#include "quick_menu.h"
#include "shutdown_dialog.h"

#include "platform/services.h"
#include "tweak/registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <type_traits>

namespace zw::shell {
namespace {

// The check marks only need to be right when the menu opens (they are refreshed then too);
// a short period keeps them current without a 1 ms timer's load.
constexpr int kPollMilliseconds = 15;

constexpr int kStandInMargin = 24;

std::optional<bool> g_notificationAreaOverride;

QIcon programIcon()
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QIcon(dataPath(QStringLiteral("Pics/Icons/zunderwerk.png")));
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon;
}

// The stand-in for the icon where the desktop has no notification area. Closing it brings the
// program back: refusing the close would leave the user with a window that does nothing.
class StandIn final : public QWidget {
public:
    StandIn(QWidget* owner, std::function<void()> onClose)
        : QWidget(owner, Qt::Window), onClose_(std::move(onClose)) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        QTimer::singleShot(0, parentWidget(), onClose_);
    }

private:
    std::function<void()> onClose_;
};

}  // namespace

const WindowDesign& Minimiert::designOf()
{
    static const WindowDesign design{
        .name = QStringLiteral("Minimiert"),
        .widthTwips = 1560,
        .heightTwips = 1200,
        .caption = QStringLiteral("Form2"),
        .opener = {},
        .whenOpening = LeaveRule::Stay,
        .escCloses = false,
        .topmostAtLoad = false,
        .showsOwl = false,
    };
    return design;
}

Minimiert::Minimiert() : ToolWindow(designOf())
{
    setWindowIcon(programIcon());
    buildMenu();
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kPollMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &Minimiert::pollScriptHost);
}

Minimiert::~Minimiert() { removeIcon(); }

void Minimiert::buildMenu()
{
    mnBar_ = new QMenu(QStringLiteral("Menu"), this);
    mnBar_->setObjectName(QStringLiteral("mnBar"));
    QMenu* submenu = nullptr;
    for (const QuickMenuItem& entry : quickMenuItems()) {
        QMenu* into = entry.depth > 0 && submenu ? submenu : mnBar_;
        QAction* action = nullptr;
        switch (entry.kind) {
        case QuickItemKind::Separator:
            action = into->addSeparator();
            break;
        case QuickItemKind::Submenu:
            submenu = into->addMenu(toQString(entry.caption));
            submenu->setObjectName(toQString(entry.name));
            action = submenu->menuAction();
            break;
        case QuickItemKind::Command:
            action = into->addAction(toQString(entry.caption));
            action->setCheckable(entry.checkable);
            connect(action, &QAction::triggered, this, [this, &entry] { run(entry); });
            break;
        }
        action->setObjectName(toQString(entry.name));
    }
    connect(mnBar_, &QMenu::aboutToShow, this, &Minimiert::pollScriptHost);
}

QAction* Minimiert::item(const QString& name) const
{
    for (QAction* action : mnBar_->findChildren<QAction*>()) {
        if (action->objectName() == name)
            return action;
    }
    for (QMenu* sub : mnBar_->findChildren<QMenu*>()) {
        if (sub->objectName() == name)
            return sub->menuAction();
    }
    return nullptr;
}

bool Minimiert::hasNotificationArea()
{
    if (g_notificationAreaOverride)
        return *g_notificationAreaOverride;
    // Without a screen for a user (offscreen, minimal) nobody can be stranded: keep the icon.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return true;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void Minimiert::setNotificationAreaOverride(std::optional<bool> available) { g_notificationAreaOverride = available; }

int Minimiert::mouseMessageFor(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return kMouseLeftDoubleClick;
    case QSystemTrayIcon::Context:
        return kMouseRightUp;
    case QSystemTrayIcon::Trigger:
        return kMouseLeftUp;
    case QSystemTrayIcon::MiddleClick:
        return kMouseMiddleUp;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return 0;
}

void Minimiert::load()
{
    hide();
    addIcon();
    timer1_->start();
}

void Minimiert::addIcon()
{
    if (hasNotificationArea()) {
        icon_ = new QSystemTrayIcon(programIcon(), this);
        icon_->setObjectName(QStringLiteral("Picture1"));
        icon_->setToolTip(toQString(kTrayToolTip));
        connect(icon_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) { iconCallback(mouseMessageFor(reason)); });
        icon_->show();
    } else {
        buildStandIn();
        // Shown small in the screen's lower right corner, where the notification area would be,
        // not minimised: a desktop without a task bar would have no way to bring it back.
        standIn_->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            standIn_->move(area.right() - standIn_->width() - kStandInMargin,
                           area.bottom() - standIn_->height() - kStandInMargin);
        }
        standIn_->show();
    }
}

void Minimiert::buildStandIn()
{
    auto* standIn = new StandIn(this, [this] { showMainWindow(); });
    standIn->setObjectName(QStringLiteral("Picture1"));
    standIn->setWindowTitle(toQString(kTrayToolTip));
    standIn->setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(standIn);
    auto* text = new QLabel(QStringLiteral("Zunderwerk läuft im Hintergrund weiter."), standIn);
    layout->addWidget(text);
    auto* menuButton = new QPushButton(QStringLiteral("Menü"), standIn);
    menuButton->setObjectName(QStringLiteral("cmdMenu"));
    connect(menuButton, &QPushButton::clicked, this, [this, menuButton] {
        popupMenu(menuButton->mapToGlobal(QPoint(0, menuButton->height())));
    });
    layout->addWidget(menuButton);
    auto* showButton = new QPushButton(QStringLiteral("Programm anzeigen"), standIn);
    showButton->setObjectName(QStringLiteral("cmdShow"));
    connect(showButton, &QPushButton::clicked, this, &Minimiert::showMainWindow);
    layout->addWidget(showButton);
    standIn_ = standIn;
}

void Minimiert::removeIcon()
{
    if (icon_) {
        icon_->hide();
        icon_->deleteLater();
        icon_ = nullptr;
    }
    if (standIn_) {
        standIn_->hide();
        standIn_->deleteLater();
        standIn_ = nullptr;
    }
}

bool Minimiert::iconShown() const { return (icon_ && icon_->isVisible()) || (standIn_ && standIn_->isVisible()); }

void Minimiert::iconCallback(int mouseMessage)
{
    switch (trayReaction(mouseMessage)) {
    case TrayReaction::ShowMainWindow:
        showMainWindow();
        break;
    case TrayReaction::PopupMenu:
        popupMenu(QCursor::pos());
        break;
    case TrayReaction::None:
        break;
    }
}

void Minimiert::popupMenu(QPoint where)
{
    pollScriptHost();
    mnBar_->popup(where);
}

void Minimiert::pollScriptHost()
{
    marks_ = nextScriptHostMarks(marks_, Registry::GetValueText(kScriptHostHive, kScriptHostKey, kScriptHostValue));
    item(QStringLiteral("wsh1"))->setChecked(marks_.enabled);
    item(QStringLiteral("wsh0"))->setChecked(marks_.disabled);
}

void Minimiert::run(const QuickMenuItem& entry)
{
    // Checkable actions flip their mark when clicked; the mark shows the registry, not the click.
    if (entry.checkable)
        pollScriptHost();
    std::visit(
        [this](const auto& action) {
            using A = std::decay_t<decltype(action)>;
            const platform::Services& s = platform::services();
            if constexpr (std::is_same_v<A, RunProgram>) {
                s.launcher->startProgram(toQString(action.commandLine), static_cast<int>(action.style));
            } else if constexpr (std::is_same_v<A, OpenDocument>) {
                // Resolved against the program folder: the current folder is whatever the
                // program was started from.
                s.launcher->shellOpen(programFilePath(action.file));
            } else if constexpr (std::is_same_v<A, WriteRegistryText>) {
                Registry::SetStringValue(static_cast<HiveCode>(action.hive), action.key, action.value, action.text);
                pollScriptHost();
            } else if constexpr (std::is_same_v<A, ShowAboutWindow>) {
                if (Navigator* navigator = Navigator::current())
                    navigator->show(QStringLiteral("Info"));
            } else if constexpr (std::is_same_v<A, ShowMainWindow>) {
                showMainWindow();
            } else if constexpr (std::is_same_v<A, QuitProgram>) {
                quit();
            }
        },
        entry.action);
}

void Minimiert::showMainWindow()
{
    if (Navigator* navigator = Navigator::current())
        navigator->show(QStringLiteral("Form1"));
    removeIcon();
    unloadSelf();
}

void Minimiert::quit()
{
    removeIcon();
    QPointer<Minimiert> self(this);
    const auto answer = platform::services().dialogs->messageBox(toQString(kRestartQuestion), toQString(kRestartTitle),
                                                                 platform::MsgIcon::None, platform::MsgButtons::YesNo);
    if (!self)
        return;
    if (answer == platform::MsgAnswer::Yes)
        openShutdownDialog(this);
    unloadSelf();
}

void Minimiert::unloadSelf()
{
    timer1_->stop();
    if (Navigator* navigator = Navigator::current()) {
        navigator->unload(this);
    } else {
        deleteLater();
    }
}

void Minimiert::closeEvent(QCloseEvent* event)
{
    // The program unloads this window through the navigator. A session that ends (shutting down,
    // logging off) closes it and takes the icon away; any other close is refused.
    if (qApp->isSavingSession()) {
        removeIcon();
        event->accept();
        return;
    }
    event->ignore();
}

void registerTrayWindow(Navigator& navigator)
{
    navigator.add(QStringLiteral("Minimiert"), [] { return new Minimiert; });
}

}  // namespace zw::shell
