#pragma once
// A socket server for the download's bad days, on 127.0.0.1: it accepts, reads the request,
// sends a fixed answer (maybe only a part of what it announces) and then either keeps the
// connection open without another byte, or closes it.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

class RawServer : public QObject {
public:
    enum class Then { Hold, Close };

    RawServer(QByteArray answer, Then then) : answer_(std::move(answer)), then_(then)
    {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                held_.append(s);
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    if (!answered_.contains(s)) {
                        answered_.append(s);
                        s->write(answer_);
                        if (then_ == Then::Close) {
                            s->disconnectFromHost();
                        }
                    }
                });
            }
        });
    }
    bool listen() { return server_.listen(QHostAddress::LocalHost, 0); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    int connections() const { return static_cast<int>(held_.size()); }

    // An HTTP/1.1 header announcing `size` bytes, followed by `sent` bytes of the body.
    static QByteArray partialAnswer(int size, int sent)
    {
        return "HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\nContent-Length: " + QByteArray::number(size)
            + "\r\nConnection: close\r\n\r\n" + QByteArray(sent, 'z');
    }

private:
    QTcpServer server_;
    QByteArray answer_;
    Then then_;
    QList<QPointer<QTcpSocket>> held_;
    QList<QTcpSocket*> answered_;
};
