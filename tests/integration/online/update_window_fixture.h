#pragma once
// The update window on a store of its own, with the real download component registered and the
// real reference server answering; message boxes and the file dialog go through recording fakes.
// A QtTest class derives from it and gets the suite's and each test's set-up and clean-up.

#include "reference_server.h"
#include "update_window.h"

#include "platform/component_loader.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "support/fake_services.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class UpdateWindowFixture : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { startSuite(); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }
    void cleanupTestCase() { endSuite(); }

protected:
    void startSuite()
    {
        QVERIFY(storeDir.isValid());
        auto opened = zw::platform::SqliteRegistryStore::open(storeDir.filePath("registry.db").toStdString());
        QVERIFY(opened.store);
        store = std::make_unique<zw::platform::ScopedRegistry>(opened.store);
        QCOMPARE(zw::platform::registerServer(FETCHLING_FILE, true), zw::com::kOk);
        QVERIFY(server.start());
    }

    void openWindow()
    {
        fakes = std::make_unique<zw::test::FakeServices>();
        qputenv("ZUNDERWERK_SERVER", server.url().toUtf8());
        window = new zw::online::UpdateWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->runLoad();
        window->show();
    }

    void closeWindow()
    {
        delete window.data();
        fakes.reset();
        qunsetenv("ZUNDERWERK_SERVER");
    }

    void endSuite()
    {
        server.stop();
        store.reset();
    }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QPushButton* button(const char* name) { return window->findChild<QPushButton*>(name); }
    QLineEdit* lineEdit(const char* name) { return window->findChild<QLineEdit*>(name); }

    QTemporaryDir storeDir;
    QTemporaryDir scratch;
    std::unique_ptr<zw::platform::ScopedRegistry> store;
    ReferenceServer server;
    std::unique_ptr<zw::test::FakeServices> fakes;
    QPointer<zw::online::UpdateWindow> window;
};
