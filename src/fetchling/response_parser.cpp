#include "response_parser.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace fetchling {
namespace {

constexpr std::string_view kStatusPrefix = "HTTP/1.";

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// Position just after the first empty line (LF LF or LF CR LF), searching from `from`.
std::size_t findHeaderEnd(std::string_view s, std::size_t from) {
    for (std::size_t i = s.find('\n', from); i != std::string_view::npos; i = s.find('\n', i + 1)) {
        if (i + 1 < s.size() && s[i + 1] == '\n') return i + 2;
        if (i + 2 < s.size() && s[i + 1] == '\r' && s[i + 2] == '\n') return i + 3;
    }
    return std::string_view::npos;
}

// Leading decimal digits after blanks, clamped to the 32-bit range; nothing without a digit.
std::optional<std::int32_t> parseLength(std::string_view value) {
    value = trim(value);
    std::int64_t n = 0;
    std::size_t digits = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') break;
        n = std::min<std::int64_t>(n * 10 + (c - '0'), std::numeric_limits<std::int32_t>::max());
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return static_cast<std::int32_t>(n);
}

// The last transfer coding of a comma-separated list is "chunked".
bool endsWithChunked(std::string_view value) {
    const auto comma = value.rfind(',');
    std::string_view last = trim(comma == std::string_view::npos ? value : value.substr(comma + 1));
    last = last.substr(0, last.find(';'));
    return equalsNoCase(trim(last), "chunked");
}

}  // namespace

bool ResponseParser::headerDone() const {
    return state_ != State::StatusPending && state_ != State::Header && state_ != State::Failed;
}

void ResponseParser::fail(Failure why) {
    state_ = State::Failed;
    failure_ = why;
    buffer_.clear();
    buffer_.shrink_to_fit();
}

void ResponseParser::feed(std::string_view input, std::string& body) {
    while (!input.empty()) {
        std::size_t used = input.size();
        switch (state_) {
            case State::StatusPending: used = feedStatus(input, body); break;
            case State::Header: used = feedHeader(input); break;
            case State::Identity:
            case State::Raw: body.append(input); break;
            case State::ChunkSize: used = feedChunkSize(input); break;
            case State::ChunkData: used = feedChunkData(input, body); break;
            case State::ChunkDataEnd: used = feedChunkDataEnd(input); break;
            case State::Trailer: used = feedTrailer(input); break;
            case State::Done:
            case State::Failed: break;  // nothing after the end, nothing after a failure
        }
        input.remove_prefix(used);
    }
}

void ResponseParser::finish(std::string& body) {
    if (state_ == State::StatusPending && !buffer_.empty()) {
        body += buffer_;
        buffer_.clear();
        state_ = State::Raw;
    }
}

std::size_t ResponseParser::feedStatus(std::string_view input, std::string& body) {
    const std::size_t take = std::min(input.size(), kStatusPrefix.size() - buffer_.size());
    buffer_.append(input.substr(0, take));
    if (!kStatusPrefix.starts_with(buffer_)) {
        state_ = State::Raw;
        body += buffer_;
        buffer_.clear();
    } else if (buffer_.size() == kStatusPrefix.size()) {
        state_ = State::Header;
    }
    return take;
}

std::size_t ResponseParser::feedHeader(std::string_view input) {
    const std::size_t before = buffer_.size();
    const std::size_t take = std::min(input.size(), kMaxHeaderBytes - before);
    buffer_.append(input.substr(0, take));
    const std::size_t end = findHeaderEnd(buffer_, before >= 2 ? before - 2 : 0);
    if (end == std::string::npos) {
        if (buffer_.size() >= kMaxHeaderBytes) fail(Failure::HeaderTooLarge);
        return take;
    }
    const std::size_t used = take - (buffer_.size() - end);
    buffer_.resize(end);
    const std::string header = std::move(buffer_);
    buffer_.clear();
    parseHeader(header);
    return used;
}

void ResponseParser::parseHeader(std::string_view header) {
    isHttp_ = true;
    statusCode_ = 0;
    contentLength_.reset();
    chunked_ = false;

    std::size_t lineEnd = header.find('\n');
    const std::string_view statusLine = trim(header.substr(0, lineEnd));
    if (const auto space = statusLine.find(' '); space != std::string_view::npos) {
        const std::string_view code = statusLine.substr(space + 1, 3);
        if (code.size() == 3 && std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }))
            statusCode_ = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
    }
    while (lineEnd != std::string_view::npos) {
        const std::size_t start = lineEnd + 1;
        lineEnd = header.find('\n', start);
        const std::string_view line = header.substr(start, lineEnd == std::string_view::npos ? lineEnd : lineEnd - start);
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || line.empty() || line.front() == ' ' || line.front() == '\t') continue;
        const std::string_view name = trim(line.substr(0, colon));
        const std::string_view value = line.substr(colon + 1);
        if (equalsNoCase(name, "Content-Length")) {
            if (!contentLength_) contentLength_ = parseLength(value);
        } else if (equalsNoCase(name, "Transfer-Encoding")) {
            chunked_ = endsWithChunked(value);
        }
    }
    // An interim response (100 Continue, 103 Early Hints) is followed by the real one.
    if (statusCode_ >= 100 && statusCode_ < 200 && statusCode_ != 101) {
        state_ = State::StatusPending;
        return;
    }
    state_ = chunked_ ? State::ChunkSize : State::Identity;
}

std::size_t ResponseParser::gatherLine(std::string_view input, std::size_t cap, Failure overflow, bool& complete) {
    const auto lf = input.find('\n');
    const std::size_t take = lf == std::string_view::npos ? input.size() : lf + 1;
    complete = false;
    if (buffer_.size() + take > cap) {
        fail(overflow);
        return input.size();
    }
    buffer_.append(input.substr(0, take));
    complete = lf != std::string_view::npos;
    return take;
}

std::size_t ResponseParser::feedChunkSize(std::string_view input) {
    bool complete = false;
    const std::size_t take = gatherLine(input, kMaxChunkLine, Failure::BadChunk, complete);
    if (!complete) return take;

    std::string_view line = trim(std::string_view(buffer_).substr(0, buffer_.size() - 1));
    line = trim(line.substr(0, line.find(';')));  // chunk extensions are not used
    std::uint64_t size = 0;
    bool ok = !line.empty();
    for (const char c : line) {
        const int d = (c >= '0' && c <= '9') ? c - '0'
                      : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                      : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                               : -1;
        if (d < 0 || size > (std::numeric_limits<std::uint64_t>::max() >> 8)) {
            ok = false;
            break;
        }
        size = size * 16 + static_cast<std::uint64_t>(d);
    }
    buffer_.clear();
    if (!ok) {
        fail(Failure::BadChunk);
        return input.size();
    }
    chunkRemaining_ = size;
    state_ = size == 0 ? State::Trailer : State::ChunkData;
    return take;
}

std::size_t ResponseParser::feedChunkData(std::string_view input, std::string& body) {
    const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(input.size(), chunkRemaining_));
    body.append(input.substr(0, take));
    chunkRemaining_ -= take;
    if (chunkRemaining_ == 0) state_ = State::ChunkDataEnd;
    return take;
}

std::size_t ResponseParser::feedChunkDataEnd(std::string_view input) {
    // The data of a chunk is followed by CR LF (a bare LF is accepted).
    const char c = input.front();
    if (!chunkCr_ && c == '\r') {
        chunkCr_ = true;
        return 1;
    }
    if (c != '\n') {
        fail(Failure::BadChunk);
        return input.size();
    }
    chunkCr_ = false;
    state_ = State::ChunkSize;
    return 1;
}

std::size_t ResponseParser::feedTrailer(std::string_view input) {
    // Trailer fields are not used; the trailer ends with an empty line.
    bool complete = false;
    const std::size_t take = gatherLine(input, kMaxHeaderBytes, Failure::HeaderTooLarge, complete);
    if (!complete) return take;
    const bool empty = trim(std::string_view(buffer_).substr(0, buffer_.size() - 1)).empty();
    buffer_.clear();
    if (empty) state_ = State::Done;
    return take;
}

}  // namespace fetchling
