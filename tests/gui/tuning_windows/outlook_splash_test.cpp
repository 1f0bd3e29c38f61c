// The mail splash window follows the last identity; without one it writes nothing and says so.
#include "window_fixture.h"

#include "tuning/mail_identity.h"

#include <QLabel>

namespace zw::test {
namespace {

using SplashWindow = TuningWindow;

TEST_F(SplashWindow, WithoutAnIdentityNothingIsWrittenAndTheWindowSaysSo)
{
    window = open("reg_OutlookSplash");
    auto* line = child<QLabel>("lblIdentity");
    ASSERT_TRUE(waitUntil([&] { return line->isVisible(); }));
    setOnTop();
    child("Command1")->click();

    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_NE(fakes.dialogs.messages[0].text, kSuccess);
    EXPECT_TRUE(fakes.dialogs.messages[0].text.contains("nichts geändert"));
    platform::RegKey key = 0;
    EXPECT_NE(Registry::OpenKey(1, "Identities", key), platform::kRegOk) << "no key was created";
    EXPECT_EQ(enabledPattern({"Command1", "Command2"}), "11");
}

TEST_F(SplashWindow, PollsAndWritesTheIdentityFoundAtThatMoment)
{
    const std::string id = "{3A1B2C4D-0000-4000-8000-00000000000A}";
    Registry::SetDwordValue(1, identityKeyPath(id), "NoSplash", 1);
    window = open("reg_OutlookSplash");
    ASSERT_TRUE(waitUntil([&] { return enabledPattern({"Command1", "Command2"}) == "01"; }));
    EXPECT_FALSE(child<QLabel>("lblIdentity")->isVisible());

    child("Command2")->click();
    EXPECT_EQ(Registry::GetValueText(1, identityKeyPath(id), "NoSplash"), "0");
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, kSuccess);
    ASSERT_TRUE(waitUntil([&] { return enabledPattern({"Command1", "Command2"}) == "10"; }));

    // The identities go away while the window is open: the buttons stay, the line appears.
    Registry::DeleteKey(1, identityKeyPath(id));
    for (const char* rest : {"\\Software\\Microsoft\\Outlook Express", "\\Software\\Microsoft", "\\Software", ""})
        Registry::DeleteKey(1, "Identities\\" + id + rest);
    ASSERT_TRUE(waitUntil([&] { return child<QLabel>("lblIdentity")->isVisible(); }));
    EXPECT_EQ(enabledPattern({"Command1", "Command2"}), "10");
}

}  // namespace
}  // namespace zw::test
