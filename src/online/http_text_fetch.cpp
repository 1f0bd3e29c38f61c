#include "http_text_fetch.h"

#include "http_answer.h"

#include <QNetworkReply>
#include <QNetworkRequest>

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
    const bool timedOut = !waitForReply(reply, timeoutMs_);
    if (!timedOut && isHttpAnswer(reply)) {
        result.ok = true;
        result.bytes = reply->readAll();
    } else {
        result.error = timedOut ? QStringLiteral("no answer within %1 ms").arg(timeoutMs_) : reply->errorString();
    }
    reply->deleteLater();
    return result;
}

} // namespace zw::online
