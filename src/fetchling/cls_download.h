// The class clsDownload: one HTTP download into a local file, driven by the events of its
// socket on the caller's thread, reporting to the client through __clsDownload.
#pragma once

#include "download_state.h"
#include "fetchling.h"
#include "url_split.h"

#include <atomic>
#include <string_view>
#include <memory>

namespace fetchling {

class frmWinsock;

class clsDownload final : public _clsDownload {
public:
    clsDownload();
    clsDownload(const clsDownload&) = delete;
    clsDownload& operator=(const clsDownload&) = delete;

    HResult QueryInterface(const Guid& iid, void** out) override;
    std::uint32_t AddRef() override;
    std::uint32_t Release() override;

    bool DoDownload(const char* strURL, const char* strLocalFile) override;
    void AbortDownload() override;
    std::int32_t StatusCode() override;
    void Advise(__clsDownload* sink) override;
    bool Failed() override;

private:
    ~clsDownload();

    void createSocket();
    void dropSocket();
    void onConnect();
    void onDataArrival();
    void onClose();
    std::string_view takeBlock();
    // Acts on what a block or the end of the connection led to; false when the download
    // this handler served has been replaced or aborted meanwhile.
    bool report(const DownloadState::Outcome& outcome, unsigned generation);

    std::atomic<std::uint32_t> references_{1};
    frmWinsock* mSockCtrl_ = nullptr;  // host of the socket; none until the first download
    __clsDownload* sink_ = nullptr;
    DownloadState state_;
    UrlParts url_;
    std::unique_ptr<char[]> block_;  // the block being handled, kept from block to block
    std::size_t blockCapacity_ = 0;
    unsigned generation_ = 0;  // changes with every DoDownload and AbortDownload
};

}  // namespace fetchling
