// Cross-check with a real browser: for the same feedback page and the same values, the request
// our form submission sends equals the one headless Chromium sends when its form is filled by
// script and the element Ok is clicked (method, content type, body bytes; a multipart
// boundary is random on both sides and compared by its place only).

#include "capture_server.h"
#include "form_browser.h"
#include "reference_server.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zw::online;

namespace {

const QByteArray kPagePath = "/downloads/mytools/feedback/postit.php";

const std::vector<std::pair<std::string, std::string>> kValues{
    {"input_name", "Jörg & Søn +1=2% ✓"},
    {"input_home", ""},
    {"input_mail", ""},
    {"input_message", "Grüße, \"Zitat\" ✓ €\nzweite Zeile\r\n\r\n[ 10.0.0.5 ]"},
};

// A JavaScript string literal in plain ASCII.
QByteArray jsString(const std::string& utf8)
{
    QByteArray out = "\"";
    for (const QChar ch : QString::fromStdString(utf8)) {
        const ushort u = ch.unicode();
        if (u >= 0x20 && u < 0x7F && u != '"' && u != '\\' && u != '<') {
            out.append(static_cast<char>(u));
        } else {
            out.append(QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0')).toLatin1());
        }
    }
    return out + "\"";
}

QByteArray withFillingScript(QByteArray html)
{
    QByteArray script = "<script>\nconst f = document.forms[0];\n";
    for (const auto& [name, value] : kValues) {
        script += "f.elements[\"" + QByteArray::fromStdString(name) + "\"].value = " + jsString(value) + ";\n";
    }
    script += "f.elements[\"Ok\"].click();\n</script>\n";
    html.replace("</body>", script + "</body>");
    return html;
}

// The boundary of a multipart content type, or empty.
QByteArray boundaryOf(const QByteArray& contentType)
{
    const qsizetype at = contentType.indexOf("boundary=");
    return at < 0 ? QByteArray() : contentType.mid(at + 9);
}

struct Normalised {
    QByteArray contentType;
    QByteArray body;
};

Normalised normalised(const CapturedRequest& r)
{
    Normalised n{r.headers.value("content-type"), r.body};
    const QByteArray boundary = boundaryOf(n.contentType);
    if (!boundary.isEmpty()) {
        n.contentType.replace(boundary, "BOUNDARY");
        n.body.replace(boundary, "BOUNDARY");
    }
    return n;
}

} // namespace

class BrowserCrossCheckTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        QVERIFY2(!chromium.isEmpty(), "Debian's chromium package is needed (scripts/install-deps.sh)");
        // The page as the reference server really gives it out.
        ReferenceServer reference;
        QVERIFY(reference.start());
        FormBrowser loader;
        QSignalSpy loaded(&loader, &FormBrowser::pageLoaded);
        loader.navigate(QUrl(reference.url() + QString::fromLatin1(kPagePath)));
        QVERIFY(loaded.wait(15000));
        referencePage = loader.page()->bytes;
        QVERIFY(referencePage.contains("<form"));
    }

    void sameRequestAsChromium_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QByteArray>("contentType");
        QByteArray multipart = referencePage;
        multipart.replace("<form method=\"post\"", "<form enctype=\"multipart/form-data\" method=\"post\"");
        QByteArray latin = referencePage;
        latin.replace("<meta charset=\"utf-8\">", "<meta charset=\"windows-1252\">");
        QByteArray get = referencePage;
        get.replace("<form method=\"post\"", "<form method=\"get\"");
        QTest::newRow("urlencoded") << referencePage << QByteArray("text/html; charset=utf-8");
        QTest::newRow("multipart") << multipart << QByteArray("text/html; charset=utf-8");
        QTest::newRow("windows-1252") << latin << QByteArray("text/html");
        QTest::newRow("get") << get << QByteArray("text/html; charset=utf-8");
    }

    void sameRequestAsChromium()
    {
        QFETCH(QByteArray, page);
        QFETCH(QByteArray, contentType);
        CaptureServer capture;
        QVERIFY(capture.listen());
        capture.setPage(kPagePath, contentType, page);
        capture.setPage("/chromium" + kPagePath, contentType, withFillingScript(page));

        FormBrowser browser;
        QSignalSpy loaded(&browser, &FormBrowser::pageLoaded);
        browser.navigate(QUrl(QString::fromLatin1(capture.url() + kPagePath)));
        QVERIFY(loaded.wait(15000));
        QCOMPARE(browser.submitFirstForm(kValues, "Ok"), QString());

        QTemporaryDir profile;
        QProcess chrome;
        chrome.setProcessChannelMode(QProcess::MergedChannels);
        chrome.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                "--user-data-dir=" + profile.path(), "--virtual-time-budget=10000", "--dump-dom",
                                QString::fromLatin1(capture.url() + "/chromium" + kPagePath)});
        QVERIFY(chrome.waitForStarted(10000));
        const auto sentBy = [&](const QByteArray& prefix) {
            QList<CapturedRequest> out;
            for (const auto& r : capture.requests()) {
                if (r.method != "GET" || r.path.contains('?')) {
                    if (r.path.startsWith(prefix)) {
                        out.append(r);
                    }
                }
            }
            return out;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!sentBy("/chromium/").isEmpty(), 90000);
        chrome.kill();
        chrome.waitForFinished(10000);

        const auto ours = sentBy("/downloads/");
        const auto theirs = sentBy("/chromium/");
        QCOMPARE(ours.size(), 1);
        QCOMPARE(theirs.size(), 1);
        QCOMPARE(ours[0].method, theirs[0].method);
        QCOMPARE(ours[0].path, QByteArray(theirs[0].path).remove(0, 9));   // "/chromium" before the same path
        const Normalised a = normalised(ours[0]);
        const Normalised b = normalised(theirs[0]);
        qInfo().noquote() << ours[0].method << ours[0].path << a.contentType << "\n" << a.body;
        QCOMPARE(a.contentType, b.contentType);
        QCOMPARE(a.body, b.body);
    }

private:
    QString chromium;
    QByteArray referencePage;
};

QTEST_MAIN(BrowserCrossCheckTest)
#include "browser_crosscheck_test.moc"
