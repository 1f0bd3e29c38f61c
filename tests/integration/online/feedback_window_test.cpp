// The feedback window against the real reference page (nginx, PHP-FPM, SQLite); boxes and
// tones go through the recording fakes.

#include "capture_server.h"
#include "feedback_window.h"
#include "raw_server.h"
#include "reference_server.h"

#include "support/fake_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <sqlite3.h>

#include <memory>

using namespace zw;
using namespace zw::online;
using platform::MsgIcon;

namespace {

const QString kError = QStringLiteral(
    "Es ist ein Fehler aufgetreten! Bitte überprüfen Sie ob Sie online sind, und ihre Daten korrekt angegeben wurden!");
const QByteArray kPage = "/downloads/mytools/feedback/postit.php";

// name, mail, home, message of every stored entry, in order.
QList<QList<QByteArray>> storedEntries(const QString& database)
{
    QList<QList<QByteArray>> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT name, mail, home, message FROM entries ORDER BY id", -1, &st, nullptr) == SQLITE_OK) {
            while (sqlite3_step(st) == SQLITE_ROW) {
                QList<QByteArray> row;
                for (int c = 0; c < 4; ++c) {
                    row << QByteArray(static_cast<const char*>(sqlite3_column_blob(st, c)), sqlite3_column_bytes(st, c));
                }
                out << row;
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return out;
}

} // namespace

class FeedbackWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(server.start()); }
    void cleanupTestCase() { server.stop(); }

    void init()
    {
        fakes = std::make_unique<test::FakeServices>();
        qputenv("ZUNDERWERK_SERVER", server.url().toUtf8());
        window = new FeedbackWindow;
        window->setLocalAddressSource([] { return QStringLiteral("10.0.0.5"); });
        window->runLoad();
        window->show();
    }

    void cleanup()
    {
        delete window.data();
        fakes.reset();
        qunsetenv("ZUNDERWERK_SERVER");
    }

    void reloadsEveryFiveSecondsFromLoad()
    {
        auto* timer = window->findChild<QTimer*>("Timer1");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(!window->browser().page());    // the first load comes with the first tick
        QVERIFY(window->onTopBox()->isChecked());
    }

    void sendingBeforeTheFirstLoadIsAnError()
    {
        fill("Anna", "", "", "abc");
        click("cmdSend");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, kError);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Error..."));
        QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        QVERIFY(fakes->tones.tones.empty());
    }

    void commentArrivesWithTheAddress()
    {
        const int before = storedEntries(server.feedbackDatabase()).size();
        loadPage();
        fill("Anna", "", "", "abc");
        click("cmdSend");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, QStringLiteral("Vielen Dank für Ihren Beitrag!"));
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Vielen Dank!"));
        QCOMPARE(fakes->tones.tones, (std::vector<test::Tone>{{1000, 200}}));
        const auto stored = storedEntries(server.feedbackDatabase());
        QCOMPARE(stored.size(), before + 1);
        QCOMPARE(stored.last(), (QList<QByteArray>{"Anna", "", "", "abc\r\n\r\n[ 10.0.0.5 ]"}));
        // The entries stay, the window stays open.
        QCOMPARE(window->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("Anna"));
        QVERIFY(window->isVisible());
    }

    void checksComeFirst_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("no name") << QString() << QStringLiteral("abc") << QStringLiteral("No Name...");
        QTest::newRow("no text") << QStringLiteral("Anna") << QString() << QStringLiteral("No Text...");
        QTest::newRow("pelkor") << QStringLiteral("pelkor") << QStringLiteral("abc") << QStringLiteral("Wrong Name...");
        QTest::newRow("Pelkor") << QStringLiteral("Pelkor") << QStringLiteral("abc") << QStringLiteral("Vielen Dank!");
    }

    void checksComeFirst()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const int before = storedEntries(server.feedbackDatabase()).size();
        loadPage();
        fill(name, "a@b.de", "http://example.org", text);
        click("cmdSend");
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].title, title);
        const bool sent = title == QStringLiteral("Vielen Dank!");
        QCOMPARE(storedEntries(server.feedbackDatabase()).size(), before + (sent ? 1 : 0));
        if (sent) {
            QCOMPARE(storedEntries(server.feedbackDatabase()).last().mid(0, 3),
                     (QList<QByteArray>{"Pelkor", "a@b.de", "http://example.org"}));
        } else {
            QCOMPARE(fakes->dialogs.messages[0].icon, MsgIcon::Information);
        }
    }

    void pageWithoutHomeFieldIsAnError()
    {
        const QByteArray original = server.readFile(QString::fromLatin1(kPage));
        QByteArray changed = original;
        changed.replace("name=\"input_home\"", "name=\"input_homepage\"");
        server.writeFile(QString::fromLatin1(kPage), changed);
        const int before = storedEntries(server.feedbackDatabase()).size();
        loadPage();
        fill("Anna", "", "", "abc");
        click("cmdSend");
        server.writeFile(QString::fromLatin1(kPage), original);
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, kError);
        QCOMPARE(storedEntries(server.feedbackDatabase()).size(), before);
    }

    void reloadWaitsWhileSending()
    {
        // The page's form posts to a server that never answers; meanwhile the reload ticks.
        RawServer silent({}, RawServer::Then::Hold);
        QVERIFY(silent.listen());
        CaptureServer pages;
        QVERIFY(pages.listen());
        const QByteArray page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body><form method=\"post\" action=\""
            + silent.url().toLatin1() + "/post\"><input type=\"hidden\" name=\"source\" value=\"x\">"
            "<input name=\"input_name\"><input name=\"input_mail\"><input name=\"input_home\">"
            "<textarea name=\"input_message\"></textarea><input type=\"submit\" name=\"Ok\" value=\"Absenden\"></form></body></html>";
        pages.setPage(kPage, "text/html; charset=utf-8", page);
        qputenv("ZUNDERWERK_SERVER", pages.url());
        auto* timer = window->findChild<QTimer*>("Timer1");
        timer->setInterval(50);
        QTRY_VERIFY(window->browser().page().has_value());
        window->browser().setTimeout(1000);
        fill("Anna", "", "", "abc");
        // No event is handled between the count and the click: no tick can start a load there.
        QTRY_VERIFY(!window->browser().loading());
        const int loadsBefore = pages.requestsWithMethod("GET").size();
        click("cmdSend");
        QCOMPARE(pages.requestsWithMethod("GET").size(), loadsBefore);   // no reload cut in
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].text, kError);
        QTRY_VERIFY(pages.requestsWithMethod("GET").size() > loadsBefore);   // and reloads go on afterwards
    }

    void privacyNotice()
    {
        QVERIFY(window->onTopBox()->isChecked());
        click("Command2");
        QVERIFY(!window->onTopBox()->isChecked());
        QCOMPARE(fakes->dialogs.messages.size(), 1);
        QCOMPARE(fakes->dialogs.messages[0].title, QStringLiteral("Information"));
        QVERIFY(fakes->dialogs.messages[0].text.startsWith("Es werden neben den von Ihnen hier angegebenen Daten"));
        QVERIFY(fakes->dialogs.messages[0].text.endsWith("[ Hab ich etwa schon wieder übertrieben?!? *g* ]"));
    }

private:
    void click(const char* name) { QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton); }

    void fill(const QString& name, const QString& mail, const QString& home, const QString& text)
    {
        window->findChild<QLineEdit*>("txtName")->setText(name);
        window->findChild<QLineEdit*>("txtDate")->setText(mail);
        window->findChild<QLineEdit*>("txtTime")->setText(home);
        window->findChild<QPlainTextEdit*>("txtText")->setPlainText(text);
    }

    // Lets the reload timer bring the form page in at once.
    void loadPage()
    {
        auto* timer = window->findChild<QTimer*>("Timer1");
        QSignalSpy loaded(&window->browser(), &FormBrowser::pageLoaded);
        timer->setInterval(10);
        QVERIFY(loaded.wait(15000));
        timer->setInterval(FeedbackWindow::kReloadMs);
    }

    ReferenceServer server;
    std::unique_ptr<test::FakeServices> fakes;
    QPointer<FeedbackWindow> window;
};

QTEST_MAIN(FeedbackWindowTest)
#include "feedback_window_test.moc"
