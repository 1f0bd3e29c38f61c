#include "http_request.h"

namespace fetchling {

std::string buildRequest(const UrlParts& url) {
    return "GET " + url.path + " HTTP/1.1\r\n" +
           "Host: " + url.hostLine + "\r\n" +
           "Accept: */*\r\n"
           "Connection: close\r\n"
           "\r\n";
}

}  // namespace fetchling
