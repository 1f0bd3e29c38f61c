#pragma once
// Where the product web server lives, and the web addresses the error messages name.
// Set when building (ZW_SERVER_URL, ZW_WEB_URL, ZW_WEB_URL_2); the environment variable
// ZUNDERWERK_SERVER overrides the server for tests and mirrors.

#include <string>
#include <string_view>

namespace zw::online {

inline constexpr const char* kServerEnvironment = "ZUNDERWERK_SERVER";

// The server's base address: ZUNDERWERK_SERVER when set and not empty, else the build's.
std::string productServer();

// The product's web address (error of the download start) and its second one (error of the
// update check).
std::string productWebAddress();
std::string productSecondWebAddress();

// Joins a server base ("http://host:port", "host", "http://mirror/zunderwerk/") and a path
// beginning with "/". A base without a scheme is taken as http; its port and any path
// prefix are kept.
std::string serverUrl(std::string_view base, std::string_view path);

} // namespace zw::online
