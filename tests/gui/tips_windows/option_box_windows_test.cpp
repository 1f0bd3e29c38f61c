// The option-box windows: a box follows its value, a change made by the poll writes the value
// back in the window's own format, a failed Number reading ends the tick, and a box whose
// write cannot land does not keep writing.
#include "tip_window_fixture.h"

#include "platform/sqlite_registry_store.h"

#include <QCheckBox>

namespace zw::test {
namespace {

using OptionWindow = TipWindowTest;

const std::string kPrefs = "Software\\Microsoft\\MediaPlayer\\Preferences";
const std::string kTime = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
constexpr const char* kMediaValues[] = {"UpgradeCodecPrompt", "SendUserGUID", "SilentAcquisition", "StartInMediaGuide"};

const RawValue kByte00{platform::kRegBinary, std::string(1, '\0')};
const RawValue kByte01{platform::kRegBinary, std::string(1, '\1')};

RawValue dword(std::uint32_t n)
{
    return {platform::kRegDword, std::string(reinterpret_cast<const char*>(&n), 4)};
}

RawValue text(const char* t)
{
    return {platform::kRegSz, t};
}

TEST_F(OptionWindow, MissingFirstMediaValueStopsEveryRowUntilTheBoxCreatesIt)
{
    Registry::SetStringValue(2, kTime, "Type", "NoSync");
    for (int i = 1; i < 4; ++i)
        Registry::SetDwordValue(1, kPrefs, kMediaValues[i], 0);
    open("tricks_mediaplayer");
    ASSERT_TRUE(window);
    settle();
    for (const char* box : {"Check2", "Check3", "Check4", "Check5", "Check6"})
        EXPECT_FALSE(child<QCheckBox>(box)->isChecked()) << box;
    EXPECT_EQ(rawValue(1, kPrefs, "SendUserGUID"), dword(0)) << "rows after the first are not read, so not rewritten";

    child<QCheckBox>("Check2")->click();  // ticked: one byte 00, and from now on every row follows
    EXPECT_EQ(rawValue(1, kPrefs, "UpgradeCodecPrompt"), kByte00);
    ASSERT_TRUE(waitUntil([&] { return child<QCheckBox>("Check6")->isChecked(); }));
    for (const char* box : {"Check3", "Check4", "Check5"})
        EXPECT_TRUE(child<QCheckBox>(box)->isChecked()) << box;
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(rawValue(1, kPrefs, kMediaValues[i]), kByte00) << "REG_DWORD 0 rewritten as one byte: " << kMediaValues[i];
    EXPECT_EQ(rawValue(2, kTime, "Type"), text("NoSync"));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(OptionWindow, MediaBoxesWriteTheirOwnFormatAndLeaveOtherValuesUnwritten)
{
    Registry::SetDwordValue(1, kPrefs, "UpgradeCodecPrompt", 1);  // cleared; would read "01 " if rewritten
    for (int i = 1; i < 4; ++i)
        Registry::SetBinaryValue(1, kPrefs, kMediaValues[i], std::string(1, '\1'));
    Registry::SetStringValue(2, kTime, "Type", "Ntp");
    open("tricks_mediaplayer");
    settle();
    EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("Check6")->isChecked());
    EXPECT_EQ(rawValue(1, kPrefs, "UpgradeCodecPrompt"), dword(1)) << "no change, no write";

    setOnTop();
    child<QCheckBox>("Check6")->click();
    EXPECT_EQ(rawValue(2, kTime, "Type"), text("NoSync"));
    EXPECT_TRUE(onTop()) << "the option boxes leave On Top alone";
    child<QCheckBox>("Check6")->click();
    EXPECT_EQ(rawValue(2, kTime, "Type"), text("Ntp"));
    child<QCheckBox>("Check4")->click();
    EXPECT_EQ(rawValue(1, kPrefs, "SilentAcquisition"), kByte00);
    child<QCheckBox>("Check4")->click();
    EXPECT_EQ(rawValue(1, kPrefs, "SilentAcquisition"), kByte01);
    settle();
    EXPECT_FALSE(child<QCheckBox>("Check4")->isChecked());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    closeReturnsToTricks(QStringLiteral("Command1"));
}

TEST_F(OptionWindow, HiddenTwoTicksTheBoxAndIsRewrittenAsOne)
{
    Registry::SetDwordValue(1, kAdvanced, "HideFileExt", 1);
    Registry::SetDwordValue(1, kAdvanced, "Hidden", 2);
    open("tricks_DateiAnzeige");
    ASSERT_TRUE(window);
    ASSERT_TRUE(waitUntil([&] { return child<QCheckBox>("Check3")->isChecked(); }));
    EXPECT_FALSE(child<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(rawValue(1, kAdvanced, "Hidden"), dword(1));
    EXPECT_EQ(rawValue(1, kAdvanced, "HideFileExt"), dword(1));

    child<QCheckBox>("Check3")->click();
    EXPECT_EQ(rawValue(1, kAdvanced, "Hidden"), dword(0));
    settle();
    EXPECT_FALSE(child<QCheckBox>("Check3")->isChecked());
    child<QCheckBox>("Check2")->click();
    EXPECT_EQ(rawValue(1, kAdvanced, "HideFileExt"), dword(0));
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(OptionWindow, MissingHideFileExtLeavesTheHiddenBoxAlone)
{
    Registry::SetDwordValue(1, kAdvanced, "Hidden", 1);
    open("tricks_DateiAnzeige");
    settle();
    EXPECT_FALSE(child<QCheckBox>("Check3")->isChecked());
}

TEST_F(OptionWindow, AWriteThatCannotLandIsNotRepeatedTickAfterTick)
{
    // A restricted user below the local machine: ticking the time box writes nothing, the poll
    // then reads nothing there and clears the box once; after that nothing changes or loops.
    for (const char* value : kMediaValues)
        Registry::SetBinaryValue(1, kPrefs, value, std::string(1, '\1'));
    store().setWriteDenied(platform::kHkeyLocalMachine, true);
    open("tricks_mediaplayer");
    settle();
    auto* check6 = child<QCheckBox>("Check6");
    int changes = 0;
    QObject::connect(check6, &QCheckBox::toggled, [&changes] { ++changes; });
    check6->click();
    ASSERT_TRUE(waitUntil([&] { return !check6->isChecked(); }));
    settle();
    EXPECT_EQ(changes, 2) << "ticked by the click, cleared once by the poll, then left alone";
    EXPECT_FALSE(rawValue(2, kTime, "Type").has_value());
    store().setWriteDenied(platform::kHkeyLocalMachine, false);
}

}  // namespace
}  // namespace zw::test
