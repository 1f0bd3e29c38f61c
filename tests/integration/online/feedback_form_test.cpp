// The feedback form's browser part against the real reference page (nginx, PHP-FPM, SQLite).

#include "form_browser.h"
#include "reference_server.h"

#include <QSignalSpy>
#include <QtTest>

#include <sqlite3.h>

using namespace zw::online;

namespace {

const QString kPage = QStringLiteral("/downloads/mytools/feedback/postit.php");

struct Entry {
    QString contentType, source, submitter, name, mail, home;
    QByteArray message;
};

QList<Entry> entries(const QString& database)
{
    QList<Entry> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return out;
    }
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT content_type, source, submitter, name, mail, home, message FROM entries ORDER BY id",
                           -1, &st, nullptr) == SQLITE_OK) {
        auto text = [&](int col) { return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, col))); };
        while (sqlite3_step(st) == SQLITE_ROW) {
            Entry e{text(0), text(1), text(2), text(3), text(4), text(5),
                    QByteArray(static_cast<const char*>(sqlite3_column_blob(st, 6)), sqlite3_column_bytes(st, 6))};
            out.append(e);
        }
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

std::vector<std::pair<std::string, std::string>> fields(const std::string& name, const std::string& message)
{
    return {{"input_name", name}, {"input_home", ""}, {"input_mail", ""}, {"input_message", message}};
}

bool load(FormBrowser& browser, const QUrl& url)
{
    QSignalSpy loaded(&browser, &FormBrowser::pageLoaded);
    browser.navigate(url);
    return loaded.wait(15000);
}

} // namespace

class FeedbackFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(server.start()); }
    void cleanupTestCase() { server.stop(); }

    void submissionArrivesWithExactlyTheValues()
    {
        FormBrowser browser;
        QVERIFY(load(browser, QUrl(server.url() + kPage)));
        const QString error = browser.submitFirstForm(
            {{"input_name", "Jörg Müller"}, {"input_home", ""}, {"input_mail", ""}, {"input_message", "abc\r\n\r\n[ 10.0.0.5 ]"}},
            "Ok");
        QCOMPARE(error, QString());
        const auto stored = entries(server.feedbackDatabase());
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].contentType, QStringLiteral("application/x-www-form-urlencoded"));
        QCOMPARE(stored[0].source, QStringLiteral("zunderwerk-2.0"));    // the hidden field went along
        QCOMPARE(stored[0].submitter, QStringLiteral("Absenden"));
        QCOMPARE(stored[0].name, QStringLiteral("Jörg Müller"));
        QCOMPARE(stored[0].mail, QString());
        QCOMPARE(stored[0].home, QString());
        QCOMPARE(stored[0].message, QByteArray("abc\r\n\r\n[ 10.0.0.5 ]"));
        // The thank-you page is now the loaded page.
        QVERIFY(browser.page()->bytes.contains("Vielen Dank"));
        QVERIFY(browser.page()->page.forms.empty());
    }

    void multipartFormArrivesTheSame()
    {
        QByteArray php = server.readFile(kPage);
        php.replace("<form method=\"post\" action=\"postit.php\">",
                    "<form method=\"post\" action=\"postit.php\" enctype=\"multipart/form-data\">");
        server.writeFile("/downloads/mytools/feedback/multi.php", php);
        FormBrowser browser;
        QVERIFY(load(browser, QUrl(server.url() + "/downloads/mytools/feedback/multi.php")));
        QCOMPARE(browser.submitFirstForm(fields("Multi", "x\ny"), "Ok"), QString());
        const auto stored = entries(server.feedbackDatabase());
        QVERIFY(!stored.isEmpty());
        QVERIFY(stored.last().contentType.startsWith("multipart/form-data; boundary=----WebKitFormBoundary"));
        QCOMPARE(stored.last().name, QStringLiteral("Multi"));
        QCOMPARE(stored.last().message, QByteArray("x\r\ny"));
    }

    void refusesWithoutPageOrField()
    {
        const int before = entries(server.feedbackDatabase()).size();
        FormBrowser browser;
        QVERIFY(!browser.submitFirstForm(fields("A", "b"), "Ok").isEmpty());   // nothing loaded yet

        QByteArray php = server.readFile(kPage);
        const QByteArray homeField = "<input type=\"text\" name=\"input_home\"";
        QVERIFY(php.contains(homeField));
        php.replace(homeField, "<input type=\"text\" name=\"input_homepage\"");
        server.writeFile("/downloads/mytools/feedback/nohome.php", php);
        QVERIFY(load(browser, QUrl(server.url() + "/downloads/mytools/feedback/nohome.php")));
        QVERIFY(!browser.submitFirstForm(fields("A", "b"), "Ok").isEmpty());

        // A page that is not there loads as the server's error page, which has no form.
        QVERIFY(load(browser, QUrl(server.url() + "/downloads/mytools/feedback/missing.php")));
        QVERIFY(!browser.submitFirstForm(fields("A", "b"), "Ok").isEmpty());
        QCOMPARE(entries(server.feedbackDatabase()).size(), before);
    }

    void unreachableServerIsAnError()
    {
        ReferenceServer other;
        QVERIFY(other.start());
        FormBrowser browser;
        QVERIFY(load(browser, QUrl(other.url() + kPage)));
        other.stop();
        QVERIFY(!browser.submitFirstForm(fields("A", "b"), "Ok").isEmpty());
        QVERIFY(browser.lastSent().has_value());   // it was sent, and nothing came back
    }

private:
    ReferenceServer server;
};

QTEST_MAIN(FeedbackFormTest)
#include "feedback_form_test.moc"
