// A socket server on 127.0.0.1 for the download's bounds. After the request it sends a fixed
// opening and then feeds further bytes by one of two rules, and never closes the connection
// itself: a trickle (the next byte of a pattern every interval) or an endless stream (the
// pattern again and again, as fast as the connection takes it). It notes when the client has
// closed the connection and then stops feeding. Runs on the test's event loop and ends with it.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <string>

namespace fetchling::test {

class FeedingServer : public QObject {
public:
    enum class Feed { Trickle, Endless };

    FeedingServer(QByteArray opening, Feed feed, QByteArray pattern, int intervalMs = 1000)
        : opening_(std::move(opening)), feed_(feed), pattern_(std::move(pattern)) {
        trickle_.setInterval(intervalMs);
        connect(&trickle_, &QTimer::timeout, this, [this] { trickleOne(); });
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) accept(s);
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    bool listening() const { return server_.isListening(); }
    std::string url(const char* path = "/file.zip") const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }
    // The client has closed the connection (the server never does).
    bool clientClosed() const { return closed_; }
    qint64 bytesSent() const { return sent_; }

private:
    static constexpr qint64 kMaxQueued = 256 * 1024;  // bytes waiting in the server's own buffer

    void accept(QTcpSocket* s) {
        socket_ = s;
        connect(s, &QTcpSocket::disconnected, this, [this] { stop(); });
        connect(s, &QTcpSocket::errorOccurred, this, [this] { stop(); });
        connect(s, &QTcpSocket::readyRead, this, [this, s] {
            request_ += s->readAll();
            if (started_ || !request_.contains("\r\n\r\n")) return;
            started_ = true;
            send(opening_);
            if (feed_ == Feed::Trickle) trickle_.start();
            else pour();
        });
        connect(s, &QTcpSocket::bytesWritten, this, [this] {
            if (feed_ == Feed::Endless) pour();
        });
    }
    void send(const QByteArray& bytes) {
        if (closed_ || !socket_) return;
        socket_->write(bytes);
        sent_ += bytes.size();
    }
    void trickleOne() {
        send(pattern_.mid(static_cast<qsizetype>(sent_ - opening_.size()) % pattern_.size(), 1));
    }
    // Tops the server's buffer up to its limit, so memory stays bounded on this side too.
    void pour() {
        while (!closed_ && socket_ && socket_->bytesToWrite() < kMaxQueued) send(pattern_);
    }
    void stop() {
        closed_ = true;
        trickle_.stop();
    }

    QTcpServer server_;
    QPointer<QTcpSocket> socket_;
    QTimer trickle_;
    QByteArray opening_;
    Feed feed_;
    QByteArray pattern_;
    QByteArray request_;
    bool started_ = false;
    bool closed_ = false;
    qint64 sent_ = 0;
};

}  // namespace fetchling::test
