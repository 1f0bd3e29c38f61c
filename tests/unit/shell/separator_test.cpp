// The Windows folder always ends in exactly one separator.
#include "shell/separator.h"

#include <gtest/gtest.h>

namespace zw::shell {
namespace {

TEST(WithTrailingSeparator, AddsOneUnlessThereIsOne) {
    struct Case {
        const char* folder;
        char separator;
        const char* expected;
    } cases[] = {
        {"C:\\WINDOWS", '\\', "C:\\WINDOWS\\"}, {"C:\\", '\\', "C:\\"}, {"C:\\WINNT\\", '\\', "C:\\WINNT\\"},
        {"/home/u/.local/share/Zunderwerk/WINDOWS", '/', "/home/u/.local/share/Zunderwerk/WINDOWS/"},
        {"/", '/', "/"},
    };
    for (const Case& c : cases) EXPECT_EQ(withTrailingSeparator(c.folder, c.separator), c.expected) << c.folder;
}

}  // namespace
}  // namespace zw::shell
