// A TCP server on 127.0.0.1 that plays a scripted response to one request: the test sends
// each block itself and closes when the script says so.
#pragma once

#include "event_loop.h"

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace fetchling::test {

class ScriptedServer {
public:
    ScriptedServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                ++connections_;
                socket_ = s;
                request_.clear();
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { request_ += s->readAll(); });
            }
        });
    }

    quint16 port() const { return server_.serverPort(); }
    std::string url(const std::string& path = "/file.zip") const {
        return "http://127.0.0.1:" + std::to_string(port()) + path;
    }
    int connections() const { return connections_; }
    const QByteArray& request() const { return request_; }

    // Waits for the connection with this number (counted from 1) and its whole request.
    bool waitForRequest(int connection) {
        return waitUntil([this, connection] { return connections_ >= connection && request_.contains("\r\n\r\n"); });
    }
    // Sends one block and lets the client read it before anything else is sent.
    void send(const QByteArray& block) {
        socket_->write(block);
        socket_->flush();
        settle(40);
    }
    void close() {
        socket_->disconnectFromHost();
        settle(40);
    }

private:
    QTcpServer server_;
    QTcpSocket* socket_ = nullptr;
    QByteArray request_;
    int connections_ = 0;
};

}  // namespace fetchling::test
