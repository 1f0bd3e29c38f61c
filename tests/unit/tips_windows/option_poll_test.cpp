// One poll tick of the option boxes on a real store: row order, the tick ending at the first
// Number reading of a non-number, and the rules of the two windows.
#include "registry_test_store.h"

#include "tips/option_boxes.h"

#include <gtest/gtest.h>

namespace zw::test {
namespace {

using OptionPoll = RegistryStoreTest;

const std::string kPrefs = "Software\\Microsoft\\MediaPlayer\\Preferences";
const std::string kTime = "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

TEST_F(OptionPoll, MediaPlayerRowsInOrderUntilTheFirstNonNumber)
{
    const auto& boxes = mediaPlayerOptions().boxes;
    Registry::SetStringValue(2, kTime, "Type", "NoSync");
    EXPECT_EQ(pollOptionBoxes(boxes), std::vector<bool>{}) << "first value missing: no row at all";

    Registry::SetBinaryValue(1, kPrefs, "UpgradeCodecPrompt", std::string(1, '\0'));
    Registry::SetDwordValue(1, kPrefs, "SendUserGUID", 0);
    Registry::SetStringValue(1, kPrefs, "SilentAcquisition", "ja");
    EXPECT_EQ(pollOptionBoxes(boxes), (std::vector<bool>{true, true}));

    Registry::SetBinaryValue(1, kPrefs, "SilentAcquisition", std::string(1, '\1'));
    Registry::SetDwordValue(1, kPrefs, "StartInMediaGuide", 7);
    EXPECT_EQ(pollOptionBoxes(boxes), (std::vector<bool>{true, true, false, false, true}));
    for (const char* other : {"Ntp", "nosync", ""}) {
        Registry::SetStringValue(2, kTime, "Type", other);
        EXPECT_EQ(pollOptionBoxes(boxes).back(), false) << other;
    }
}

TEST_F(OptionPoll, FileDisplayRules)
{
    const auto& boxes = fileDisplayOptions().boxes;
    const struct {
        int hideFileExt;
        int hidden;
        std::vector<bool> boxes;
    } cases[] = {{0, 0, {true, false}}, {1, 1, {false, true}}, {1, 2, {false, true}}, {2, 0, {false, false}}};
    for (const auto& c : cases) {
        Registry::SetDwordValue(1, kAdvanced, "HideFileExt", c.hideFileExt);
        Registry::SetDwordValue(1, kAdvanced, "Hidden", c.hidden);
        EXPECT_EQ(pollOptionBoxes(boxes), c.boxes) << c.hideFileExt << "/" << c.hidden;
    }
    Registry::DeleteValue(1, kAdvanced, "HideFileExt");
    EXPECT_EQ(pollOptionBoxes(boxes), std::vector<bool>{});
}

TEST_F(OptionPoll, WritesOfTheBoxes)
{
    const OptionBox& codecs = mediaPlayerOptions().boxes.front();
    EXPECT_EQ(optionWrite(codecs, true).operation, RegistryWrite::Operation::SetBinary);
    EXPECT_EQ(optionWrite(codecs, true).text, std::string(1, '\0'));
    EXPECT_EQ(optionWrite(codecs, false).text, std::string(1, '\1'));
    const OptionBox& time = mediaPlayerOptions().boxes.back();
    EXPECT_EQ(optionWrite(time, true).hive, 2);
    EXPECT_EQ(optionWrite(time, true).text, "NoSync");
    EXPECT_EQ(optionWrite(time, false).text, "Ntp");
    const OptionBox& hidden = fileDisplayOptions().boxes.back();
    EXPECT_EQ(optionWrite(hidden, true).number, 1);
    EXPECT_EQ(optionWrite(hidden, false).number, 0);
}

}  // namespace
}  // namespace zw::test
