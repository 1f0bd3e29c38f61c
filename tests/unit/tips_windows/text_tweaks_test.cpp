// SetKeyKey through the direct calls, the notice's line breaks, the start-type check and the
// messenger's command line.
#include "registry_test_store.h"

#include "tips/instruction_pages.h"
#include "tips/text_tweaks.h"

#include <gtest/gtest.h>

namespace zw::test {
namespace {

using TextTweaks = RegistryStoreTest;

TEST_F(TextTweaks, SetKeyKeyCreatesTheWholePathAndStoresTheTextWithoutNul)
{
    SetKeyKey(kLegalNoticeText, "a\r\nb");
    Registry::RegKey key = 0;
    ASSERT_EQ(Registry::OpenKey(2, kLegalNoticeText.key, key), platform::kRegOk);
    platform::RegType type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(store().queryValue(key, "LegalNoticeText", &type, nullptr, &size), platform::kRegOk);
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(size, 4u);
    SetKeyKey(kLegalNoticeText, "");
    EXPECT_EQ(store().queryValue(key, "LegalNoticeText", &type, nullptr, &size), platform::kRegOk);
    EXPECT_EQ(size, 0u);
    Registry::CloseKey(key);
}

TEST_F(TextTweaks, SetKeyKeyWritesNothingWhereTheKeyCannotBeCreated)
{
    if (!setWriteDenied(platform::kHkeyCurrentUser, true)) GTEST_SKIP() << "no restricted user on the " << testStoreName() << " store";
    SetKeyKey(kBrowserWindowTitle, "x");
    setWriteDenied(platform::kHkeyCurrentUser, false);
    EXPECT_EQ(Registry::GetValueText(1, kBrowserWindowTitle.key, kBrowserWindowTitle.value), "");
}

TEST(LineBreaks, BecomeCarriageReturnLineFeedOnce)
{
    EXPECT_EQ(withWindowsLineBreaks("a\nb"), "a\r\nb");
    EXPECT_EQ(withWindowsLineBreaks("a\r\nb"), "a\r\nb");
    EXPECT_EQ(withWindowsLineBreaks("\n\n"), "\r\n\r\n");
    EXPECT_EQ(withWindowsLineBreaks(""), "");
}

TEST(StartType, OnlyTheExactTextsMatch)
{
    EXPECT_EQ(messengerStartType("Automatisch"), 2);
    EXPECT_EQ(messengerStartType("Manuell"), 3);
    EXPECT_EQ(messengerStartType("Deaktiviert"), 4);
    for (const char* wrong : {"manuell", "Manuell ", " Manuell", "", "MANUELL", "3"})
        EXPECT_FALSE(messengerStartType(wrong)) << wrong;
}

TEST(Messenger, CommandLineAppendsTheInfPathToTheFolder)
{
    EXPECT_EQ(messengerUninstallCommand("C:\\WINDOWS\\"),
              "RunDll32 advpack.dll,LaunchINFSection C:\\WINDOWS\\INF\\msmsgs.inf,BLC.Remove");
}

}  // namespace
}  // namespace zw::test
