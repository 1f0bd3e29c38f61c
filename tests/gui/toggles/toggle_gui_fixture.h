// GUI test fixture for the toggle and catalogue windows: recording services, a fresh store
// seeded with the default hive, and a navigator that knows the hub, both catalogues and all
// toggle windows.
#pragma once

#include "support/fake_services.h"
#include "unit/toggles/all_records.h"
#include "unit/toggles/registry_probe.h"
#include "unit/toggles/toggle_store.h"

#include "shell/form1.h"
#include "shell/navigator.h"
#include "tips/tips_windows.h"
#include "tuning/tuning_windows.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>

namespace zw::test {

class ToggleGuiTest : public ::testing::Test {
protected:
    ToggleGuiTest()
    {
        shell::registerMainWindow(navigator);
        tuning::registerWindows(navigator);
        tips::registerWindows(navigator);
    }

    template <class T = QWidget>
    static T* child(QWidget* window, const QString& name)
    {
        T* found = window ? window->findChild<T*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
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
