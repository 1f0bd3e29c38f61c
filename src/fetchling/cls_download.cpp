#include "cls_download.h"

#include "error_box.h"
#include "frm_winsock.h"
#include "http_request.h"
#include "module_state.h"
#include "url_errors.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace fetchling {
namespace {

constexpr int kErrNotInitialised = 10093;  // WSANOTINITIALISED
constexpr qint64 kSocketReadBuffer = 256 * 1024;

// Depth of socket signal handlers of this thread's download objects. A socket host that is
// dropped while one runs is deleted later by the event loop, never under its own signal.
thread_local int socketHandlerDepth = 0;

struct SocketHandlerScope {
    SocketHandlerScope() { ++socketHandlerDepth; }
    ~SocketHandlerScope() { --socketHandlerDepth; }
    SocketHandlerScope(const SocketHandlerScope&) = delete;
    SocketHandlerScope& operator=(const SocketHandlerScope&) = delete;
};

}  // namespace

clsDownload::clsDownload() { ++moduleState().objects; }

clsDownload::~clsDownload() {
    dropSocket();
    --moduleState().objects;
}

HResult clsDownload::QueryInterface(const Guid& iid, void** out) {
    if (!out) return zw::com::kPointer;
    if (iid == zw::com::IID_IUnknown || iid == IID__clsDownload) {
        *out = static_cast<_clsDownload*>(this);
        AddRef();
        return zw::com::kOk;
    }
    *out = nullptr;
    return zw::com::kNoInterface;
}

std::uint32_t clsDownload::AddRef() { return ++references_; }

std::uint32_t clsDownload::Release() {
    const std::uint32_t left = --references_;
    if (left == 0) delete this;
    return left;
}

void clsDownload::Advise(__clsDownload* sink) { sink_ = sink; }

std::int32_t clsDownload::StatusCode() { return state_.statusCode(); }

bool clsDownload::Failed() { return state_.failed(); }

bool clsDownload::DoDownload(const char* strURL, const char* strLocalFile) {
    if (!QCoreApplication::instance()) {
        showErrorBox(kErrNotInitialised, "Es läuft keine Ereignisschleife, die die Verbindung bedienen könnte.");
        return false;
    }
    const UrlSplit split = splitUrl(strURL ? strURL : "");
    if (!split.ok) {
        showErrorBox(split.error.number, split.error.description);
        return false;
    }
    const std::string localFile = strLocalFile ? strLocalFile : "";
    if (const std::error_code ec = prepareLocalFile(localFile)) {
        showErrorBox(ec.value(), "Die Datei \"" + localFile + "\" kann nicht angelegt werden: " + ec.message());
        return false;
    }

    ++generation_;
    // A socket is reused, except under its own signal: then it gives way to a fresh one.
    if (mSockCtrl_ && socketHandlerDepth > 0) dropSocket();
    if (!mSockCtrl_) createSocket();
    QTcpSocket* socket = mSockCtrl_->Winsock1;
    {
        const QSignalBlocker quiet(socket);  // closing the old connection is no Close of the new one
        socket->abort();
    }
    state_.begin(localFile);
    url_ = split.parts;
    socket->connectToHost(QString::fromStdString(url_.host), url_.port);
    return true;
}

void clsDownload::AbortDownload() {
    ++generation_;
    dropSocket();
}

void clsDownload::createSocket() {
    mSockCtrl_ = new frmWinsock;
    QTcpSocket* socket = mSockCtrl_->Winsock1;
    // Bounded reads keep the socket's buffer at one size, so its memory is reused from block to
    // block instead of being fetched from the system afresh (which costs more than the copying).
    socket->setReadBufferSize(kSocketReadBuffer);
    // A plain TCP connection to the server itself, whatever proxy the client process sets up.
    socket->setProxy(QNetworkProxy::NoProxy);
    QObject::connect(socket, &QTcpSocket::connected, mSockCtrl_, [this] { onConnect(); });
    QObject::connect(socket, &QTcpSocket::readyRead, mSockCtrl_, [this] { onDataArrival(); });
    QObject::connect(socket, &QTcpSocket::disconnected, mSockCtrl_, [this] { onClose(); });
}

void clsDownload::dropSocket() {
    frmWinsock* host = std::exchange(mSockCtrl_, nullptr);
    if (!host) return;
    QObject::disconnect(host->Winsock1, nullptr, host, nullptr);
    host->Winsock1->abort();
    if (socketHandlerDepth > 0)
        host->deleteLater();
    else
        delete host;
}

void clsDownload::onConnect() {
    SocketHandlerScope scope;
    zw::com::Ref<clsDownload> self(this);  // the client may release its last reference in an event
    const std::string request = buildRequest(url_);
    mSockCtrl_->Winsock1->write(request.data(), static_cast<qint64>(request.size()));
    if (sink_) sink_->Start();
}

void clsDownload::onDataArrival() {
    SocketHandlerScope scope;
    zw::com::Ref<clsDownload> self(this);
    const unsigned generation = generation_;
    report(state_.receive(takeBlock()), generation);
}

std::string_view clsDownload::takeBlock() {
    // All waiting data is one block; the buffer is kept from block to block.
    QTcpSocket* socket = mSockCtrl_->Winsock1;
    const auto waiting = static_cast<std::size_t>(std::max<qint64>(socket->bytesAvailable(), 0));
    if (waiting > blockCapacity_) {
        blockCapacity_ = std::max(waiting, 2 * blockCapacity_);
        block_ = std::make_unique_for_overwrite<char[]>(blockCapacity_);
    }
    const qint64 n = socket->read(block_.get(), static_cast<qint64>(waiting));
    return std::string_view(block_.get(), n > 0 ? static_cast<std::size_t>(n) : 0);
}

void clsDownload::onClose() {
    SocketHandlerScope scope;
    zw::com::Ref<clsDownload> self(this);
    const unsigned generation = generation_;
    // Data that arrived together with the close is still a block of this download.
    if (mSockCtrl_->Winsock1->bytesAvailable() > 0 && !report(state_.receive(takeBlock()), generation)) return;
    report(state_.close(), generation);
}

bool clsDownload::report(const DownloadState::Outcome& outcome, unsigned generation) {
    if (outcome.failed) {
        // A response that cannot be stored ends the download without a further event.
        AbortDownload();
        return false;
    }
    if (outcome.progress && sink_) sink_->Progress(state_.bytesLoaded(), state_.announcedSize());
    if (generation != generation_) return false;
    if (outcome.finished && sink_) sink_->Finished();
    return generation == generation_;
}

}  // namespace fetchling
