// GUI test fixture for the toggle and catalogue windows: recording services, a fresh store
// seeded with the default hive, and a navigator that knows every window of the program.
#pragma once

#include "support/fake_services.h"
#include "support/window_steps.h"
#include "unit/toggles/all_records.h"
#include "unit/toggles/registry_probe.h"
#include "unit/toggles/toggle_store.h"

#include "app/all_windows.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>

namespace zw::test {

class ToggleGuiTest : public ::testing::Test {
protected:
    ToggleGuiTest()
    {
        app::registerAllWindows(navigator);
    }

    template <class T = QWidget>
    static T* child(QWidget* window, const QString& name)
    {
        return namedChild<T>(window, name);
    }
    static void click(QWidget* window, const QString& name)
    {
        if (auto* b = child<QAbstractButton>(window, name))
            b->click();
    }
    static bool enabled(QWidget* window, const char* name)
    {
        auto* b = child<QWidget>(window, QString::fromUtf8(name));
        return b && b->isEnabled();
    }

    FakeServices fakes;
    ToggleStore store;
    shell::Navigator navigator;
};

}  // namespace zw::test
