// Test fixture: the Windows XP values the toggle records probe, as a fresh store holds them.
#pragma once

#include "platform/registry_store.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zw::test {

inline platform::RegResult fixtureHive(platform::RegistryStore& store)
{
    using namespace platform;
    struct Entry {
        RegKey root;
        const char* key;
        const char* value;  // null: the key alone
        RegType type;
        std::uint32_t number;
        const char* text;
    };
    const Entry entries[] = {
        {kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "EnableBalloonTips", kRegDword, 1, nullptr},
        {kHkeyClassesRoot, "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", "", kRegSz, 0,
         "{e84fda7c-1d6a-45f6-b725-cb260c236066}"},
        {kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoDriveTypeAutoRun", kRegDword, 0x91, nullptr},
        {kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "DisablePagingExecutive", kRegDword, 0, nullptr},
        {kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management", "LargeSystemCache", kRegDword, 0, nullptr},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\DelegateFolders\\"
                            "{59031a47-3f72-44a7-89c5-5595fe6b30ee}", nullptr, 0, 0, nullptr},
        {kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Services\\Cdrom", "Autorun", kRegDword, 1, nullptr},
        {kHkeyLocalMachine, "SYSTEM\\ControlSet001\\Services\\Cdrom", "Autorun", kRegDword, 1, nullptr},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", "DoReport", kRegDword, 1, nullptr},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", "ShowUI", kRegDword, 1, nullptr},
        {kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", "Use Search Asst", kRegSz, 0, "yes"},
        {kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsDisable8dot3NameCreation", kRegDword, 0, nullptr},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "PowerdownAfterShutdown", kRegSz, 0, "0"},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable", kRegSz, 0, "Y"},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled", kRegSz, 0, "1"},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update", "AUOptions", kRegDword, 4, nullptr},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR", kRegDword, 0, nullptr},
        {kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Terminal Server", "fAllowToGetHelp", kRegDword, 1, nullptr},
        {kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Enable AutoImageResize", kRegSz, 0, "yes"},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}", "Icon", kRegSz, 0, ",4"},
        {kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}", "ButtonText", kRegSz, 0, "Verwandt"},
    };
    for (const Entry& e : entries) {
        RegKey k = 0;
        if (RegResult r = store.createKey(e.root, e.key, kKeyAllAccess, k); r != kRegOk)
            return r;
        RegResult r = kRegOk;
        if (e.value) {
            std::vector<std::uint8_t> data;
            if (e.type == kRegDword)
                data = {std::uint8_t(e.number), std::uint8_t(e.number >> 8), std::uint8_t(e.number >> 16),
                        std::uint8_t(e.number >> 24)};
            else
                data.assign(e.text, e.text + std::char_traits<char>::length(e.text));
            r = store.setValue(k, e.value, e.type, data.data(), static_cast<std::uint32_t>(data.size()));
        }
        store.closeKey(k);
        if (r != kRegOk)
            return r;
    }
    return platform::kRegOk;
}

}  // namespace zw::test
