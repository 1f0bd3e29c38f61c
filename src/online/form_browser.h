#pragma once
// The hidden browser of the feedback window, done by hand: it loads a page, keeps the last
// page that loaded, and submits that page's first form as a browser does when one of the
// form's submit buttons is clicked. The answer is loaded like any page.

#include "html_form.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QNetworkReply;

namespace zw::online {

struct LoadedPage {
    QUrl url;              // the address it came from, after redirects
    QByteArray bytes;
    HtmlPage page;
};

struct SentForm {
    QByteArray method;
    QUrl url;
    QByteArray contentType;
    QByteArray body;
};

class FormBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 15000;

    explicit FormBrowser(QObject* parent = nullptr);

    // Starts loading a page; a load still under way is given up.
    void navigate(const QUrl& url);
    bool loading() const { return !reply_.isNull(); }
    bool submitting() const { return submitting_; }
    const std::optional<LoadedPage>& page() const { return page_; }

    // Fills the first form's controls in the given order, clicks its element `submitter` and
    // waits for the answer (user input held back, painting and timers go on). Empty when the
    // answer arrived; otherwise why not.
    QString submitFirstForm(const std::vector<std::pair<std::string, std::string>>& values, const std::string& submitter);

    // The request of the last submission, as it went out.
    const std::optional<SentForm>& lastSent() const { return lastSent_; }
    void setTimeout(int ms) { timeoutMs_ = ms; }

signals:
    void pageLoaded(const QUrl& url);
    void loadFailed(const QString& error);

private:
    QNetworkReply* send(const SentForm& form);
    void dropLoad();
    bool takeAnswer(QNetworkReply* reply, QString* error);

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    std::optional<LoadedPage> page_;
    std::optional<SentForm> lastSent_;
    bool submitting_ = false;
    int timeoutMs_ = kDefaultTimeoutMs;
};

} // namespace zw::online
