#include "fetchling/response_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fetchling {
namespace {

struct Parsed {
    std::string body;
    ResponseParser parser;
};

Parsed parseBlocks(const std::vector<std::string>& blocks, bool close = true) {
    Parsed p;
    for (const auto& b : blocks) p.parser.feed(b, p.body);
    if (close) p.parser.finish(p.body);
    return p;
}

struct ResponseCase {
    const char* name;
    std::string response;
    std::string body;
    int status;
    int contentLength;  // -1: none
    bool http;
};

// Every case is fed whole, split in two at every position, and byte by byte: the result
// never depends on how the bytes arrive.
class ResponseTable : public testing::TestWithParam<ResponseCase> {};

TEST_P(ResponseTable, SameResultForEverySplit) {
    const ResponseCase& c = GetParam();
    auto check = [&](const Parsed& p, const std::string& how) {
        EXPECT_EQ(p.body, c.body) << how;
        EXPECT_EQ(p.parser.statusCode(), c.status) << how;
        EXPECT_EQ(p.parser.contentLength().value_or(-1), c.contentLength) << how;
        EXPECT_EQ(p.parser.isHttp(), c.http) << how;
        EXPECT_TRUE(p.parser.headerDone()) << how;
        EXPECT_FALSE(p.parser.failed()) << how;
    };
    check(parseBlocks({c.response}), "whole");
    for (std::size_t i = 1; i < c.response.size(); ++i)
        check(parseBlocks({c.response.substr(0, i), c.response.substr(i)}), "split at " + std::to_string(i));
    std::vector<std::string> bytes;
    for (const char ch : c.response) bytes.emplace_back(1, ch);
    check(parseBlocks(bytes), "byte by byte");
}

INSTANTIATE_TEST_SUITE_P(
    Responses, ResponseTable,
    testing::Values(
        ResponseCase{"Length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", "hello", 200, 5, true},
        ResponseCase{"LowerCaseField", "HTTP/1.1 200 OK\r\ncontent-length:   7\r\n\r\nabcdefg", "abcdefg", 200, 7, true},
        ResponseCase{"MixedCaseField", "HTTP/1.1 200 OK\r\nCONTENT-length: 3\r\n\r\nxyz", "xyz", 200, 3, true},
        ResponseCase{"Http10", "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok", "ok", 200, 2, true},
        ResponseCase{"NoLength", "HTTP/1.1 404 Not Found\r\nServer: x\r\n\r\n<html>", "<html>", 404, -1, true},
        ResponseCase{"FirstLengthCounts", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\nContent-Length: 9\r\n\r\nabcd", "abcd", 200, 4, true},
        ResponseCase{"HugeLengthClamped", "HTTP/1.1 200 OK\r\nContent-Length: 99999999999\r\n\r\n", "", 200, 2147483647, true},
        ResponseCase{"LengthJustBeyond31Bits", "HTTP/1.1 200 OK\r\nContent-Length: 2147483648\r\n\r\n", "", 200, 2147483647, true},
        ResponseCase{"NegativeLengthIgnored", "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nabc", "abc", 200, -1, true},
        ResponseCase{"LengthWithoutDigits", "HTTP/1.1 200 OK\r\nContent-Length: abc\r\n\r\nq", "q", 200, -1, true},
        ResponseCase{"BareLineFeeds", "HTTP/1.1 200 OK\nContent-Length: 1\n\nz", "z", 200, 1, true},
        ResponseCase{"BodyLooksLikeHeader", "HTTP/1.1 200 OK\r\n\r\nHTTP/1.1 200 OK\r\n\r\n", "HTTP/1.1 200 OK\r\n\r\n", 200, -1, true},
        ResponseCase{"InterimThenFinal", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 1\r\n\r\nb", "b", 200, 1, true},
        ResponseCase{"Chunked",
                     "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n1A;ext=1\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nX-Trailer: t\r\n\r\n",
                     "helloabcdefghijklmnopqrstuvwxyz", 200, -1, true},
        ResponseCase{"ChunkedLowerCaseAndLength",
                     "HTTP/1.1 200 OK\r\ntransfer-encoding: gzip, Chunked\r\nContent-Length: 99\r\n\r\n3\r\n\x01\x02\x03\r\n0\r\n\r\n",
                     "\x01\x02\x03", 200, 99, true},
        ResponseCase{"NotHttp", "<html>plain</html>", "<html>plain</html>", 0, -1, false},
        ResponseCase{"LowerCaseStatus", "http/1.1 200 OK\r\n\r\nx", "http/1.1 200 OK\r\n\r\nx", 0, -1, false},
        ResponseCase{"ShortNotHttp", "HTT", "HTT", 0, -1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResponseParser, HeaderIsGatheredOverBlocksBeforeAnyBody) {
    std::string body;
    ResponseParser p;
    p.feed("HTTP/1.1 200 OK\r\nContent-Le", body);
    EXPECT_FALSE(p.headerDone());
    p.feed("ngth: 1000\r\n", body);
    EXPECT_FALSE(p.headerDone());
    p.feed("\r\n", body);
    EXPECT_TRUE(p.headerDone());
    EXPECT_EQ(body, "");
    EXPECT_EQ(p.contentLength(), 1000);
}

TEST(ResponseParser, HeaderBeyondTheCapFails) {
    std::string body;
    ResponseParser p;
    p.feed("HTTP/1.1 200 OK\r\n", body);
    const std::string filler = "X-Filler: " + std::string(1000, 'a') + "\r\n";
    while (!p.failed() && body.empty()) p.feed(filler, body);
    EXPECT_TRUE(p.failed());
    EXPECT_EQ(p.failure(), ResponseParser::Failure::HeaderTooLarge);
    EXPECT_EQ(body, "");
    p.feed("\r\nbody", body);  // nothing after the failure
    EXPECT_EQ(body, "");
}

TEST(ResponseParser, HeaderJustBelowTheCapIsAccepted) {
    std::string header = "HTTP/1.1 200 OK\r\nX: ";
    header += std::string(ResponseParser::kMaxHeaderBytes - header.size() - 4, 'a');
    header += "\r\n\r\n";
    ASSERT_EQ(header.size(), ResponseParser::kMaxHeaderBytes);
    const Parsed p = parseBlocks({header + "body"});
    EXPECT_FALSE(p.parser.failed());
    EXPECT_EQ(p.body, "body");
}

struct BadChunk {
    const char* name;
    std::string response;
};

class BadChunkTable : public testing::TestWithParam<BadChunk> {};

TEST_P(BadChunkTable, Fails) {
    const Parsed p = parseBlocks({GetParam().response});
    EXPECT_TRUE(p.parser.failed());
    EXPECT_EQ(p.parser.failure(), ResponseParser::Failure::BadChunk);
}

const std::string kChunkedHeader = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Chunks, BadChunkTable,
    testing::Values(BadChunk{"NotHex", kChunkedHeader + "zz\r\n"},
                    BadChunk{"EmptySize", kChunkedHeader + "\r\n"},
                    BadChunk{"Overflow", kChunkedHeader + "1000000000000000000\r\n"},
                    BadChunk{"MissingLineEnd", kChunkedHeader + "2\r\nabX\r\n"},
                    BadChunk{"EndlessSizeLine", kChunkedHeader + std::string(5000, '1')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResponseParser, ChunkedCompleteOnlyAfterLastChunk) {
    std::string body;
    ResponseParser p;
    p.feed(kChunkedHeader + "3\r\nabc\r\n", body);
    EXPECT_FALSE(p.chunkedComplete());
    p.feed("0\r\n\r\ntrailing garbage", body);
    EXPECT_TRUE(p.chunkedComplete());
    EXPECT_EQ(body, "abc");
}

}  // namespace
}  // namespace fetchling
