// Every toggle record against the default hive: Apply and Restore leave exactly the listed
// values (type and data) and nothing else changed, and the poll then shows the listed state.
#include "all_records.h"
#include "registry_snapshot.h"
#include "toggle_store.h"

#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

#include <gtest/gtest.h>

namespace zw::test {
namespace {

constexpr std::optional<ToggleState> Applied = ToggleState::Applied;
constexpr std::optional<ToggleState> Default = ToggleState::Default;
constexpr std::optional<ToggleState> keeps = std::nullopt;  // the poll leaves the buttons

// One expected fact after a button: a value with this type and data, a missing value, or a
// missing key.
struct Fact {
    HiveCode hive;
    std::string key;
    std::string value;
    enum class Kind { Holds, NoValue, NoKey } kind = Kind::Holds;
    StoredValue stored;
};

Fact holds(HiveCode h, std::string k, std::string v, StoredValue s)
{
    return {h, std::move(k), std::move(v), Fact::Kind::Holds, std::move(s)};
}
Fact noValue(HiveCode h, std::string k, std::string v)
{
    return {h, std::move(k), std::move(v), Fact::Kind::NoValue, {}};
}
Fact noKey(HiveCode h, std::string k)
{
    return {h, std::move(k), {}, Fact::Kind::NoKey, {}};
}

struct Button {
    std::vector<Fact> facts;
    std::optional<ToggleState> state;
};

struct Row {
    const char* name;
    Button apply;
    std::optional<Button> restore;  // none: the window has no Restore button
};

const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const std::string kViewer = "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview";
const std::string kViewerId = "{e84fda7c-1d6a-45f6-b725-cb260c236066}";
const std::string kPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const std::string kMemory = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
const std::string kExplorer = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kShared = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
                            "DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}";
const std::string kCdrom0 = "SYSTEM\\CurrentControlSet\\Services\\Cdrom";
const std::string kCdrom1 = "SYSTEM\\ControlSet001\\Services\\Cdrom";
const std::string kCdrom2 = "SYSTEM\\ControlSet002\\Services\\Cdrom";
const std::string kReporting = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
const std::string kCabinet = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
const std::string kFileSystem = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
const std::string kWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const std::string kDfrg = "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction";
const std::string kWsh = "SOFTWARE\\Microsoft\\Windows Script Host\\Settings";
const std::string kAutoUpdate = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update";
const std::string kRestore = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
const std::string kSr = "SYSTEM\\CurrentControlSet\\Services\\sr\\Parameters";
const std::string kTerminal = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server";
const std::string kIeMain = "Software\\Microsoft\\Internet Explorer\\Main";
const std::string kAlexa = "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}";

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        {"reg_balloontips", {{holds(HKCU, kAdvanced, "EnableBalloonTips", dword(0))}, Applied},
         Button{{holds(HKCU, kAdvanced, "EnableBalloonTips", dword(1))}, Default}},
        {"reg_bildbetrachter", {{noKey(HKCR, kViewer)}, Applied}, Button{{holds(HKCR, kViewer, "", sz(kViewerId))}, Default}},
        {"reg_brennfunktion", {{holds(HKCU, kPolicies, "NoCDBurning", dword(1))}, Applied},
         Button{{holds(HKCU, kPolicies, "NoCDBurning", dword(0))}, Default}},
        {"reg_cacheoptimierung",
         {{holds(HKLM, kMemory, "DisablePagingExecutive", sz("1")), holds(HKLM, kMemory, "LargeSystemCache", sz("1"))},
          Applied},
         Button{{holds(HKLM, kMemory, "DisablePagingExecutive", sz("0")), holds(HKLM, kMemory, "LargeSystemCache", sz("0"))},
                Default}},
        {"reg_dlls", {{holds(HKLM, kExplorer, "AlwaysUnloadDll", sz("1"))}, Applied},
         Button{{holds(HKLM, kExplorer, "AlwaysUnloadDll", sz("0"))}, Default}},
        // The first rule entry is a Number comparison: the empty text after the deletion
        // leaves the buttons as they are.
        {"reg_gemeinsamedokumente", {{noKey(HKLM, kShared)}, keeps},
         Button{{holds(HKLM, kShared, "Standard", sz("1"))}, Default}},
        {"reg_keincdromautostart",
         {{holds(HKLM, kCdrom0, "Autorun", dword(0)), holds(HKLM, kCdrom1, "Autorun", dword(0)),
           holds(HKLM, kCdrom2, "Autorun", dword(0))},
          Applied},
         Button{{holds(HKLM, kCdrom0, "Autorun", dword(1)), holds(HKLM, kCdrom1, "Autorun", dword(1)),
                 holds(HKLM, kCdrom2, "Autorun", dword(1))},
                Default}},
        {"reg_keinFehlerbericht",
         {{holds(HKLM, kReporting, "DoReport", dword(0)), holds(HKLM, kReporting, "ShowUI", dword(0))}, Applied},
         Button{{holds(HKLM, kReporting, "DoReport", dword(1)), holds(HKLM, kReporting, "ShowUI", dword(1))}, Default}},
        {"reg_klassischesuche", {{holds(HKCU, kCabinet, "Use Search Asst", sz("no"))}, Applied},
         Button{{holds(HKCU, kCabinet, "Use Search Asst", sz("yes"))}, Default}},
        {"reg_MFT", {{holds(HKLM, kFileSystem, "NtfsMftZoneReservation", dword(2))}, Applied},
         Button{{noValue(HKLM, kFileSystem, "NtfsMftZoneReservation")}, Default}},
        {"reg_shutdownProblem", {{holds(HKLM, kWinlogon, "PowerdownAfterShutdown", sz("1"))}, Applied},
         Button{{holds(HKLM, kWinlogon, "PowerdownAfterShutdown", sz("0"))}, Default}},
        {"reg_startdateien", {{holds(HKLM, kDfrg, "Enable", sz("Y"))}, Applied},
         Button{{holds(HKLM, kDfrg, "Enable", sz("N"))}, Default}},
        {"reg_wenigspace", {{holds(HKCU, kPolicies, "NoLowDiskSpaceChecks", dword(1))}, Applied},
         Button{{holds(HKCU, kPolicies, "NoLowDiskSpaceChecks", dword(0))}, Default}},
        {"reg_wsh", {{holds(HKLM, kWsh, "Enabled", sz("0"))}, Applied}, Button{{holds(HKLM, kWsh, "Enabled", sz("1"))}, Default}},
        {"tricks_AutoUpdate",
         {{holds(HKLM, kAutoUpdate, "AUOptions", dword(1)), holds(HKLM, kAutoUpdate, "AUState", dword(7))}, Applied},
         Button{{holds(HKLM, kAutoUpdate, "AUOptions", dword(3)), holds(HKLM, kAutoUpdate, "AUState", dword(2))}, Default}},
        {"tricks_SystemWiederherstellung",
         {{holds(HKLM, kRestore, "DisableSR", dword(1)), holds(HKLM, kSr, "FirstRun", dword(1))}, Applied},
         Button{{holds(HKLM, kRestore, "DisableSR", dword(0)), holds(HKLM, kSr, "FirstRun", dword(0))}, Default}},
        {"tricks_RemoteUnterstützung", {{holds(HKLM, kTerminal, "fAllowToGetHelp", dword(0))}, Applied},
         Button{{holds(HKLM, kTerminal, "fAllowToGetHelp", dword(1))}, Default}},
        {"tricks_AutoImageResize", {{holds(HKCU, kIeMain, "Enable AutoImageResize", sz("no"))}, Applied},
         Button{{holds(HKCU, kIeMain, "Enable AutoImageResize", sz("yes"))}, Default}},
        {"tricks_alexa", {{noKey(HKLM, kAlexa)}, Applied}, std::nullopt},
        // No poll: the state never shows.
        {"tricks_laufwerkeverstecken", {{holds(HKCU, kPolicies, "NoDrives", dword(0x3FFFFFFF))}, keeps},
         Button{{noValue(HKCU, kPolicies, "NoDrives")}, keeps}},
    };
    return table;
}

bool isUnder(const std::string& id, const std::string& keyIdPrefix)
{
    return id == keyIdPrefix || id.starts_with(keyIdPrefix + "\\") || id.starts_with(keyIdPrefix + "|");
}

// The facts hold, and every difference between the snapshots is one the facts explain: a
// listed value, a key created on the way to a listed value, or something below a deleted key.
void expectExactly(const RegistrySnapshot& before, const RegistrySnapshot& after, const std::vector<Fact>& facts)
{
    std::set<std::string> explainedValues;
    std::vector<std::string> deletedKeys;
    std::vector<std::string> writtenKeys;
    for (const Fact& f : facts) {
        const std::string vid = valueId(f.hive, f.key, f.value);
        const std::string kid = keyId(f.hive, f.key);
        switch (f.kind) {
        case Fact::Kind::Holds: {
            auto it = after.values.find(vid);
            if (it == after.values.end()) {
                ADD_FAILURE() << "missing value " << vid;
            } else {
                EXPECT_EQ(it->second.type, f.stored.type) << vid;
                EXPECT_EQ(it->second.bytes, f.stored.bytes) << vid;
            }
            explainedValues.insert(vid);
            writtenKeys.push_back(kid);
            break;
        }
        case Fact::Kind::NoValue:
            EXPECT_EQ(after.values.count(vid), 0u) << "value still there: " << vid;
            explainedValues.insert(vid);
            break;
        case Fact::Kind::NoKey:
            EXPECT_EQ(after.keys.count(kid), 0u) << "key still there: " << kid;
            deletedKeys.push_back(kid);
            break;
        }
    }
    auto underDeleted = [&](const std::string& id) {
        return std::any_of(deletedKeys.begin(), deletedKeys.end(), [&](const auto& k) { return isUnder(id, k); });
    };
    auto onWrittenPath = [&](const std::string& id) {
        return std::any_of(writtenKeys.begin(), writtenKeys.end(), [&](const auto& k) { return isUnder(k, id); });
    };
    for (const auto& [id, v] : before.values) {
        auto it = after.values.find(id);
        if ((it == after.values.end() || !(it->second == v)) && !explainedValues.count(id) && !underDeleted(id))
            ADD_FAILURE() << "value changed or removed unexpectedly: " << id;
    }
    for (const auto& [id, v] : after.values)
        if (!before.values.count(id) && !explainedValues.count(id))
            ADD_FAILURE() << "value added unexpectedly: " << id;
    for (const auto& id : before.keys)
        if (!after.keys.count(id) && !underDeleted(id))
            ADD_FAILURE() << "key removed unexpectedly: " << id;
    for (const auto& id : after.keys)
        if (!before.keys.count(id) && !onWrittenPath(id))
            ADD_FAILURE() << "key added unexpectedly: " << id;
}

TEST(ToggleRecords, TableCoversEveryRecordOnce)
{
    std::set<std::string> names;
    for (const auto* records : {&tuningToggles(), &tipsToggles()})
        for (const RegistryToggle& t : *records)
            EXPECT_TRUE(names.insert(t.name).second) << "twice: " << t.name;
    EXPECT_EQ(names.size(), 20u);
    std::set<std::string> tested;
    for (const Row& r : rows())
        tested.insert(r.name);
    EXPECT_EQ(tested, names);
}

TEST(ToggleRecords, ApplyThenRestoreFromTheDefaultHive)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        ToggleStore store;
        const RegistryToggle& t = record(row.name);
        ASSERT_EQ(t.hasRestore(), row.restore.has_value());

        const RegistrySnapshot fresh = snapshot();
        performWrites(t.applyWrites);
        const RegistrySnapshot applied = snapshot();
        {
            SCOPED_TRACE("Apply");
            expectExactly(fresh, applied, row.apply.facts);
            EXPECT_EQ(currentState(t), row.apply.state);
        }
        if (row.restore) {
            SCOPED_TRACE("Restore");
            performWrites(t.restoreWrites);
            expectExactly(applied, snapshot(), row.restore->facts);
            EXPECT_EQ(currentState(t), row.restore->state);
        }
        EXPECT_EQ(platform::activeRegistry().openHandleCount(), 0u);
    }
}

}  // namespace
}  // namespace zw::test
