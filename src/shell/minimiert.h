// Minimiert: the invisible window that owns the notification-area icon and its quick menu
// `mnBar`. Loaded by the main window's "Minimieren"; left by "Programm anzeigen", a double-click
// on the icon, "&Beenden", or a main window that is loaded again (its timer unloads this one).
//
// Where the desktop has no notification area, the icon could not be seen and the user could not
// reach the program again: a small stand-in window titled "Zunderwerk" takes the icon's place in
// the screen's lower right corner, with the menu and "Programm anzeigen" on it.
#pragma once

#include "tool_window.h"
#include "tray_callback.h"

#include <QPointer>
#include <QSystemTrayIcon>

#include <optional>

class QAction;
class QMenu;
class QTimer;

namespace zw::shell {

struct QuickMenuItem;

class Minimiert final : public ToolWindow {
    Q_OBJECT
public:
    static const WindowDesign& designOf();

    Minimiert();
    ~Minimiert() override;  // removes the icon on every way out

    // A mouse event on the icon, by the number the notification area reports (515, 517, 518).
    void iconCallback(int mouseMessage);

    QMenu* menu() const { return mnBar_; }
    // The menu action (or submenu action) of an item of `mnBar`, by its name.
    QAction* item(const QString& name) const;
    // The icon is in the notification area (or its stand-in window is up).
    bool iconShown() const;
    QWidget* standIn() const { return standIn_; }

    // Whether the desktop offers a notification area. Tests may decide it for themselves.
    static bool hasNotificationArea();
    static void setNotificationAreaOverride(std::optional<bool> available);

    // The number a Qt activation reason stands for.
    static int mouseMessageFor(QSystemTrayIcon::ActivationReason reason);

protected:
    void load() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildStandIn();
    void addIcon();
    void removeIcon();
    void run(const QuickMenuItem& entry);
    void pollScriptHost();
    void popupMenu(QPoint where);
    void showMainWindow();
    void quit();
    void unloadSelf();

    QMenu* mnBar_ = nullptr;
    QSystemTrayIcon* icon_ = nullptr;
    QPointer<QWidget> standIn_;
    QTimer* timer1_ = nullptr;
    ScriptHostMarks marks_;
};

class Navigator;
// Registers Minimiert with the navigator under its name.
void registerTrayWindow(Navigator& navigator);

}  // namespace zw::shell
