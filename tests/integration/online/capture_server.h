#pragma once
// A small HTTP server for tests on 127.0.0.1: it answers GET requests from a table of pages
// and records every request it gets (method, path, headers, body bytes) as it arrived.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QTcpServer>

struct CapturedRequest {
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers;   // names in lower case
    QByteArray body;
};

class CaptureServer : public QObject {
    Q_OBJECT
public:
    CaptureServer();
    bool listen();
    QByteArray url() const;
    void setPage(const QByteArray& path, const QByteArray& contentType, const QByteArray& body);
    const QList<CapturedRequest>& requests() const { return requests_; }
    QList<CapturedRequest> requestsWithMethod(const QByteArray& method) const;

private:
    void onConnection();

    struct Page {
        QByteArray contentType;
        QByteArray body;
    };
    QTcpServer server_;
    QHash<QByteArray, Page> pages_;
    QList<CapturedRequest> requests_;
};
