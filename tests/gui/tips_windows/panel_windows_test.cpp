// The control-panel and display-page windows clicked through: what lands in the registry,
// one success message per click, "On Top" cleared first, and the way back to the catalogue.
#include "tip_window_fixture.h"


namespace zw::test {
namespace {

using PanelWindow = TipWindowTest;

constexpr const char* kDontLoad = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\don't load";
const std::string kNameSpace = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ControlPanel\\NameSpace\\";
const std::string kFolderOptions = kNameSpace + "{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}";
const std::string kTaskbar = kNameSpace + "{0DF44EAA-FF21-4412-828E-260A8728E7F1}";
constexpr const char* kPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";

bool valueExists(HiveCode hive, const std::string& key, const std::string& value)
{
    return rawValue(hive, key, value).has_value();
}

TEST_F(PanelWindow, HideAndShowOnePartTouchOnlyItsValue)
{
    Registry::SetStringValue(2, kDontLoad, "other.cpl", "");
    open("tricks_SystemsteuerungKontrollieren");
    ASSERT_TRUE(window);
    setOnTop();
    child("Command1")->click();  // hide "Anzeige"
    EXPECT_FALSE(onTop());
    EXPECT_TRUE(valueExists(2, kDontLoad, "desk.cpl"));
    EXPECT_EQ(Registry::GetValueText(2, kDontLoad, "desk.cpl"), "");
    child("Command22")->click();  // show "Anzeige"
    EXPECT_FALSE(valueExists(2, kDontLoad, "desk.cpl"));
    EXPECT_TRUE(valueExists(2, kDontLoad, "other.cpl"));

    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    for (const RecordedMessage& m : fakes.dialogs.messages) {
        EXPECT_EQ(m.text, kSuccess);
        EXPECT_EQ(m.icon, platform::MsgIcon::Information);
        EXPECT_EQ(m.title, "Zunderwerk");
    }
}

TEST_F(PanelWindow, NamespaceFolderIsDeletedAndRecreatedWithItsDisplayName)
{
    Registry::SetStringValue(2, kFolderOptions, "", "Ordneroptionen");
    open("tricks_SystemsteuerungKontrollieren");
    child("Command36")->click();  // show "Ordner Optionen" while it is there
    EXPECT_EQ(Registry::GetValueText(2, kFolderOptions, ""), "Folder Options");
    child("Command15")->click();  // hide it
    EXPECT_FALSE(keyExists(2, kFolderOptions));
    child("Command36")->click();
    EXPECT_EQ(Registry::GetValueText(2, kFolderOptions, ""), "Folder Options");
}

TEST_F(PanelWindow, HideAllAndShowAllCoverTheTwoPartsWithoutButtonsWithOneMessageEach)
{
    open("tricks_SystemsteuerungKontrollieren");
    EXPECT_EQ(child("Command21")->text(), "Gesamte Systemsteuerung Verstecken");
    EXPECT_EQ(child("Command42")->text(), "Gesamte Systemsteuerung Anzeigen");
    child("Command42")->click();  // the taskbar key never existed: created
    EXPECT_EQ(Registry::GetValueText(2, kTaskbar, ""), "Taskbar and Start Menu");
    EXPECT_EQ(fakes.dialogs.messages.size(), 1);

    Registry::SetStringValue(2, kTaskbar + "\\Sub", "", "x");  // a key with subkeys is not deleted
    child("Command21")->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[0].text, kSuccess);
    EXPECT_EQ(fakes.dialogs.messages[1].text, kFailure) << "the taskbar key still has a subkey";
    for (const char* file : {"desk.cpl", "telephon.cpl", "irprops.cpl"})
        EXPECT_TRUE(valueExists(2, kDontLoad, file)) << file;
    EXPECT_FALSE(keyExists(2, kFolderOptions));
    EXPECT_TRUE(keyExists(2, kTaskbar));

    child("Command42")->click();
    for (const char* file : {"desk.cpl", "telephon.cpl", "irprops.cpl"})
        EXPECT_FALSE(valueExists(2, kDontLoad, file)) << file;
    EXPECT_EQ(Registry::GetValueText(2, kFolderOptions, ""), "Folder Options");
    closeReturnsToTricks(QStringLiteral("Command43"));
}

TEST_F(PanelWindow, DisplayPagesLockWithOneAndUnlockWithZeroBelowTheLocalMachineOnly)
{
    Registry::SetDwordValue(2, kPolicies, "NoDispScrSavPage", 1);
    open("tricks_anzeigeeigenschaften");
    ASSERT_TRUE(window);
    setOnTop();
    child("Command9")->click();  // lock "Anzeige Komplett"
    EXPECT_FALSE(onTop());
    EXPECT_EQ(Registry::GetValueText(2, kPolicies, "NoDispCPL"), "1");
    EXPECT_EQ(Registry::GetValueText(2, kPolicies, "NoDispScrSavPage"), "1") << "other pages untouched";
    EXPECT_FALSE(valueExists(2, kPolicies, "NoDispAppearancePage"));

    child("Command2")->click();  // unlock a page that never had a value: created with 0
    EXPECT_EQ(Registry::GetValueText(2, kPolicies, "NoDispAppearancePage"), "0");
    child("Command10")->click();
    EXPECT_EQ(Registry::GetValueText(2, kPolicies, "NoDispCPL"), "0") << "unlocking never deletes";
    EXPECT_FALSE(keyExists(1, kPolicies));
    EXPECT_EQ(fakes.dialogs.messages.size(), 3);
    closeReturnsToTricks(QStringLiteral("Command11"));
}

}  // namespace
}  // namespace zw::test
