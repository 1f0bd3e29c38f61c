#pragma once
// Fetches one URL whole, the way the update window's text look-ups need it: the window waits
// for the answer (the user cannot click meanwhile) while everything keeps painting, and a
// server that does not answer is given up after a time-out.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

namespace zw::online {

struct FetchResult {
    bool ok = false;        // an HTTP answer arrived (any status: an error page is an answer)
    QByteArray bytes;       // the whole body
    QString error;          // why not, when !ok
};

class HttpTextFetch {
public:
    static constexpr int kDefaultTimeoutMs = 15000;

    explicit HttpTextFetch(int timeoutMs = kDefaultTimeoutMs);
    FetchResult get(const QUrl& url);
    void setTimeout(int timeoutMs) { timeoutMs_ = timeoutMs; }

private:
    QNetworkAccessManager manager_;
    int timeoutMs_;
};

} // namespace zw::online
