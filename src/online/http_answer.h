#pragma once
// Whether a finished request brought an HTTP answer. An error status still brings a page
// (as a browser shows it); a refused, broken or cut connection brings none.

class QNetworkReply;

namespace zw::online {

bool isHttpAnswer(const QNetworkReply* reply);

} // namespace zw::online
