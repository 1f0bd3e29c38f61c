// The update window against the real reference server (nginx) and the real download
// component, created by class id through the component loader; message boxes and the file
// dialog go through the recording fakes.

#include "progress_picture.h"
#include "raw_server.h"
#include "update_window_fixture.h"

#include "fetchling/fetchling.h"
#include "integration/fetchling/feeding_server.h"
#include "platform/component_loader.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace zw;
using namespace zw::online;
using platform::MsgAnswer;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

const QString kSecondAddress = QStringLiteral(ZW_WEB_URL_2);
const QString kFirstAddress = QStringLiteral(ZW_WEB_URL);

QString errorText(const QString& address)
{
    return QStringLiteral("Es ist ein Fehler aufgetreten! Dies liegt entweder an einer fehlerhaften Internetverbindung, "
                          "oder Serverproblemen. Die aktuelle Version ist ebenfalls im Internet unter ")
        + address + QStringLiteral(" erhältlich.");
}

const QString kConnectionError = QStringLiteral(
    "Es ist ein Fehler aufgetreten. Entweder ist der Updateserver nicht erreichbar, oder es besteht eine fehlerhafte "
    "Internetverbindung!");

// A port on 127.0.0.1 where nothing listens.
QString closedServer()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

} // namespace

class UpdateWindowTest : public UpdateWindowFixture {
    Q_OBJECT
private slots:
    void updateCheck_data()
    {
        QTest::addColumn<QByteArray>("served");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        const QString newer = QStringLiteral("Ihre aktuelle Version (2.0) ist veraltet! Laden Sie die neue Version (%1) jetzt vom Server!");
        const QString newTitle = QStringLiteral("Es gibt eine neue Version!");
        QTest::newRow("same") << QByteArray("2.0") << QStringLiteral("Es ist keine neue Version vorhanden!")
                              << QStringLiteral("Keine neue Version vorhanden") << int(MsgIcon::Information);
        QTest::newRow("line break") << QByteArray("2.0\r\n") << newer.arg("2.0\r\n") << newTitle << int(MsgIcon::Information);
        QTest::newRow("newer") << QByteArray("2.1") << newer.arg("2.1") << newTitle << int(MsgIcon::Information);
        QTest::newRow("empty") << QByteArray() << kConnectionError << QStringLiteral("Connection Error") << int(MsgIcon::Critical);
    }

    void updateCheck()
    {
        QFETCH(QByteArray, served);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, icon);
        server.writeFile("/downloads/mytools/update/zunderwerk.txt", served);
        window->onTopBox()->setChecked(true);
        click("cmdCheckForUpdate");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, text);
        QCOMPARE(fakes->dialogs.messages[0].title, title);
        QCOMPARE(int(fakes->dialogs.messages[0].icon), icon);
        QVERIFY(!window->onTopBox()->isChecked());
        QCOMPARE(window->findChild<QLineEdit*>("txtNeusteVersion")->text(), QString::fromLatin1(served));
        splashGone();
        QVERIFY(!QFile::exists(fakes->folders.windows + "/update.txt"));
    }

    void updateCheckWithoutServer()
    {
        qputenv("ZUNDERWERK_SERVER", closedServer().toUtf8());
        click("cmdCheckForUpdate");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, errorText(kSecondAddress));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Error..."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        splashGone();
    }

    void lookupTimesOut()
    {
        RawServer silent({}, RawServer::Then::Hold);
        QVERIFY(silent.listen());
        qputenv("ZUNDERWERK_SERVER", silent.url().toUtf8());
        window->setLookupTimeout(300);
        click("cmdCheckForUpdate");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Error..."));
        splashGone();
    }

    void infoMessage_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<int>("icon");   // -1: no box
        QTest::newRow("information") << QByteArray("Hallo") << QByteArray("vbInformation") << int(MsgIcon::Information);
        QTest::newRow("critical") << QByteArray("Hallo") << QByteArray("vbCritical") << int(MsgIcon::Critical);
        QTest::newRow("exclamation") << QByteArray("Hallo") << QByteArray("vbExclamation") << int(MsgIcon::Exclamation);
        QTest::newRow("question") << QByteArray("Hallo") << QByteArray("vbQuestion") << int(MsgIcon::Question);
        QTest::newRow("lower case") << QByteArray("Hallo") << QByteArray("vbinformation") << -1;
        QTest::newRow("empty kind") << QByteArray("Hallo") << QByteArray() << -1;
        QTest::newRow("empty text") << QByteArray() << QByteArray("vbInformation") << -1;
        QTest::newRow("code page 1252") << QByteArray("Gr\xfc\xdf" "e") << QByteArray("vbInformation") << int(MsgIcon::Information);
    }

    void infoMessage()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, kind);
        QFETCH(int, icon);
        server.writeFile("/downloads/mytools/msg/zunderwerk.txt", message);
        server.writeFile("/downloads/mytools/msg/zunderwerk_msgtyp.txt", kind);
        click("cmdServerMessage");
        splashGone();
        if (icon < 0) {
            QCOMPARE(fakes->dialogs.messages.size(), 0);
            return;
        }
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        const QString expected = message.startsWith("Gr\xfc") ? QStringLiteral("Grüße") : QString::fromUtf8(message);
        QCOMPARE(fakes->dialogs.messages[0].text, expected);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Info Message"));
        QCOMPARE(int(fakes->dialogs.messages[0].icon), icon);
        QCOMPARE(fakes->dialogs.messages[0].buttons, MsgButtons::Ok);
        QVERIFY(!QFile::exists(fakes->folders.windows + "/servermsg.txt"));
        QVERIFY(!QFile::exists(fakes->folders.windows + "/servermsgtyp.txt"));
    }

    void infoMessageWithoutServer()
    {
        qputenv("ZUNDERWERK_SERVER", closedServer().toUtf8());
        click("cmdServerMessage");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, kConnectionError);
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Critical);
        splashGone();
    }

    void fullDownload()
    {
        const QString target = scratch.filePath("Zunderwerk.zip");
        QFile::remove(target);
        fakes->dialogs.saveAnswers << target;
        click("cmdLocalFile");
        QCOMPARE(fakes->dialogs.saveRequests.size(), 1);
        QCOMPARE(fakes->dialogs.saveRequests[0].filter, QStringLiteral("Zip Datei (*.zip)|*.zip|"));
        QCOMPARE(lineEdit("txtLokalFile")->text(), target);

        QStringList statuses;
        connect(lineEdit("txtStatus"), &QLineEdit::textChanged, this, [&](const QString& s) { statuses << s; });
        click("cmdDownload");
        QVERIFY(!button("cmdDownload")->isEnabled());
        QVERIFY(!button("cmdUnload")->isEnabled());
        QVERIFY(button("cmdAbort")->isEnabled());
        QVERIFY(lineEdit("txtLokalFile")->isReadOnly());
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 2, 30000);

        QCOMPARE(fakes->dialogs.messages[0].text, QStringLiteral("Download Vorgang beendet!"));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Download beendet..."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        QCOMPARE(fakes->dialogs.messages[1].title, QStringLiteral("Information"));
        QCOMPARE(fakes->dialogs.messages[1].icon, MsgIcon::None);
        QVERIFY(fakes->dialogs.messages[1].text.startsWith("Sie sollten jetzt die alte Version"));

        const QByteArray served = server.readFile("/downloads/mytools/Zunderwerk.zip");
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), served);

        QCOMPARE(statuses.first(), QStringLiteral("Bitte warten Sie während die Dateien geladen werden..."));
        QCOMPARE(statuses.last(), QStringLiteral("Download Beendet!"));
        const QRegularExpression progress(QStringLiteral("^\\d+ Bytes von %1$").arg(served.size()));
        QVERIFY(statuses.filter(progress).size() >= 1);
        QCOMPARE(statuses[statuses.size() - 2], QStringLiteral("%1 Bytes von %1").arg(served.size()));
        const auto* picture = window->findChild<ProgressPicture*>("picProgress");
        QCOMPARE(picture->geometryDrawn().percent, 100);
        QCOMPARE(picture->geometryDrawn().barWidth, picture->width());
        idleControls();
    }

    void downloadNeedsAPlace()
    {
        click("cmdDownload");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, QStringLiteral("Bitte geben Sie einen korrekten Speicher Ort an!"));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Kein Speicher Ort angegeben..."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Critical);
        QCOMPARE(lineEdit("txtStatus")->text(), QString());
        idleControls();
    }

    void componentMissing()
    {
        window->setDownloadFactory([](com::HResult* r) {
            *r = com::kClassNotRegistered;
            return UpdateWindow::DownloadRef();
        });
        lineEdit("txtLokalFile")->setText(scratch.filePath("x.zip"));
        click("cmdDownload");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, errorText(kFirstAddress));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Error..."));
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Server nicht erreichbar!"));
        idleControls();
    }

    void abortKeepsThePartialFile()
    {
        RawServer stalling(RawServer::partialAnswer(1000, 300), RawServer::Then::Hold);
        QVERIFY(stalling.listen());
        qputenv("ZUNDERWERK_SERVER", stalling.url().toUtf8());
        const QString target = scratch.filePath("partial.zip");
        lineEdit("txtLokalFile")->setText(target);
        click("cmdDownload");
        QTRY_COMPARE_WITH_TIMEOUT(lineEdit("txtStatus")->text(), QStringLiteral("300 Bytes von 1000"), 15000);
        const auto* picture = window->findChild<ProgressPicture*>("picProgress");
        QCOMPARE(picture->geometryDrawn().percent, 30);

        fakes->dialogs.answers.push_back(MsgAnswer::No);
        click("cmdAbort");
        QVERIFY(window->downloading());
        fakes->dialogs.answers.push_back(MsgAnswer::Yes);
        click("cmdAbort");
        QCOMPARE(fakes->dialogs.messages.size(), 2);
        QCOMPARE(fakes->dialogs.messages[1].text, QStringLiteral("Wollen Sie den Download wirklich abbrechen?"));
        QCOMPARE(fakes->dialogs.messages[1].title, QStringLiteral("Abbrechen?!?"));
        QCOMPARE(fakes->dialogs.messages[1].buttons, MsgButtons::YesNo);
        QCOMPARE(fakes->dialogs.messages[1].icon, MsgIcon::None);
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Download abgebrochen..."));
        QCOMPARE(QFileInfo(target).size(), 300);
        idleControls();
    }

    void timeOutWhenNothingArrives()
    {
        RawServer silent({}, RawServer::Then::Hold);
        QVERIFY(silent.listen());
        qputenv("ZUNDERWERK_SERVER", silent.url().toUtf8());
        auto* timer1 = window->findChild<QTimer*>("Timer1");
        QCOMPARE(timer1->interval(), 30000);
        timer1->setInterval(200);
        lineEdit("txtLokalFile")->setText(scratch.filePath("never.zip"));
        click("cmdDownload");
        QVERIFY(timer1->isActive());
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 1, 10000);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Fehler bei der Übertragung!"));
        QVERIFY(fakes->dialogs.messages[0].text.startsWith("Die Übertragung kann nicht beendet werden."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Download abgebrochen..."));
        QVERIFY(!timer1->isActive());
        idleControls();
    }

    // The header arrives one byte a second and never completes, so no Progress comes: the
    // window's time-out ends the download and the connection.
    void trickledHeaderTimesOut()
    {
        FeedingServer trickling("HTTP/1.1 200 OK\r\n", FeedingServer::Feed::Trickle, "X-Slow: 1\r\n");
        const QTimer* timer1 = startAgainst(trickling);
        QVERIFY(timer1);
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 1, 15000);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Fehler bei der Übertragung!"));
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Download abgebrochen..."));
        QVERIFY(!timer1->isActive());
        idleControls();
        QVERIFY(trickling.bytesSent() > 17);   // the trickle was under way
        QTRY_VERIFY(trickling.clientClosed());
    }

    // After the header (Progress 0 of 0) a chunk size line that is no number arrives byte by
    // byte: the component ends the download by itself without an event, and the window's next
    // tick reports the failed transfer instead of showing a download that never moves again.
    void downloadTheComponentGaveUpOnIsReported()
    {
        FeedingServer breaking("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n", FeedingServer::Feed::Trickle,
                               "zz\r\n", 200);
        const QTimer* timer1 = startAgainst(breaking);
        QVERIFY(timer1);
        QTRY_COMPARE_WITH_TIMEOUT(lineEdit("txtStatus")->text(), QStringLiteral("0 Bytes von 0"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(breaking.clientClosed(), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 1, 15000);
        QCOMPARE(fakes->dialogs.messages[0].text,
                 QStringLiteral("Leider ist bei der Übertragung ein Fehler aufgetreten. Bitte versuchen Sie es erneut!"));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Fehler..."));
        QCOMPARE(lineEdit("txtStatus")->text(), QStringLiteral("Download abgebrochen..."));
        QVERIFY(!timer1->isActive());
        QVERIFY(!window->downloading());
        idleControls();
    }

    void truncatedDownloadIsAnError()
    {
        RawServer truncating(RawServer::partialAnswer(1000, 300), RawServer::Then::Close);
        QVERIFY(truncating.listen());
        qputenv("ZUNDERWERK_SERVER", truncating.url().toUtf8());
        lineEdit("txtLokalFile")->setText(scratch.filePath("short.zip"));
        click("cmdDownload");
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 1, 15000);
        QCOMPARE(fakes->dialogs.messages[0].text,
                 QStringLiteral("Leider ist bei der Übertragung ein Fehler aufgetreten. Bitte versuchen Sie es erneut!"));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Fehler..."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        idleControls();
    }

    void missingArchiveIsAnError()
    {
        QFile::remove(server.root() + "/downloads/mytools/Zunderwerk.zip");
        lineEdit("txtLokalFile")->setText(scratch.filePath("404.zip"));
        click("cmdDownload");
        QTRY_COMPARE_WITH_TIMEOUT(fakes->dialogs.messages.size(), 1, 15000);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Fehler..."));
    }

    void escapeDuringDownloadAbortsCleanly()
    {
        RawServer stalling(RawServer::partialAnswer(1000, 300), RawServer::Then::Hold);
        QVERIFY(stalling.listen());
        qputenv("ZUNDERWERK_SERVER", stalling.url().toUtf8());
        const QString target = scratch.filePath("esc.zip");
        lineEdit("txtLokalFile")->setText(target);
        click("cmdDownload");
        QTRY_COMPARE_WITH_TIMEOUT(lineEdit("txtStatus")->text(), QStringLiteral("300 Bytes von 1000"), 15000);
        QPointer<UpdateWindow> watched = window.data();
        QApplication::setActiveWindow(window);
        QTest::keyClick(button("cmdAbort"), Qt::Key_Escape);
        QTRY_VERIFY(watched.isNull());
        QTest::qWait(200);   // nothing may arrive for the window any more
        QCOMPARE(QFileInfo(target).size(), 300);
        QCOMPARE(fakes->dialogs.messages.size(), 0);
    }

private:
    using FeedingServer = fetchling::test::FeedingServer;

    // Starts the archive download from `server` with Timer1 shortened to 2.5 s; the timer when
    // the download is under way, else none.
    const QTimer* startAgainst(const FeedingServer& server)
    {
        if (!server.listening()) {
            return nullptr;
        }
        qputenv("ZUNDERWERK_SERVER", QByteArray::fromStdString(server.url("")));
        auto* timer1 = window->findChild<QTimer*>("Timer1");
        timer1->setInterval(2500);
        lineEdit("txtLokalFile")->setText(scratch.filePath("fed.zip"));
        click("cmdDownload");
        return window->downloading() && timer1->isActive() ? timer1 : nullptr;
    }

    void splashGone()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            QVERIFY2(w->objectName() != QStringLiteral("frmSplash"), "the wait window is still loaded");
        }
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void idleControls()
    {
        for (const char* name : {"cmdDownload", "cmdLocalFile", "cmdCheckForUpdate", "cmdUnload"}) {
            QVERIFY2(button(name)->isEnabled(), name);
        }
        QVERIFY(!button("cmdAbort")->isEnabled());
        QVERIFY(!lineEdit("txtLokalFile")->isReadOnly());
    }

};

QTEST_MAIN(UpdateWindowTest)
#include "update_window_test.moc"
