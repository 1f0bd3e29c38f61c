// tools: the System Utilities launcher — 35 of the system's own programs and consoles on four
// tabs, each a picture button with its label. A click starts the program (or opens the console)
// and the launcher stays open; "Schließen" or ESC return to the main window.
#pragma once

#include "tool_window.h"

class QTabWidget;

namespace zw::shell {

struct LauncherEntry;

class Tools final : public ToolWindow {
    Q_OBJECT
public:
    static const WindowDesign& designOf();
    Tools();

    QTabWidget* tabs() const { return tabs_; }

protected:
    void load() override;

private:
    void addEntry(QWidget* page, const LauncherEntry& entry, int tabRowTwips);
    void start(const LauncherEntry& entry);

    QTabWidget* tabs_ = nullptr;
};

// The entry's picture: the desktop theme's icon where it has one, else our own drawing.
QIcon launcherIcon(const LauncherEntry& entry);

class Navigator;
// Registers the launcher with the navigator under "tools".
void registerLauncherWindow(Navigator& navigator);

}  // namespace zw::shell
