// A new store starts with the Windows XP defaults of every value the program polls.
#include "temp_folder.h"

#include "platform/default_hive.h"
#include "platform/reg_file.h"
#include "platform/registry_access.h"
#include "platform/store_recovery.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zw {
namespace {

using namespace platform;

TEST(DefaultHive, TheFileIsWellFormed) {
    const RegFileParse parsed = parseRegFile(defaultHiveText());
    EXPECT_TRUE(parsed.ok()) << "line " << parsed.errorLine << ": " << parsed.error;
    EXPECT_GT(parsed.keys.size(), 20u);
}

TEST(DefaultHive, ANewStoreShowsTheDefaultsTheProgramPolls) {
    test::TempFolder folder;
    ::setenv("ZUNDERWERK_REGISTRY", folder.file("sub/registry.db").c_str(), 1);
    EXPECT_EQ(defaultRegistryPath(), folder.file("sub/registry.db"));
    ScopedRegistry scoped(openDefaultRegistry());
    ::unsetenv("ZUNDERWERK_REGISTRY");

    const struct {
        HiveCode hive;
        const char* key;
        const char* value;
        const char* text;
    } cases[] = {
        {0, "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", "",
         "{e84fda7c-1d6a-45f6-b725-cb260c236066}"},
        {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "HideFileExt", "1"},
        {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "Hidden", "2"},
        {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "EnableBalloonTips", ""},
        {1, "Control Panel\\Desktop", "MenuShowDelay", "400"},
        {1, "Control Panel\\Desktop", "HungAppTimeout", "5000"},
        {1, "Control Panel\\Desktop", "AutoEndTasks", "0"},
        {2, "SYSTEM\\ControlSet001\\Control", "WaitToKillServiceTimeout", "20000"},
        {2, "SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters", "Type", "NTP"},
        {2, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start", "2"},
        {2, "SYSTEM\\CurrentControlSet\\Services\\Cdrom", "Autorun", "1"},
        {2, "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}", "Icon", ",4"},
        {2, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}",
         "Standard", ""},
        {2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled", ""},
        {2, "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", "Y"},
        {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P\\History\\ads.example.com", "", "5"},
        {1, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P\\History\\bank.example.de", "", "1"},
    };
    for (const auto& c : cases) EXPECT_EQ(Registry::GetValueText(c.hive, c.key, c.value), c.text) << c.key << " " << c.value;

    // One mail identity below Identities, with its mail client key.
    RegKey identities = 0;
    ASSERT_EQ(Registry::OpenKey(1, "Identities", identities), kRegOk);
    std::string name, last;
    std::uint32_t count = 0;
    while (Registry::EnumKey(identities, count, name) == kRegOk) {
        last = name;
        ++count;
    }
    Registry::CloseKey(identities);
    EXPECT_EQ(count, 1u);
    RegKey mail = 0;
    EXPECT_EQ(Registry::OpenKey(1, "Identities\\" + last + "\\Software\\Microsoft\\Outlook Express\\5.0", mail), kRegOk);
    Registry::CloseKey(mail);
}

TEST(DefaultHive, AnExistingStoreIsNotSeededAgain) {
    test::TempFolder folder;
    const std::string path = folder.file("registry.db");
    {
        ScopedRegistry scoped(openStoreFile(path, seedDefaultHive).store);
        Registry::DeleteValue(1, "Control Panel\\Desktop", "MenuShowDelay");
    }
    ScopedRegistry scoped(openStoreFile(path, seedDefaultHive).store);
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "MenuShowDelay"), "");
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "HungAppTimeout"), "5000");
}

}  // namespace
}  // namespace zw
