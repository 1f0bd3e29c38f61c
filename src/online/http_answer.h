#pragma once
// Whether a finished request brought an HTTP answer. An error status still brings a page
// (as a browser shows it); a refused, broken or cut connection brings none.

class QNetworkReply;

namespace zw::online {

bool isHttpAnswer(const QNetworkReply* reply);

// Waits for the reply to finish, at most timeoutMs, handling everything but user input
// meanwhile (so windows keep painting). A reply not finished in time is aborted; returns
// false then.
bool waitForReply(QNetworkReply* reply, int timeoutMs);

} // namespace zw::online
