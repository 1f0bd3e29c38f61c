// The disc cache and shutdown settings on a real store: which button a stored value disables,
// and what each button writes.
#include "registry_test_store.h"

#include "tuning/disc_cache.h"
#include "tuning/shutdown_tuning.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using platform::RegType;

class ChoiceSettings : public test::RegistryStoreTest {
protected:
    // Stores raw data of any type, as another program might.
    void put(const Probe& at, RegType type, std::string_view data)
    {
        platform::RegKey key = 0;
        ASSERT_EQ(store().createKey(platform::rootKey(at.hive), at.key, platform::kKeyAllAccess, key), platform::kRegOk);
        store().setValue(key, at.value, type, reinterpret_cast<const std::uint8_t*>(data.data()),
                         static_cast<std::uint32_t>(data.size()));
        store().closeKey(key);
    }
    void putDword(const Probe& at, std::uint32_t n)
    {
        const char bytes[4] = {char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)};
        put(at, platform::kRegDword, std::string_view(bytes, 4));
    }
};

TEST_F(ChoiceSettings, DiscCacheTableHasTheNineCaptionsAndValues)
{
    const struct {
        const char* name;
        const char* caption;
        std::int32_t value;
    } table[] = {
        {"Command1", "64 MB", 8192},    {"Command2", "128 MB", 16384},  {"Command3", "192 MB", 24576},
        {"Command4", "256 MB", 65536},  {"Command5", "320 MB", 73728},  {"Command6", "398 MB", 81920},
        {"Command7", "512 MB", 131072}, {"Command8", "768 MB", 196608}, {"Command9", "1024 MB", 262144},
    };
    const ChoiceSetting& setting = discCacheSetting();
    ASSERT_EQ(setting.buttons.size(), std::size(table));
    for (std::size_t i = 0; i < std::size(table); ++i) {
        const ChoiceButton& b = setting.buttons[i];
        EXPECT_EQ(b.objectName, table[i].name);
        EXPECT_EQ(b.caption, table[i].caption);
        // Each button, once written, is the one the poll disables.
        performWrite(b.write);
        EXPECT_EQ(Registry::GetValueText(2, setting.probe.key, "IoPageLockLimit"), std::to_string(table[i].value));
        EXPECT_EQ(pollChoice(setting), ChoiceOutcome::disable(i)) << b.caption;
    }
    EXPECT_EQ(setting.probe.key, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management");
}

TEST_F(ChoiceSettings, DiscCachePollReadsTheStoredTextAsANumber)
{
    const Probe& limit = discCacheSetting().probe;
    EXPECT_EQ(pollChoice(discCacheSetting()), ChoiceOutcome::tickEnded()) << "absent: nothing changes";

    put(limit, platform::kRegSz, "8192");
    EXPECT_EQ(pollChoice(discCacheSetting()), ChoiceOutcome::disable(0)) << "REG_SZ 8192 counts as the number";
    put(limit, platform::kRegSz, " 81920 ");
    EXPECT_EQ(pollChoice(discCacheSetting()), ChoiceOutcome::disable(5));
    putDword(limit, 12345);
    EXPECT_EQ(pollChoice(discCacheSetting()), ChoiceOutcome::keep()) << "a number outside the table";
    put(limit, platform::kRegSz, "viel");
    EXPECT_EQ(pollChoice(discCacheSetting()), ChoiceOutcome::tickEnded());
}

TEST_F(ChoiceSettings, ServiceTimeoutComparesExactTextInControlSet001Only)
{
    const ChoiceSetting& timeout = killServiceTimeoutSetting();
    EXPECT_EQ(timeout.probe.key, "SYSTEM\\ControlSet001\\Control");
    ASSERT_EQ(timeout.buttons.size(), 3u);

    const struct {
        const char* caption;
        const char* stored;
    } table[] = {{"Standard [20 Sek.]", "20000"}, {"Optimal [5 Sek.]", "5000"}, {"Fastest [0 Sek.]", "1"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(timeout.buttons[i].caption, table[i].caption);
        performWrite(timeout.buttons[i].write);
        EXPECT_EQ(Registry::GetValueText(2, timeout.probe.key, "WaitToKillServiceTimeout"), table[i].stored);
        EXPECT_EQ(pollChoice(timeout), ChoiceOutcome::disable(i));
    }

    putDword(timeout.probe, 5000);
    EXPECT_EQ(pollChoice(timeout), ChoiceOutcome::disable(1)) << "a DWORD renders as the same text";
    for (const char* other : {"0", "05000", " 5000", "", "abc"}) {
        put(timeout.probe, platform::kRegSz, other);
        EXPECT_EQ(pollChoice(timeout), ChoiceOutcome::keep()) << '"' << other << '"';
    }

    // The current control set is somewhere else: it is neither read nor written.
    Registry::SetStringValue(2, "SYSTEM\\ControlSet002\\Control", "WaitToKillServiceTimeout", "20000");
    Registry::DeleteValue(2, timeout.probe.key, "WaitToKillServiceTimeout");
    EXPECT_EQ(pollChoice(timeout), ChoiceOutcome::keep());
    performWrite(timeout.buttons[2].write);
    EXPECT_EQ(Registry::GetValueText(2, "SYSTEM\\ControlSet002\\Control", "WaitToKillServiceTimeout"), "20000");
}

TEST_F(ChoiceSettings, AutoEndTasksIsAToggleOfItsOwn)
{
    const RegistryToggle& autoEnd = autoEndTasksToggle();
    EXPECT_EQ(choiceFromToggle(pollToggle(autoEnd)), ChoiceOutcome::keep()) << "absent";

    performWrites(autoEnd.applyWrites);
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "AutoEndTasks"), "1");
    EXPECT_EQ(choiceFromToggle(pollToggle(autoEnd)), ChoiceOutcome::disable(0)) << "Aktivieren disabled";
    EXPECT_EQ(pollChoice(killServiceTimeoutSetting()), ChoiceOutcome::keep()) << "the other setting is untouched";

    performWrites(autoEnd.restoreWrites);
    EXPECT_EQ(choiceFromToggle(pollToggle(autoEnd)), ChoiceOutcome::disable(1)) << "Wiederherstellen disabled";
}

}  // namespace
}  // namespace zw
