// Splitting a download URL into the host to connect to, the port, the text of the Host line
// and the request path. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fetchling {

struct UrlParts {
    std::string host;      // what the connection goes to (an IPv6 literal without its brackets)
    std::uint16_t port = 80;
    std::string hostLine;  // the Host field's value: the host as written, ":port" only when not 80
    std::string path;      // from the first "/" to the end, query included
};

// A URL that cannot be fetched: the number and description shown in the error box.
struct UrlError {
    int number = 0;
    std::string description;
};

struct UrlSplit {
    bool ok = false;
    UrlParts parts;
    UrlError error;
};

// "http://" (any case) is optional; a port after the host is used; blanks and bytes above 127
// in the path are sent percent-encoded. Fails for another scheme (https included), an empty
// host, a bad port and control characters.
UrlSplit splitUrl(std::string_view url);

}  // namespace fetchling
