// The download's response handling fed the same bytes twice: whole, and in blocks split where
// the input's first bytes say. Both must give the same body and the same verdict, and the
// parser must never hold more than its limits allow.
#include "fetchling/response_parser.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

struct Outcome {
    std::string body;
    bool failed = false;
    bool headerDone = false;
    bool isHttp = false;
    int status = 0;
    bool hasLength = false;
    std::int32_t length = 0;
    bool chunked = false;
    bool chunkedComplete = false;
};

Outcome run(std::string_view bytes, std::uint32_t splitSeed) {
    fetchling::ResponseParser parser;
    Outcome out;
    std::uint32_t x = splitSeed | 1u;
    while (!bytes.empty()) {
        std::size_t n = bytes.size();
        if (splitSeed != 0) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            n = 1 + x % 23;
            if (n > bytes.size()) n = bytes.size();
        }
        parser.feed(bytes.substr(0, n), out.body);
        bytes.remove_prefix(n);
    }
    parser.finish(out.body);
    out.failed = parser.failed();
    out.headerDone = parser.headerDone();
    out.isHttp = parser.isHttp();
    out.status = parser.statusCode();
    out.hasLength = parser.contentLength().has_value();
    out.length = parser.contentLength().value_or(0);
    out.chunked = parser.chunked();
    out.chunkedComplete = parser.chunkedComplete();
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const std::uint32_t seed = data[0] | (data[1] << 8) | (data[2] << 16) | (std::uint32_t(data[3]) << 24);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 4, size - 4);

    const Outcome whole = run(bytes, 0);
    const Outcome split = run(bytes, seed == 0 ? 1 : seed);

    FUZZ_CHECK(whole.body == split.body);
    FUZZ_CHECK(whole.failed == split.failed);
    FUZZ_CHECK(whole.headerDone == split.headerDone);
    FUZZ_CHECK(whole.isHttp == split.isHttp);
    FUZZ_CHECK(whole.status == split.status);
    FUZZ_CHECK(whole.hasLength == split.hasLength && whole.length == split.length);
    FUZZ_CHECK(whole.chunked == split.chunked);
    FUZZ_CHECK(whole.chunkedComplete == split.chunkedComplete);
    // The body is never larger than what came in, and a length is never negative.
    FUZZ_CHECK(whole.body.size() <= bytes.size());
    FUZZ_CHECK(!whole.hasLength || whole.length >= 0);
    return 0;
}
