// The edge cases of the toggle records: what the poll shows for stored values the records
// meet in the wild, and the writes on stores that differ from the default hive.
#include "all_records.h"
#include "registry_snapshot.h"
#include "toggle_store.h"

#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zw::test {
namespace {

constexpr std::optional<ToggleState> Applied = ToggleState::Applied;
constexpr std::optional<ToggleState> Default = ToggleState::Default;
constexpr std::optional<ToggleState> keeps = std::nullopt;

// What the probe holds before the poll.
struct Stored {
    enum class Kind { Dword, Sz, NoValue, NoKey } kind;
    std::uint32_t number = 0;
    std::string text;
};
Stored asDword(std::uint32_t n) { return {Stored::Kind::Dword, n, {}}; }
Stored asSz(std::string s) { return {Stored::Kind::Sz, 0, std::move(s)}; }
const Stored noValue{Stored::Kind::NoValue, 0, {}};
const Stored noKey{Stored::Kind::NoKey, 0, {}};

void put(const Probe& p, const Stored& s)
{
    switch (s.kind) {
    case Stored::Kind::Dword:
        Registry::SetDwordValue(p.hive, p.key, p.value, static_cast<std::int32_t>(s.number));
        break;
    case Stored::Kind::Sz:
        Registry::SetStringValue(p.hive, p.key, p.value, s.text);
        break;
    case Stored::Kind::NoValue:
        Registry::CreateKeyPath(p.hive, p.key);
        Registry::DeleteValue(p.hive, p.key, p.value);
        break;
    case Stored::Kind::NoKey:
        Registry::DeleteKey(p.hive, p.key);
        break;
    }
}

TEST(ToggleRecordStates, WhatThePollShowsForStoredValues)
{
    struct Case {
        const char* name;
        Stored stored;
        std::optional<ToggleState> expected;
    };
    const Case cases[] = {
        {"reg_balloontips", asDword(0), Applied},
        {"reg_balloontips", asDword(1), Default},
        {"reg_balloontips", asDword(2), keeps},
        {"reg_balloontips", noValue, keeps},
        {"reg_balloontips", asSz(" 0 "), Applied},
        {"reg_bildbetrachter", asSz("{e84fda7c-1d6a-45f6-b725-cb260c236066}"), Default},
        {"reg_bildbetrachter", asSz("{E84FDA7C-1D6A-45F6-B725-CB260C236066}"), Applied},
        {"reg_bildbetrachter", noKey, Applied},
        {"reg_gemeinsamedokumente", noValue, keeps},
        {"reg_gemeinsamedokumente", noKey, keeps},
        {"reg_gemeinsamedokumente", asSz("1"), Default},
        {"reg_gemeinsamedokumente", asDword(0), Applied},
        {"reg_cacheoptimierung", asDword(0), Default},
        {"reg_cacheoptimierung", asSz("1"), Applied},
        {"reg_MFT", asDword(1), keeps},
        {"reg_MFT", asDword(3), keeps},
        {"reg_MFT", noValue, Default},
        {"reg_klassischesuche", asSz("No"), keeps},
        {"reg_wsh", asDword(0), Applied},
        {"reg_wsh", asSz("0"), Applied},
        {"tricks_AutoUpdate", asDword(4), keeps},
        {"tricks_AutoUpdate", noValue, keeps},
        {"tricks_RemoteUnterstützung", asDword(0), Applied},
        {"tricks_AutoImageResize", asSz("No"), keeps},
        {"tricks_alexa", asSz(",4"), Default},
        {"tricks_alexa", asSz("C:\\Programme\\Alexa\\alexa.ico,4"), Applied},
        {"tricks_alexa", noValue, Applied},
        {"tricks_alexa", noKey, Applied},
    };
    for (const Case& c : cases) {
        const RegistryToggle& t = record(c.name);
        SCOPED_TRACE(std::string(c.name) + " holding \"" + c.stored.text + "\"/" + std::to_string(c.stored.number));
        ToggleStore store;
        put(*t.probe, c.stored);
        EXPECT_EQ(currentState(t), c.expected);
    }
}

TEST(ToggleRecordWrites, CdromAutostartCreatesMissingControlSets)
{
    ToggleStore store(ToggleStore::Empty);
    performWrites(record("reg_keincdromautostart").applyWrites);
    for (const char* set : {"CurrentControlSet", "ControlSet001", "ControlSet002"}) {
        SCOPED_TRACE(set);
        EXPECT_EQ(storedValue(2, std::string("SYSTEM\\") + set + "\\Services\\Cdrom", "Autorun"), dword(0));
    }
}

TEST(ToggleRecordWrites, CacheOptimisationTurnsNumbersIntoText)
{
    ToggleStore store;
    const std::string key = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    Registry::SetDwordValue(2, key, "DisablePagingExecutive", 0);
    const RegistryToggle& t = record("reg_cacheoptimierung");
    performWrites(t.applyWrites);
    EXPECT_EQ(storedValue(2, key, "DisablePagingExecutive"), sz("1"));
    EXPECT_EQ(storedValue(2, key, "LargeSystemCache"), sz("1"));
    EXPECT_EQ(currentState(t), Applied);
    performWrites(t.restoreWrites);
    EXPECT_EQ(storedValue(2, key, "DisablePagingExecutive"), sz("0"));
    EXPECT_EQ(storedValue(2, key, "LargeSystemCache"), sz("0"));
}

TEST(ToggleRecordWrites, DeleteKeyLeavesAKeyWithSubkeys)
{
    ToggleStore store;
    const RegistryToggle& t = record("tricks_alexa");
    const Probe& p = *t.probe;
    Registry::SetStringValue(p.hive, p.key, p.value, ",4");
    Registry::CreateKeyPath(p.hive, p.key + "\\Sub");
    performWrites(t.applyWrites);
    EXPECT_TRUE(keyExists(p.hive, p.key));
    EXPECT_EQ(currentState(t), Default);  // the button stays enabled
}

TEST(ToggleRecordWrites, SharedDocumentsRestoreRecreatesTheDeletedKey)
{
    ToggleStore store;
    const RegistryToggle& t = record("reg_gemeinsamedokumente");
    const Probe& p = *t.probe;
    performWrites(t.applyWrites);
    EXPECT_FALSE(keyExists(p.hive, p.key));
    EXPECT_EQ(pollToggle(t).kind, PollOutcome::Kind::TickEnded);
    performWrites(t.restoreWrites);
    EXPECT_EQ(storedValue(p.hive, p.key, "Standard"), sz("1"));
    EXPECT_EQ(currentState(t), Default);
}

TEST(ToggleRecordWrites, RefusedWritesChangeNothingAndTheStateStays)
{
    ToggleStore store;
    const RegistryToggle& t = record("reg_wsh");
    put(*t.probe, asSz("1"));
    const RegistrySnapshot before = snapshot();
    if (!store.denyWrites(2))
        GTEST_SKIP() << "a restricted user cannot be reproduced on the " << testStoreName() << " store";
    const Registry::WriteOutcome outcome;
    performWrites(t.applyWrites);
    EXPECT_TRUE(outcome.failed());
    // The poll's read asks for write rights too, so it reads the empty text: no state shows
    // and the buttons stay as they were.
    EXPECT_EQ(currentState(t), keeps);
    const RegistrySnapshot after = snapshot();
    EXPECT_EQ(after.keys, before.keys);
    EXPECT_EQ(after.values, before.values);
}

TEST(ToggleRecordWrites, AWriteThatRaisesDoesNotStopTheNextOne)
{
    ToggleStore store;
    const RegistryToggle& t = record("tricks_AutoUpdate");
    store.failNextSetValue();
    const Registry::WriteOutcome outcome;
    performWrites(t.applyWrites);
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update";
    EXPECT_NE(storedValue(2, key, "AUOptions"), dword(1));
    EXPECT_EQ(storedValue(2, key, "AUState"), dword(7));
    EXPECT_EQ(outcome.failures(), 1) << "the raising write counts, the next one reached its value";
}

}  // namespace
}  // namespace zw::test
