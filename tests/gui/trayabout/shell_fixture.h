// A program as the user meets it, minus the outside world: the main window, the tray, about
// and launcher windows on one navigator, recording fakes for the services, a fresh registry in
// memory and a recorder in place of the system's shut-down dialog.
#pragma once

#include "form1.h"
#include "info_window.h"
#include "minimiert.h"
#include "navigator.h"
#include "shutdown_dialog.h"
#include "tools_window.h"

#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

namespace zw::test {

class ShellFixture : public ::testing::Test {
protected:
    ShellFixture()
        : store_(platform::SqliteRegistryStore::open(":memory:").store),
          registry_(store_),
          shutdown_([this](QWidget* owner) {
              shutdownDialogOwners.push_back(owner);
              return true;
          })
    {
        shell::registerMainWindow(navigator);
        shell::registerTrayWindow(navigator);
        shell::registerAboutWindow(navigator);
        shell::registerLauncherWindow(navigator);
    }

    template <class W = shell::ToolWindow>
    W* loaded(const QString& name)
    {
        return qobject_cast<W*>(navigator.loaded(name));
    }

    shell::Form1* showMainWindow() { return qobject_cast<shell::Form1*>(navigator.show(QStringLiteral("Form1"))); }

    // The window `name` opened by the main window's `button`; the main window is kept in mainWindow.
    template <class W = shell::ToolWindow>
    W* openFromHub(const char* button, const QString& name)
    {
        shell::Form1* form1 = showMainWindow();
        if (!form1)
            return nullptr;
        mainWindow = form1;
        form1->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        runQueued();
        return loaded<W>(name);
    }

    // "Minimieren" in a freshly shown main window.
    shell::Minimiert* minimize()
    {
        shell::Form1* form1 = showMainWindow();
        EXPECT_NE(form1, nullptr);
        if (!form1)
            return nullptr;
        auto* button = form1->findChild<QPushButton*>(QStringLiteral("cmdMinimieren"));
        EXPECT_NE(button, nullptr);
        if (!button)
            return nullptr;
        button->click();
        runQueued();
        return loaded<shell::Minimiert>(QStringLiteral("Minimiert"));
    }

    FakeServices fakes;
    std::shared_ptr<platform::SqliteRegistryStore> store_;
    platform::ScopedRegistry registry_;
    shell::ScopedShutdownDialog shutdown_;
    std::vector<QWidget*> shutdownDialogOwners;
    shell::Navigator navigator;
    QPointer<QWidget> mainWindow;
};

}  // namespace zw::test
