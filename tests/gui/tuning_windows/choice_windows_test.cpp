// The choice windows: the poll disables the button of the value in force; a click clears
// "On Top", writes, and confirms.
#include "window_fixture.h"

#include "tuning/disc_cache.h"
#include "tuning/shutdown_tuning.h"

#include <QLabel>

namespace zw::test {
namespace {

using ChoiceWindow = TuningWindow;

const std::initializer_list<const char*> kSizes = {"Command1", "Command2", "Command3", "Command4", "Command5",
                                                   "Command6", "Command7", "Command8", "Command9"};

TEST_F(ChoiceWindow, DiscCacheDisablesTheButtonOfTheStoredLimit)
{
    const std::string key = discCacheSetting().probe.key;
    window = open("reg_disccache");
    ASSERT_TRUE(window);
    EXPECT_EQ(child("Command6")->text(), "398 MB");
    EXPECT_EQ(child<QLabel>("Label2")->text(), " Ihr Arbeitsspeicher in MegaByte:");
    settle();
    EXPECT_EQ(enabledPattern(kSizes), "111111111") << "absent: all enabled";

    Registry::SetDwordValue(2, key, "IoPageLockLimit", 81920);
    ASSERT_TRUE(waitUntil([&] { return enabledPattern(kSizes) == "111110111"; })) << enabledPattern(kSizes);

    Registry::SetDwordValue(2, key, "IoPageLockLimit", 12345);  // not in the table: unchanged
    settle();
    EXPECT_EQ(enabledPattern(kSizes), "111110111");

    Registry::SetStringValue(2, key, "IoPageLockLimit", "8192");  // a text reads as the number
    ASSERT_TRUE(waitUntil([&] { return enabledPattern(kSizes) == "011111111"; })) << enabledPattern(kSizes);
}

TEST_F(ChoiceWindow, DiscCacheClickClearsOnTopWritesAndConfirms)
{
    window = open("reg_disccache");
    setOnTop();
    ASSERT_TRUE(window->isTopmost());
    child("Command9")->click();

    EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(window->isTopmost());
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, kSuccess);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(Registry::GetValueText(2, discCacheSetting().probe.key, "IoPageLockLimit"), "262144");
    ASSERT_TRUE(waitUntil([&] { return enabledPattern(kSizes) == "111111110"; })) << enabledPattern(kSizes);
}

TEST_F(ChoiceWindow, DiscCacheTellsAFailedWriteAsSuch)
{
    store().setWriteDenied(platform::kHkeyLocalMachine, true);
    window = open("reg_disccache");
    child("Command1")->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, kFailure);
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Exclamation);
    settle();
    EXPECT_EQ(enabledPattern(kSizes), "111111111") << "the poll shows what really happened";
}

TEST_F(ChoiceWindow, ShutdownTuningPollsItsTwoSettingsIndependently)
{
    window = open("reg_shutdownTuning");
    EXPECT_EQ(child("Command3")->text(), "Fastest [0 Sek.]");
    child("Command3")->click();
    EXPECT_EQ(Registry::GetValueText(2, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeout"), "1");
    ASSERT_TRUE(waitUntil([&] { return enabledPattern({"Command1", "Command2", "Command3"}) == "110"; }));
    EXPECT_EQ(enabledPattern({"Command4", "Command5"}), "11") << "AutoEndTasks absent";

    child("Command4")->click();
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "AutoEndTasks"), "1");
    ASSERT_TRUE(waitUntil([&] { return enabledPattern({"Command4", "Command5"}) == "01"; }));
    EXPECT_EQ(enabledPattern({"Command1", "Command2", "Command3"}), "110") << "the time-out buttons are unaffected";
    EXPECT_EQ(fakes.dialogs.messages.size(), 2);

    // Another program stores the time-out as a number: the text matches all the same.
    Registry::SetDwordValue(2, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeout", 5000);
    ASSERT_TRUE(waitUntil([&] { return enabledPattern({"Command1", "Command2", "Command3"}) == "101"; }));
}

TEST_F(ChoiceWindow, CloseShowsAFreshCatalogue)
{
    window = open("reg_shutdownTuning");
    child("Command6")->click();
    flushDeletes();
    EXPECT_FALSE(window);
    ASSERT_TRUE(navigator.loaded("Regedit"));
    EXPECT_TRUE(navigator.loaded("Regedit")->isVisible());
}

}  // namespace
}  // namespace zw::test
