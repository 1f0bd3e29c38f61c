// A browser window on a fresh registry store, with recording services and a navigator that
// knows a stand-in for the catalogue it returns to.
#pragma once

#include "fresh_store.h"
#include "shell/success_message.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include "browser/browser_windows.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>

#include <functional>

namespace zw::test {

class TricksStandIn final : public shell::ToolWindow {
public:
    TricksStandIn() : ToolWindow({QStringLiteral("Tricks"), 10920, 9885, QStringLiteral("Tricks"), QStringLiteral("Form1"),
                                  shell::LeaveRule::Unload}) {}
};

class BrowserWindow : public FreshStore {
protected:
    BrowserWindow()
    {
        browser::registerWindows(navigator);
        navigator.add(QStringLiteral("Tricks"), [] { return new TricksStandIn; });
    }
    ~BrowserWindow() override { flushDeletes(); }

    shell::ToolWindow* open(const QString& name)
    {
        window = navigator.open(navigator.show(QStringLiteral("Tricks")), name);
        flushDeletes();
        return window;
    }

    template <class W = QPushButton>
    W* child(const char* name)
    {
        return namedChild<W>(window, name);
    }


    FakeServices fakes;
    shell::Navigator navigator;
    QPointer<shell::ToolWindow> window;
};

inline const QString kSuccess = QStringLiteral("Registry Wert wurde erfolgreich gesetzt!");
inline const QString kFailure = shell::kRegistryFailureText;

}  // namespace zw::test
