#include "form_browser.h"

#include "ascii_text.h"
#include "form_submission.h"
#include "form_values.h"
#include "http_answer.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace zw::online {

namespace {

QNetworkRequest pageRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,*/*;q=0.8");
    return request;
}

} // namespace

FormBrowser::FormBrowser(QObject* parent) : QObject(parent) {}

void FormBrowser::dropLoad()
{
    if (reply_) {
        QNetworkReply* old = reply_;
        reply_ = nullptr;
        old->disconnect(this);
        old->abort();
        old->deleteLater();
    }
}

void FormBrowser::navigate(const QUrl& url)
{
    dropLoad();
    QNetworkReply* reply = manager_.get(pageRequest(url));
    reply_ = reply;
    QTimer::singleShot(timeoutMs_, reply, [reply] { reply->abort(); });
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (reply_ == reply) {
            reply_ = nullptr;
        }
        QString error;
        if (takeAnswer(reply, &error)) {
            emit pageLoaded(page_->url);
        } else {
            emit loadFailed(error);
        }
        reply->deleteLater();
    });
}

bool FormBrowser::takeAnswer(QNetworkReply* reply, QString* error)
{
    if (!isHttpAnswer(reply)) {
        *error = reply->errorString();
        return false;
    }
    LoadedPage loaded;
    loaded.url = reply->url();
    loaded.bytes = reply->readAll();
    const QByteArray contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    loaded.page = parseHtmlPage(std::string_view(loaded.bytes.constData(), static_cast<size_t>(loaded.bytes.size())),
                                std::string_view(contentType.constData(), static_cast<size_t>(contentType.size())));
    page_ = std::move(loaded);
    return true;
}

QString FormBrowser::submitFirstForm(const std::vector<std::pair<std::string, std::string>>& values,
                                     const std::string& submitter)
{
    if (!page_) {
        return QStringLiteral("no page has loaded yet");
    }
    if (page_->page.forms.empty()) {
        return QStringLiteral("the page has no form");
    }
    HtmlForm form = page_->page.forms.front();
    for (const auto& [name, value] : values) {
        if (!setControlValue(form, name, value)) {
            return QStringLiteral("the form has no field %1").arg(QString::fromStdString(name));
        }
    }
    const SubmitOutcome outcome = submitForm(form, submitter, page_->page.charset);
    if (!outcome.request) {
        return QString::fromStdString(outcome.error);
    }

    // The action is resolved against the page's base address, which a <base> may set.
    QUrl base = page_->url;
    if (page_->page.baseHref) {
        base = base.resolved(QUrl(QString::fromStdString(asciiTrimmed(*page_->page.baseHref))));
    }
    const std::string action = asciiTrimmed(outcome.request->action);
    QUrl target = action.empty() ? page_->url : base.resolved(QUrl(QString::fromStdString(action)));
    if (target.scheme() != QLatin1String("http") && target.scheme() != QLatin1String("https")) {
        return QStringLiteral("the form's action %1 is no web address").arg(target.toString());
    }
    SentForm sent;
    sent.method = QByteArray::fromStdString(outcome.request->method);
    sent.contentType = QByteArray::fromStdString(outcome.request->contentType);
    sent.body = QByteArray::fromStdString(outcome.request->body);
    if (outcome.request->method == "GET") {
        target.setQuery(QString::fromLatin1(sent.body), QUrl::StrictMode);
        sent.body.clear();
    }
    sent.url = target;
    lastSent_ = sent;

    // A load of the form page still under way is superseded by the submission.
    dropLoad();
    submitting_ = true;
    QNetworkReply* reply = send(sent);
    const bool timedOut = !waitForReply(reply, timeoutMs_);
    submitting_ = false;
    QString error;
    if (timedOut) {
        error = QStringLiteral("no answer within %1 ms").arg(timeoutMs_);
    } else if (takeAnswer(reply, &error)) {
        emit pageLoaded(page_->url);
    }
    reply->deleteLater();
    return error;
}

QNetworkReply* FormBrowser::send(const SentForm& form)
{
    QNetworkRequest request = pageRequest(form.url);
    if (form.method == "POST") {
        request.setRawHeader("Content-Type", form.contentType);
        return manager_.post(request, form.body);
    }
    return manager_.get(request);
}

} // namespace zw::online
