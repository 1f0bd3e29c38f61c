#include "contact_links.h"

namespace zw::shell {
namespace {

bool needsEscape(unsigned char c)
{
    return c <= 0x20 || c >= 0x7f || c == '&' || c == '#' || c == '?' || c == '%' || c == '"' || c == '<' ||
           c == '>';
}

std::string percentEncode(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0x0f];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool hasScheme(std::string_view address)
{
    const auto colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = address[i];
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (i > 0 && ((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'));
        if (!ok)
            return false;
    }
    // "host:8080/..." is a host with a port, not a scheme.
    const auto rest = address.substr(colon + 1);
    return !(rest.size() > 0 && rest[0] >= '0' && rest[0] <= '9');
}

}  // namespace

std::string MailtoLink(std::string_view address, std::string_view subject)
{
    std::string link = "mailto:" + percentEncode(trimmed(address));
    if (!subject.empty())
        link += "?subject=" + percentEncode(subject);
    return link;
}

std::string WebsiteAddress(std::string_view address)
{
    const auto text = trimmed(address);
    if (text.empty())
        return {};
    if (hasScheme(text))
        return std::string(text);
    return "http://" + std::string(text);
}

}  // namespace zw::shell
