#include "capture_server.h"

#include <QTcpSocket>

CaptureServer::CaptureServer()
{
    connect(&server_, &QTcpServer::newConnection, this, &CaptureServer::onConnection);
}

bool CaptureServer::listen() { return server_.listen(QHostAddress::LocalHost, 0); }

QByteArray CaptureServer::url() const { return "http://127.0.0.1:" + QByteArray::number(server_.serverPort()); }

void CaptureServer::setPage(const QByteArray& path, const QByteArray& contentType, const QByteArray& body)
{
    pages_.insert(path, Page{contentType, body});
}

QList<CapturedRequest> CaptureServer::requestsWithMethod(const QByteArray& method) const
{
    QList<CapturedRequest> out;
    for (const auto& r : requests_) {
        if (r.method == method) {
            out.append(r);
        }
    }
    return out;
}

void CaptureServer::onConnection()
{
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype headerEnd = buffer->indexOf("\r\n\r\n");
            if (headerEnd < 0) {
                return;
            }
            CapturedRequest request;
            const QList<QByteArray> lines = buffer->left(headerEnd).split('\n');
            const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
            request.method = start.value(0);
            request.path = start.value(1);
            for (qsizetype i = 1; i < lines.size(); ++i) {
                const qsizetype colon = lines[i].indexOf(':');
                if (colon > 0) {
                    request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
                }
            }
            const qsizetype length = request.headers.value("content-length", "0").toLongLong();
            if (buffer->size() < headerEnd + 4 + length) {
                return;   // the body is still coming
            }
            request.body = buffer->mid(headerEnd + 4, length);
            buffer->clear();
            requests_.append(request);

            QByteArray path = request.path;
            path = path.left(path.indexOf('?') < 0 ? path.size() : path.indexOf('?'));
            QByteArray status = "200 OK";
            Page page{"text/html; charset=utf-8", "<!DOCTYPE html><html><body><p>Danke</p></body></html>"};
            if (request.method == "GET") {
                if (pages_.contains(path)) {
                    page = pages_.value(path);
                } else {
                    status = "404 Not Found";
                    page.body = "<!DOCTYPE html><html><body><p>Not Found</p></body></html>";
                }
            }
            socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + page.contentType + "\r\nContent-Length: "
                          + QByteArray::number(page.body.size()) + "\r\nConnection: close\r\n\r\n" + page.body);
            socket->disconnectFromHost();
        });
    }
}
