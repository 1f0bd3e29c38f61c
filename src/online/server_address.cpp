#include "server_address.h"

#include <cstdlib>

#ifndef ZW_SERVER_URL
#define ZW_SERVER_URL "http://127.0.0.1:8737"
#endif
#ifndef ZW_WEB_URL
#define ZW_WEB_URL "http://www.zunderwerk.example"
#endif
#ifndef ZW_WEB_URL_2
#define ZW_WEB_URL_2 "http://download.zunderwerk.example"
#endif

namespace zw::online {

std::string productServer()
{
    const char* env = std::getenv(kServerEnvironment);
    if (env != nullptr && *env != '\0') {
        return env;
    }
    return ZW_SERVER_URL;
}

std::string productWebAddress() { return ZW_WEB_URL; }
std::string productSecondWebAddress() { return ZW_WEB_URL_2; }

std::string serverUrl(std::string_view base, std::string_view path)
{
    std::string url;
    if (base.find("://") == std::string_view::npos) {
        url = "http://";
    }
    url.append(base);
    while (!url.empty() && url.back() == '/') {
        url.pop_back();
    }
    if (path.empty() || path.front() != '/') {
        url.push_back('/');
    }
    url.append(path);
    return url;
}

} // namespace zw::online
