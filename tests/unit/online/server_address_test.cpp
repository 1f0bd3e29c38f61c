#include "server_address.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace zw::online;

namespace {

// Sets the variable, or removes it when value is null.
void setEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value != nullptr ? value : "");
#else
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
#endif
}

} // namespace

TEST(ServerAddress, JoinsBaseAndPath)
{
    struct Case { const char* base; const char* url; };
    const Case cases[] = {
        {"http://127.0.0.1:8737", "http://127.0.0.1:8737/downloads/x.txt"},
        {"http://127.0.0.1:8737/", "http://127.0.0.1:8737/downloads/x.txt"},
        {"example.org", "http://example.org/downloads/x.txt"},
        {"example.org:81", "http://example.org:81/downloads/x.txt"},
        {"http://mirror.example/zw/", "http://mirror.example/zw/downloads/x.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serverUrl(c.base, "/downloads/x.txt"), c.url) << c.base;
    }
}

TEST(ServerAddress, EnvironmentOverridesTheBuildSetting)
{
    setEnvironment(kServerEnvironment, nullptr);
    const std::string built = productServer();
    EXPECT_FALSE(built.empty());
    setEnvironment(kServerEnvironment, "http://10.1.2.3:9000");
    EXPECT_EQ(productServer(), "http://10.1.2.3:9000");
#ifndef _WIN32
    setEnvironment(kServerEnvironment, "");   // set but empty (Windows cannot hold an empty variable)
    EXPECT_EQ(productServer(), built);
#endif
    setEnvironment(kServerEnvironment, nullptr);
}
