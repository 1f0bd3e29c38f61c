#include "navigator.h"

#include "tool_window.h"

#include <algorithm>

namespace zw::shell {
namespace {
Navigator* g_current = nullptr;
}

Navigator::Navigator() : previous_(g_current) { g_current = this; }

Navigator::~Navigator() {
    for (const QPointer<ToolWindow>& window : loaded_) delete window.data();
    loaded_.clear();
    g_current = previous_;
}

Navigator* Navigator::current() { return g_current; }

void Navigator::add(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

bool Navigator::knows(const QString& name) const { return factories_.count(name) != 0; }

QStringList Navigator::names() const {
    QStringList out;
    for (const auto& entry : factories_) out << entry.first;
    return out;
}

ToolWindow* Navigator::loaded(const QString& name) const {
    for (const QPointer<ToolWindow>& window : loaded_) {
        if (window && window->objectName() == name) return window;
    }
    return nullptr;
}

QStringList Navigator::loadedNames() const {
    QStringList out;
    for (const QPointer<ToolWindow>& window : loaded_) {
        if (window) out << window->objectName();
    }
    return out;
}

ToolWindow* Navigator::load(const QString& name) {
    if (ToolWindow* existing = loaded(name)) return existing;
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) return nullptr;
    ToolWindow* window = factory->second();
    if (!window) return nullptr;
    window->setObjectName(name);
    loaded_.emplace_back(window);
    window->runLoad();
    if (window->unloadRequested()) {
        unload(window);
        return nullptr;
    }
    return window;
}

ToolWindow* Navigator::show(const QString& name) {
    ToolWindow* window = load(name);
    if (!window) return nullptr;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

ToolWindow* Navigator::open(ToolWindow* from, const QString& name) {
    ToolWindow* target = show(name);
    if (!target || !from || from == target) return target;
    switch (from->design().whenOpening) {
    case LeaveRule::Hide: from->hide(); break;
    case LeaveRule::Unload: unload(from); break;
    case LeaveRule::Stay: break;
    }
    return target;
}

void Navigator::close(ToolWindow* window) {
    if (!window) return;
    const QString opener = window->design().opener;
    if (!opener.isEmpty() && opener != window->objectName()) show(opener);
    unload(window);
}

void Navigator::unload(const QString& name) {
    if (ToolWindow* window = loaded(name)) unload(window);
}

void Navigator::unload(ToolWindow* window) {
    if (!window) return;
    const bool wasLoaded = std::any_of(loaded_.begin(), loaded_.end(),
                                       [window](const QPointer<ToolWindow>& w) { return w == window; });
    forget(window);
    window->hide();
    window->deleteLater();
    if (wasLoaded && loadedNames().isEmpty()) emit lastWindowUnloaded();
}

void Navigator::forget(ToolWindow* window) {
    loaded_.erase(std::remove_if(loaded_.begin(), loaded_.end(),
                                 [window](const QPointer<ToolWindow>& w) { return !w || w == window; }),
                  loaded_.end());
}

}  // namespace zw::shell
