// Navigator: knows every window by its design name and owns the one navigation rule.
//
//  * open(from, "Regedit"): the target is shown first (loaded afresh if it is not loaded);
//    then `from` leaves by its design's LeaveRule: the hub hides, a catalogue unloads.
//  * close(window) (Close button, ESC): the window's opener (WindowDesign::opener) is shown
//    again — as it was if only hidden, loaded afresh if it was unloaded — then the window unloads.
//  * unload(window): hides and destroys it; no window keeps state between two openings.
//    When the last window is unloaded the navigator emits lastWindowUnloaded (main() quits on it).
//
// How a GUI folder adds its windows: it offers one function, e.g.
//     void registerTuningWindows(zw::shell::Navigator& navigator) {
//         navigator.add("Regedit", [] { return new Regedit; });
//     }
// that main() (and the screenshot tool) call before the main window loads. src/shell never
// depends on the other GUI folders. A hub button whose window is not registered stays disabled.
//
// Tests build a Navigator of their own (it becomes Navigator::current() while it lives) and
// register the windows they need.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

namespace zw::shell {

class ToolWindow;

class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<ToolWindow*()>;

    Navigator();
    ~Navigator() override;  // unloads every window it loaded
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // The navigator in force, or null.
    static Navigator* current();

    void add(const QString& name, Factory factory);
    bool knows(const QString& name) const;
    QStringList names() const;

    // The loaded window of that name, or null.
    ToolWindow* loaded(const QString& name) const;
    QStringList loadedNames() const;

    // The loaded window, or a fresh one whose load has run (not shown). Null for an unknown
    // name, or when the window unloaded itself during its load.
    ToolWindow* load(const QString& name);
    // Loads if needed, shows and activates.
    ToolWindow* show(const QString& name);
    // The navigation rule (above).
    ToolWindow* open(ToolWindow* from, const QString& name);
    void close(ToolWindow* window);
    void unload(ToolWindow* window);
    void unload(const QString& name);

signals:
    void lastWindowUnloaded();

private:
    void forget(ToolWindow* window);

    std::map<QString, Factory> factories_;
    std::vector<QPointer<ToolWindow>> loaded_;
    Navigator* previous_ = nullptr;
};

}  // namespace zw::shell
