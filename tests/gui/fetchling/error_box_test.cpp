// The component's own "Fehler!" box, shown for real when a download cannot start in a
// process with a windowing system.
#include "../../unit/registry/temp_folder.h"
#include "fetchling/fetchling.h"
#include "platform/component_loader.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class ErrorBoxTest : public QObject {
    Q_OBJECT

private slots:
    void httpsShowsTheCriticalBoxAndStartsNothing() {
        zw::test::TempFolder folder;
        auto store = zw::platform::SqliteRegistryStore::open(folder.file("registry.db")).store;
        QVERIFY(store);
        zw::platform::ScopedRegistry scoped(store);
        QCOMPARE(zw::platform::registerServer(FETCHLING_FILE, true), zw::com::kOk);
        auto object = zw::platform::createInstance<fetchling::_clsDownload>(fetchling::CLSID_clsDownload,
                                                                           fetchling::IID__clsDownload);
        QVERIFY(object);

        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                box->accept();
            }
        });
        poll.start();
        const bool started = object->DoDownload("https://127.0.0.1/file.zip", folder.file("out.zip").c_str());
        poll.stop();

        QVERIFY(!started);
        QCOMPARE(title, QStringLiteral("Fetchling"));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(text, QStringLiteral("Fehler!\nError: 10043\nDas Protokoll \"https\" wird nicht unterstützt; nur "
                                      "http:// ist möglich."));
    }
};

QTEST_MAIN(ErrorBoxTest)
#include "error_box_test.moc"
