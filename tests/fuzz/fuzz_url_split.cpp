// The download URL split: whatever the text, an accepted URL must give a request line and a
// Host line that cannot carry anything but themselves.
#include "fetchling/url_split.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// No blank, control character or DEL: nothing that could end or extend a request line.
bool noBreaks(std::string_view s) {
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= 32 || u == 127) return false;
    }
    return true;
}

bool ascii(std::string_view s) {
    for (const char c : s) {
        if (static_cast<unsigned char>(c) >= 128) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view url(reinterpret_cast<const char*>(data), size);
    const fetchling::UrlSplit split = fetchling::splitUrl(url);
    if (!split.ok) {
        FUZZ_CHECK(split.error.number != 0);
        FUZZ_CHECK(!split.error.description.empty());
        return 0;
    }
    const fetchling::UrlParts& p = split.parts;
    FUZZ_CHECK(!p.host.empty());
    FUZZ_CHECK(p.port != 0);
    FUZZ_CHECK(!p.path.empty() && p.path.front() == '/');
    // Neither line can be broken or extended; the path is sent percent-encoded.
    FUZZ_CHECK(noBreaks(p.path) && ascii(p.path));
    FUZZ_CHECK(noBreaks(p.hostLine));
    FUZZ_CHECK(noBreaks(p.host));
    return 0;
}
