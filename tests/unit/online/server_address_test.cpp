#include "server_address.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace zw::online;

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
    ::unsetenv(kServerEnvironment);
    const std::string built = productServer();
    EXPECT_FALSE(built.empty());
    ::setenv(kServerEnvironment, "http://10.1.2.3:9000", 1);
    EXPECT_EQ(productServer(), "http://10.1.2.3:9000");
    ::setenv(kServerEnvironment, "", 1);
    EXPECT_EQ(productServer(), built);
    ::unsetenv(kServerEnvironment);
}
