// zwreg as its own process beside a program that has the same store open: changes are seen at
// once both ways, .reg files survive a round trip through two stores, and a malformed import
// leaves the store as it was.
#include "temp_folder.h"

#include "platform/registry_access.h"
#include "platform/store_recovery.h"
#include "platform/default_hive.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>

extern char** environ;

namespace zw {
namespace {

// Starts zwreg on the store file `store`; -1 when it cannot be started.
pid_t startZwreg(const std::string& store, std::vector<std::string> args) {
    std::vector<std::string> env = {"ZUNDERWERK_REGISTRY=" + store};
    for (char** e = environ; *e; ++e) {
        if (std::string_view(*e).rfind("ZUNDERWERK_REGISTRY=", 0) != 0) env.emplace_back(*e);
    }
    args.insert(args.begin(), ZWREG_PATH);
    std::vector<char*> argv, envp;
    for (std::string& a : args) argv.push_back(a.data());
    for (std::string& e : env) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ZWREG_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

int exitCode(pid_t pid) {
    if (pid < 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs zwreg on the store file `store` and returns its exit code.
int zwreg(const std::string& store, std::vector<std::string> args) { return exitCode(startZwreg(store, std::move(args))); }

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ZwregProcess, AValueWrittenByZwregIsSeenAtOnce) {
    test::TempFolder folder;
    const std::string store = folder.file("registry.db");
    platform::ScopedRegistry scoped(platform::openStoreFile(store, platform::seedDefaultHive).store);
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "MenuShowDelay"), "400");

    ASSERT_EQ(zwreg(store, {"add", "HKCU\\Control Panel\\Desktop", "/v", "MenuShowDelay", "/d", "100", "/f"}), 0);
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "MenuShowDelay"), "100");
    ASSERT_EQ(zwreg(store, {"add", "HKLM\\SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "/v", "Enabled", "/t",
                            "REG_DWORD", "/d", "0", "/f"}),
              0);
    EXPECT_EQ(Registry::GetValueText(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled"), "0");

    // And the other way round: the program writes, zwreg finds it.
    Registry::SetStringValue(1, "Software\\Zunderwerk", "Probe", "1");
    EXPECT_EQ(zwreg(store, {"query", "HKCU\\Software\\Zunderwerk", "/v", "Probe"}), 0);
    EXPECT_EQ(zwreg(store, {"delete", "HKCU\\Software\\Zunderwerk", "/f"}), 0);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Zunderwerk", "Probe"), "");
    EXPECT_EQ(zwreg(store, {"query", "HKCU\\Software\\Zunderwerk"}), 1);
}

TEST(ZwregProcess, ProcessesStartingTogetherShareOneNewStore) {
    test::TempFolder folder;
    const std::string store = folder.file("new/registry.db");
    std::vector<pid_t> started;
    for (int i = 0; i < 8; ++i)
        started.push_back(startZwreg(store, {"add", "HKCU\\Software\\Gleichzeitig", "/v", "p" + std::to_string(i), "/t",
                                             "REG_DWORD", "/d", std::to_string(i), "/f"}));
    for (const pid_t pid : started) EXPECT_EQ(exitCode(pid), 0);

    platform::ScopedRegistry scoped(platform::openStoreFile(store, platform::seedDefaultHive).store);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Registry::GetValueText(1, "Software\\Gleichzeitig", "p" + std::to_string(i)), std::to_string(i));
    EXPECT_EQ(Registry::GetValueText(1, "Control Panel\\Desktop", "MenuShowDelay"), "400") << "seeded once";
    EXPECT_EQ(platform::takeRegistryNotice(), "") << "no process found the store damaged";
}

// A store file that cannot be used is an error: the change is not made in memory and reported
// as done.
TEST(ZwregProcess, AStoreThatCannotBeOpenedIsAnError) {
    test::TempFolder folder;
    std::ofstream(folder.file("plain-file")) << "x";
    EXPECT_EQ(zwreg(folder.file("plain-file/registry.db"), {"add", "HKCU\\Software\\Z", "/v", "a", "/d", "1", "/f"}), 1);
}

TEST(ZwregProcess, ExportImportExportGivesTheSameFile) {
    test::TempFolder folder;
    const std::string first = folder.file("first.db"), second = folder.file("second.db");
    ASSERT_EQ(zwreg(first, {"add", "HKCU\\Software\\Rund\\Ü", "/v", "Multi", "/t", "REG_MULTI_SZ", "/d", "a\\0b"}), 0);
    ASSERT_EQ(zwreg(first, {"add", "HKCU\\Software\\Rund", "/v", "Q", "/t", "REG_QWORD", "/d", "0x1122334455667788"}), 0);
    ASSERT_EQ(zwreg(first, {"export", "HKCU", folder.file("a.reg")}), 0);
    // The second store is seeded too; the import must leave it with exactly the same HKCU.
    ASSERT_EQ(zwreg(second, {"delete", "HKCU\\Control Panel", "/f"}), 0);
    ASSERT_EQ(zwreg(second, {"import", folder.file("a.reg")}), 0);
    ASSERT_EQ(zwreg(second, {"export", "HKCU", folder.file("b.reg")}), 0);
    EXPECT_EQ(fileBytes(folder.file("b.reg")), fileBytes(folder.file("a.reg")));
    EXPECT_GT(fileBytes(folder.file("a.reg")).size(), 1000u);
}

TEST(ZwregProcess, AMalformedImportChangesNothing) {
    test::TempFolder folder;
    const std::string store = folder.file("registry.db");
    ASSERT_EQ(zwreg(store, {"export", "HKLM", folder.file("before.reg")}), 0);
    std::ofstream(folder.file("bad.reg")) << "Windows Registry Editor Version 5.00\n\n"
                                             "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft]\n"
                                             "[HKEY_LOCAL_MACHINE\\SYSTEM\\Neu]\n\"a\"=hex:0,1,2,3,x\n";
    EXPECT_EQ(zwreg(store, {"import", folder.file("bad.reg")}), 1);
    ASSERT_EQ(zwreg(store, {"export", "HKLM", folder.file("after.reg")}), 0);
    EXPECT_EQ(fileBytes(folder.file("after.reg")), fileBytes(folder.file("before.reg")));
}

}  // namespace
}  // namespace zw
