// Reads an HTTP/1.x response fed as blocks split anywhere, and hands out the body bytes as
// they belong in the file: the header is gathered until its empty line (at most
// kMaxHeaderBytes) and removed, a chunked body is decoded, anything else passes unchanged.
// A response that does not begin with "HTTP/1." is passed through whole. Plain C++.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fetchling {

class ResponseParser {
public:
    static constexpr std::size_t kMaxHeaderBytes = 64 * 1024;  // status line to empty line
    static constexpr std::size_t kMaxChunkLine = 4096;         // one chunk-size line

    enum class Failure { None, HeaderTooLarge, BadChunk };

    // Takes the next bytes of the response; body bytes are appended to `body`.
    void feed(std::string_view input, std::string& body);
    // The connection has ended: bytes held back while it was unclear whether a status line
    // begins are body bytes after all.
    void finish(std::string& body);

    // The header has been recognised and removed, or the response is passed through whole.
    bool headerDone() const;
    // A status line was recognised (false for a response passed through whole).
    bool isHttp() const { return isHttp_; }
    int statusCode() const { return statusCode_; }
    // The first Content-Length field of the final header, clamped to the 32-bit range.
    std::optional<std::int32_t> contentLength() const { return contentLength_; }
    bool chunked() const { return chunked_; }
    // The last chunk and the trailer have arrived (chunked bodies only).
    bool chunkedComplete() const { return state_ == State::Done; }
    bool failed() const { return state_ == State::Failed; }
    // From here on every byte is a body byte as it stands (feed would only copy it).
    bool passesThrough() const { return state_ == State::Identity || state_ == State::Raw; }
    Failure failure() const { return failure_; }

private:
    enum class State { StatusPending, Header, Identity, Raw, ChunkSize, ChunkData, ChunkDataEnd, Trailer, Done, Failed };

    std::size_t feedStatus(std::string_view input, std::string& body);
    std::size_t feedHeader(std::string_view input);
    std::size_t feedChunkSize(std::string_view input);
    std::size_t feedChunkData(std::string_view input, std::string& body);
    std::size_t feedChunkDataEnd(std::string_view input);
    std::size_t feedTrailer(std::string_view input);
    // Gathers one line into buffer_ (at most `cap` bytes, else the parser fails with
    // `overflow`); `complete` tells whether its line feed has arrived.
    std::size_t gatherLine(std::string_view input, std::size_t cap, Failure overflow, bool& complete);
    void parseHeader(std::string_view header);
    void fail(Failure why);

    State state_ = State::StatusPending;
    Failure failure_ = Failure::None;
    std::string buffer_;  // status prefix, header or chunk line gathered so far
    bool isHttp_ = false;
    int statusCode_ = 0;
    std::optional<std::int32_t> contentLength_;
    bool chunked_ = false;
    std::uint64_t chunkRemaining_ = 0;
    bool chunkCr_ = false;  // the CR after a chunk's data has been seen
};

}  // namespace fetchling
