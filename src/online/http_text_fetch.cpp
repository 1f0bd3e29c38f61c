#include "http_text_fetch.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace zw::online {

HttpTextFetch::HttpTextFetch(int timeoutMs) : timeoutMs_(timeoutMs) {}

FetchResult HttpTextFetch::get(const QUrl& url)
{
    FetchResult result;
    if (!url.isValid() || url.host().isEmpty()) {
        result.error = QStringLiteral("invalid address: %1").arg(url.toString());
        return result;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = manager_.get(request);

    // The time-out covers the whole look-up, also a server that accepts and never answers.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs_);
    if (!reply->isFinished()) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    deadline.stop();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    // HTTP error statuses still bring a page; a broken or cut connection brings none.
    const int error = reply->error();
    const bool answered = error == QNetworkReply::NoError
        || (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
    if (!timedOut && status.isValid() && answered) {
        result.ok = true;
        result.bytes = reply->readAll();
    } else {
        result.error = timedOut ? QStringLiteral("no answer within %1 ms").arg(timeoutMs_) : reply->errorString();
    }
    reply->deleteLater();
    return result;
}

} // namespace zw::online
