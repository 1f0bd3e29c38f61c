#include "download_state.h"

#include "platform/utf8_path.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <limits>

namespace fetchling {

bool appendToFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(zw::platform::utf8Path(path), std::ios::binary | std::ios::app);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::error_code prepareLocalFile(const std::string& path) {
    const auto file = zw::platform::utf8Path(path);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return std::make_error_code(std::errc::is_a_directory);
    if (std::filesystem::exists(file, ec) || std::filesystem::is_symlink(file, ec)) {
        std::filesystem::remove(file, ec);
        if (ec) return ec;
    }
    {
        std::ofstream probe(file, std::ios::binary | std::ios::app);
        if (!probe) {
            const int err = errno;
            return std::error_code(err ? err : static_cast<int>(std::errc::io_error), std::generic_category());
        }
    }
    std::filesystem::remove(file, ec);
    return ec;
}

void DownloadState::begin(std::string localFile) {
    parser_ = ResponseParser();
    localFile_ = std::move(localFile);
    finished_ = false;
    headerSeen_ = false;
    failed_ = false;
    bytesLoaded_ = 0;
}

DownloadState::Outcome DownloadState::receive(std::string_view block) {
    if (parser_.passesThrough()) return store(block);
    body_.clear();
    parser_.feed(block, body_);
    if (parser_.failed()) return failure();
    if (!parser_.headerDone()) return {};  // the header is still being gathered
    return store(body_);
}

DownloadState::Outcome DownloadState::close() {
    if (failed_) return {};
    Outcome out;
    body_.clear();
    parser_.finish(body_);
    if (!body_.empty() && parser_.headerDone()) {
        out = store(body_);
        if (out.failed) return out;
    }
    // A chunked body that the connection cut before its last chunk is incomplete: it must not
    // be reported as finished.
    if (parser_.chunked() && !parser_.chunkedComplete()) return failure();
    if (!finished_) {
        finished_ = true;
        out.finished = true;
    }
    return out;
}

DownloadState::Outcome DownloadState::store(std::string_view body) {
    if (!headerSeen_) {
        headerSeen_ = true;
        if (!parser_.isHttp())
            announcedSize_ = 0;  // passed through whole: no length is known
        else if (parser_.contentLength() && !parser_.chunked())
            announcedSize_ = *parser_.contentLength();
    }
    if (!appendToFile(localFile_, body)) return failure();
    bytesLoaded_ += static_cast<std::int64_t>(body.size());
    return {.progress = true};
}

DownloadState::Outcome DownloadState::failure() {
    failed_ = true;
    return {.failed = true};
}

std::int32_t DownloadState::bytesLoaded() const {
    return static_cast<std::int32_t>(std::min<std::int64_t>(bytesLoaded_, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace fetchling
