// A special System Tuning window on a fresh registry store, with recording services and a
// navigator that knows stand-ins for the two catalogues.
#pragma once

#include "fresh_store.h"
#include "shell/success_message.h"
#include "support/event_waits.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include "shell/navigator.h"
#include "shell/tool_window.h"
#include "tuning/tuning_extra_windows.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace zw::test {

// A catalogue as far as navigation goes: a frame that returns to the hub.
class CatalogueStandIn final : public shell::ToolWindow {
public:
    explicit CatalogueStandIn(const QString& name)
        : ToolWindow({name, 9960, 7890, name, QStringLiteral("Form1"), shell::LeaveRule::Unload})
    {
    }
};

class TuningWindow : public FreshStore {
protected:
    TuningWindow()
    {
        tuning::registerSpecialWindows(navigator);
        for (const char* name : {"Regedit", "Tricks"}) {
            const QString n = QString::fromLatin1(name);
            navigator.add(n, [n] { return new CatalogueStandIn(n); });
        }
    }
    ~TuningWindow() override { flushDeletes(); }

    // Opens the window as its catalogue would: catalogue first, then the window.
    shell::ToolWindow* open(const QString& name, const QString& catalogue = QStringLiteral("Regedit"))
    {
        shell::ToolWindow* from = navigator.show(catalogue);
        shell::ToolWindow* window = navigator.open(from, name);
        flushDeletes();
        return window;
    }

    template <class W = QPushButton>
    W* child(const char* name)
    {
        return namedChild<W>(window, name);
    }


    // The enabled state of the named buttons, e.g. "110" for three.
    std::string enabledPattern(std::initializer_list<const char*> names)
    {
        std::string pattern;
        for (const char* n : names)
            pattern += child(n)->isEnabled() ? '1' : '0';
        return pattern;
    }

    // Clicking while "On Top" is set: the box is cleared, then the window goes on.
    void setOnTop() { child<QCheckBox>("Check1")->setChecked(true); }

    FakeServices fakes;
    shell::Navigator navigator;
    QPointer<shell::ToolWindow> window;
};

inline const QString kSuccess = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");
inline const QString kFailure = shell::kRegistryFailureText;

}  // namespace zw::test
