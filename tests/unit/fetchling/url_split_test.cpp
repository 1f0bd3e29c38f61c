#include "fetchling/http_request.h"
#include "fetchling/url_errors.h"
#include "fetchling/url_split.h"

#include <gtest/gtest.h>

namespace fetchling {
namespace {

struct UrlCase {
    const char* url;
    const char* host;
    int port;
    const char* hostLine;
    const char* path;
};

class UrlSplitTable : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlSplitTable, SplitsHostPortAndPath) {
    const UrlCase& c = GetParam();
    const UrlSplit r = splitUrl(c.url);
    ASSERT_TRUE(r.ok) << c.url << ": " << r.error.description;
    EXPECT_EQ(r.parts.host, c.host);
    EXPECT_EQ(r.parts.port, c.port);
    EXPECT_EQ(r.parts.hostLine, c.hostLine);
    EXPECT_EQ(r.parts.path, c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, UrlSplitTable,
    testing::Values(UrlCase{"http://h/dir/file.zip", "h", 80, "h", "/dir/file.zip"},
                    UrlCase{"HTTP://h/dir/file.zip", "h", 80, "h", "/dir/file.zip"},
                    UrlCase{"hTtP://h/dir/file.zip", "h", 80, "h", "/dir/file.zip"},
                    UrlCase{"h/dir/file.zip", "h", 80, "h", "/dir/file.zip"},
                    UrlCase{"http://h", "h", 80, "h", "/"},
                    UrlCase{"www.example.org", "www.example.org", 80, "www.example.org", "/"},
                    UrlCase{"http://h/a?x=1&y=/z", "h", 80, "h", "/a?x=1&y=/z"},
                    UrlCase{"http://h:8080/dir/file.zip", "h", 8080, "h:8080", "/dir/file.zip"},
                    UrlCase{"http://h:80/x", "h", 80, "h", "/x"},
                    UrlCase{"http://h:/x", "h", 80, "h", "/x"},
                    UrlCase{"http://127.0.0.1:65535", "127.0.0.1", 65535, "127.0.0.1:65535", "/"},
                    UrlCase{"http://[::1]:8081/x", "::1", 8081, "[::1]:8081", "/x"},
                    UrlCase{"http://[::1]/x", "::1", 80, "[::1]", "/x"},
                    UrlCase{"http://h/a b/\xC3\xA4.zip", "h", 80, "h", "/a%20b/%C3%A4.zip"},
                    UrlCase{"http://h//double", "h", 80, "h", "//double"}));

struct BadUrl {
    const char* url;
    int number;
};

class UrlRejectTable : public testing::TestWithParam<BadUrl> {};

TEST_P(UrlRejectTable, FailsWithNumberAndText) {
    const UrlSplit r = splitUrl(GetParam().url);
    EXPECT_FALSE(r.ok) << GetParam().url;
    EXPECT_EQ(r.error.number, GetParam().number) << GetParam().url;
    EXPECT_FALSE(r.error.description.empty());
}

INSTANTIATE_TEST_SUITE_P(Urls, UrlRejectTable,
                         testing::Values(BadUrl{"https://h/x", kErrProtocolNotSupported},
                                         BadUrl{"HTTPS://h/x", kErrProtocolNotSupported},
                                         BadUrl{"ftp://h/x", kErrProtocolNotSupported},
                                         BadUrl{"http://h:abc/x", kErrAddressNotAvailable},
                                         BadUrl{"http://h:0/x", kErrAddressNotAvailable},
                                         BadUrl{"http://h:65536/x", kErrAddressNotAvailable},
                                         BadUrl{"http://h:99999999999999999999/x", kErrAddressNotAvailable},
                                         BadUrl{"http:///x", kErrHostNotFound},
                                         BadUrl{"", kErrHostNotFound},
                                         BadUrl{"http://:8080/x", kErrHostNotFound},
                                         BadUrl{"http://a b/x", kErrHostNotFound},
                                         BadUrl{"http://h/x\r\nX-Evil: 1", kErrInvalidArgument},
                                         BadUrl{"http://h/x\ty", kErrInvalidArgument}));

TEST(HttpRequest, IsExactlyFiveLines) {
    const UrlSplit r = splitUrl("http://example.org/dir/file.zip");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(buildRequest(r.parts),
              "GET /dir/file.zip HTTP/1.1\r\nHost: example.org\r\nAccept: */*\r\nConnection: close\r\n\r\n");
}

TEST(HttpRequest, HostLineCarriesAPortOtherThan80) {
    const UrlSplit r = splitUrl("127.0.0.1:8080/a?b");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(buildRequest(r.parts),
              "GET /a?b HTTP/1.1\r\nHost: 127.0.0.1:8080\r\nAccept: */*\r\nConnection: close\r\n\r\n");
}

}  // namespace
}  // namespace fetchling
