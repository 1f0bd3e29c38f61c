#include "url_split.h"

#include "url_errors.h"

#include <cctype>

namespace fetchling {
namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

UrlSplit fail(int number, std::string description) {
    UrlSplit r;
    r.error = {number, std::move(description)};
    return r;
}

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Blanks and bytes above 127 are not allowed in a request line; they go as %XX.
std::string encodePath(std::string_view path) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(path.size());
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ' ' || c >= 0x80) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += ch;
        }
    }
    return out;
}

// A scheme other than http written before the first "/" ("https:", "ftp:"), or empty.
std::string_view foreignScheme(std::string_view rest) {
    const auto sep = rest.find("://");
    if (sep == std::string_view::npos || sep == 0 || rest.find('/') < sep) return {};
    for (std::size_t i = 0; i < sep; ++i) {
        const auto c = static_cast<unsigned char>(rest[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
    }
    return rest.substr(0, sep);
}

}  // namespace

UrlSplit splitUrl(std::string_view url) {
    for (const char c : url) {
        if (isControl(static_cast<unsigned char>(c)))
            return fail(kErrInvalidArgument, "Die URL enthält ein Steuerzeichen.");
    }
    std::string rest(url);
    if (lower(rest.substr(0, 7)) == "http://") rest.erase(0, 7);
    if (const auto scheme = foreignScheme(rest); !scheme.empty())
        return fail(kErrProtocolNotSupported, "Das Protokoll \"" + lower(scheme) +
                                                  "\" wird nicht unterstützt; nur http:// ist möglich.");
    if (rest.find('/') == std::string::npos) rest += '/';
    const auto slash = rest.find('/');
    std::string authority = rest.substr(0, slash);

    UrlSplit r;
    r.parts.path = encodePath(std::string_view(rest).substr(slash));

    // The port follows the last colon, unless that colon belongs to a bracketed IPv6 literal.
    std::string host = authority;
    std::string portText;
    const auto colon = authority.rfind(':');
    const auto bracket = authority.rfind(']');
    if (colon != std::string::npos && (bracket == std::string::npos || bracket < colon)) {
        host = authority.substr(0, colon);
        portText = authority.substr(colon + 1);
    }
    if (!portText.empty()) {
        unsigned long port = 0;
        for (const char c : portText) {
            if (!std::isdigit(static_cast<unsigned char>(c)) || port > 65535)
                return fail(kErrAddressNotAvailable, "Ungültige Portangabe in der URL: \"" + portText + "\".");
            port = port * 10 + static_cast<unsigned long>(c - '0');
        }
        if (port == 0 || port > 65535)
            return fail(kErrAddressNotAvailable, "Ungültige Portangabe in der URL: \"" + portText + "\".");
        r.parts.port = static_cast<std::uint16_t>(port);
    }
    std::string hostLine = host;
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    if (host.empty()) return fail(kErrHostNotFound, "Die URL enthält keinen Hostnamen.");
    for (const char c : host) {
        if (c == ' ' || c == '[' || c == ']' || c == '@')
            return fail(kErrHostNotFound, "Ungültiger Hostname in der URL: \"" + host + "\".");
    }
    if (r.parts.port != 80) hostLine += ":" + std::to_string(r.parts.port);
    r.parts.host = std::move(host);
    r.parts.hostLine = std::move(hostLine);
    r.ok = true;
    return r;
}

}  // namespace fetchling
