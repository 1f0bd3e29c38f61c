#include "http_answer.h"

#include <QNetworkReply>
#include <QNetworkRequest>

namespace zw::online {

bool isHttpAnswer(const QNetworkReply* reply)
{
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
        return false;
    }
    const int error = reply->error();
    return error == QNetworkReply::NoError
        || (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
        || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

} // namespace zw::online
