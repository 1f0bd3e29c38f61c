#include "contact_links.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace zw::shell {
namespace {

TEST(MailtoLink, SubjectIsAppendedOnlyWhenGiven)
{
    EXPECT_EQ(MailtoLink("kontakt@zunderwerk.de", "Zunderwerk"), "mailto:kontakt@zunderwerk.de?subject=Zunderwerk");
    EXPECT_EQ(MailtoLink("kontakt@zunderwerk.de", ""), "mailto:kontakt@zunderwerk.de");
}

TEST(MailtoLink, CharactersThatWouldBreakOrExtendTheLinkAreEncoded)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"Hallo Welt", "mailto:a@b.de?subject=Hallo%20Welt"},
        {"x&cc=evil@x.de", "mailto:a@b.de?subject=x%26cc=evil@x.de"},
        {"a#b?c%d", "mailto:a@b.de?subject=a%23b%3Fc%25d"},
        {"Grüße", "mailto:a@b.de?subject=Gr%C3%BC%C3%9Fe"},
        {"line\r\nBcc: x", "mailto:a@b.de?subject=line%0D%0ABcc:%20x"},
        {"v2.0-(beta)", "mailto:a@b.de?subject=v2.0-(beta)"},
    };
    for (const auto& [subject, link] : cases)
        EXPECT_EQ(MailtoLink("a@b.de", subject), link) << subject;
}

TEST(WebsiteAddress, BareHostsGetASchemeOthersStandAsTheyAre)
{
    const std::vector<std::pair<const char*, const char*>> cases{
        {"http://www.zunderwerk.de/", "http://www.zunderwerk.de/"},
        {"https://zunderwerk.de/a?b=c", "https://zunderwerk.de/a?b=c"},
        {"www.zunderwerk.de", "http://www.zunderwerk.de"},
        {"  www.zunderwerk.de  ", "http://www.zunderwerk.de"},
        {"localhost:8080/info", "http://localhost:8080/info"},
        {"ftp://files.example.org", "ftp://files.example.org"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [address, expected] : cases)
        EXPECT_EQ(WebsiteAddress(address), expected) << '"' << address << '"';
}

}  // namespace
}  // namespace zw::shell
