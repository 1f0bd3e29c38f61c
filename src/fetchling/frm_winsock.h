// The never shown host of a download object's socket: its only content is the TCP socket
// `Winsock1`. Lives as long as the object keeps the socket.
#pragma once

#include <QObject>
#include <QTcpSocket>

namespace fetchling {

class frmWinsock : public QObject {
public:
    frmWinsock();
    ~frmWinsock() override;

    QTcpSocket* Winsock1;
};

}  // namespace fetchling
