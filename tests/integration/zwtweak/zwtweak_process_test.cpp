// zwtweak as its own process on the same store file as a running program: what one writes,
// the other reads at its next poll.
#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "tuning/tuning_toggles.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace zw {
namespace {

struct ToolRun {
    int code;
    std::string out;
};

ToolRun zwtweak(const std::string& args)
{
    const std::string command = std::string(ZWTWEAK_PATH) + " " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return {-1, {}};
    std::string out;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

class ZwtweakProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() / ("zwtweak-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
        const std::string path = (dir_ / "registry.db").string();
        ::setenv("ZUNDERWERK_REGISTRY", path.c_str(), 1);
        auto opened = platform::SqliteRegistryStore::open(path, platform::seedDefaultHive);
        ASSERT_TRUE(opened.store) << opened.detail;
        scope_.emplace(opened.store);
    }
    void TearDown() override
    {
        scope_.reset();
        std::filesystem::remove_all(dir_);
    }

    std::filesystem::path dir_;
    std::optional<platform::ScopedRegistry> scope_;
};

TEST_F(ZwtweakProcess, WritesOfTheToolShowInTheProgramsStoreAndTheOtherWayRound)
{
    const RegistryToggle& balloon = *findToggle(tuningToggles(), "reg_balloontips");

    ToolRun r = zwtweak("apply reg_balloontips");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "reg_balloontips\tBalloontips deaktivieren\tApplied\n");
    EXPECT_EQ(currentState(balloon), ToggleState::Applied);

    performWrites(balloon.restoreWrites);
    r = zwtweak("list");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("reg_balloontips\tBalloontips deaktivieren\tDefault\n"), std::string::npos) << r.out;
}

// A store file that cannot be used is an error: the change is not made in memory and reported as
// done.
TEST_F(ZwtweakProcess, AStoreThatCannotBeOpenedIsAnError)
{
    const RegistryToggle& balloon = *findToggle(tuningToggles(), "reg_balloontips");
    const auto before = currentState(balloon);
    const std::filesystem::path plainFile = dir_ / "plain-file";
    { std::ofstream(plainFile) << "x"; }
    const std::string usable = std::getenv("ZUNDERWERK_REGISTRY");
    ::setenv("ZUNDERWERK_REGISTRY", (plainFile / "registry.db").c_str(), 1);
    const ToolRun r = zwtweak("apply reg_balloontips");
    ::setenv("ZUNDERWERK_REGISTRY", usable.c_str(), 1);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(currentState(balloon), before);
    EXPECT_NE(before, ToggleState::Applied);
}

TEST_F(ZwtweakProcess, AnUnknownNameEndsWithExitCodeOne)
{
    EXPECT_EQ(zwtweak("apply reg_unbekannt").code, 1);
    EXPECT_EQ(zwtweak("").code, 2);
}

}  // namespace
}  // namespace zw
