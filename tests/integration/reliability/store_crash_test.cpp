// Crash safety of the store: a writer that runs `zwreg add` in a loop is killed (SIGKILL, the
// whole process group) at random moments, round after round. After every round the store
// opens, SQLite's integrity check passes, and every write whose command had exited 0 is there.
// ZW_CRASH_ROUNDS sets the number of rounds (default 15).
#include "temp_folder.h"

#include "platform/registry_store.h"
#include "platform/sqlite_registry_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <thread>

extern char** environ;

namespace zw {
namespace {

using namespace platform;

constexpr const char* kKey = "Software\\Zunderwerk\\Crash";

// Starts a shell that writes values v<first>, v<first+1>, ... with zwreg and appends the
// number of each write to `ackFile` once its command has exited 0. The shell leads a process
// group of its own, so one kill stops it and the zwreg it is running.
pid_t startWriter(const std::string& store, const std::string& ackFile, int first) {
    const std::string script = "i=" + std::to_string(first) +
                               "; while :; do ZUNDERWERK_REGISTRY=\"$1\" \"$2\" add 'HKCU\\" + kKey +
                               "' /v v$i /t REG_DWORD /d $i /f >/dev/null 2>&1 && echo $i >>\"$3\"; i=$((i+1)); done";
    std::vector<std::string> args = {"/bin/sh", "-c", script, "writer", store, ZWREG_PATH, ackFile};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, "/bin/sh", nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    return rc == 0 ? pid : -1;
}

std::set<int> acknowledged(const std::string& ackFile) {
    std::set<int> out;
    std::ifstream in(ackFile);
    for (int n; in >> n;) out.insert(n);
    return out;
}

std::string integrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK) {
            verdict.clear();
            while (sqlite3_step(st) == SQLITE_ROW) {
                verdict += reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return verdict;
}

// The numbers of the values under the crash key, each checked to hold its own number.
std::set<int> presentWrites(RegistryStore& store) {
    std::set<int> out;
    RegKey key = 0;
    if (store.openKey(kHkeyCurrentUser, kKey, kKeyRead, key) != kRegOk) return out;
    std::string name;
    RegType type = 0;
    std::vector<std::uint8_t> data;
    for (std::uint32_t i = 0; store.enumValue(key, i, name, type, data) == kRegOk; ++i) {
        const int n = std::atoi(name.c_str() + 1);
        std::uint32_t value = 0;
        if (type == kRegDword && data.size() == 4) std::memcpy(&value, data.data(), 4);
        EXPECT_EQ(static_cast<int>(value), n) << name;
        out.insert(n);
    }
    store.closeKey(key);
    return out;
}

TEST(StoreCrash, EveryAcknowledgedWriteSurvivesAKilledWriter) {
    const char* roundsEnv = std::getenv("ZW_CRASH_ROUNDS");
    const int rounds = roundsEnv ? std::atoi(roundsEnv) : 15;
    test::TempFolder folder;
    const std::string store = folder.file("registry.db");
    const std::string acks = folder.file("acks");
    std::mt19937 rng(std::random_device{}());
    std::uniform_int_distribution<int> delayMs(0, 1500);

    int next = 0;
    std::size_t lastAcked = 0;
    for (int round = 0; round < rounds; ++round) {
        const pid_t writer = startWriter(store, acks, next);
        ASSERT_GT(writer, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(rng)));
        ASSERT_EQ(kill(-writer, SIGKILL), 0);
        waitpid(writer, nullptr, 0);
        // The zwreg of the group may outlive the shell by a moment; wait until the group is gone.
        while (kill(-writer, 0) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));

        ASSERT_EQ(integrityCheck(store), "ok") << "round " << round;
        const auto opened = SqliteRegistryStore::open(store);
        ASSERT_TRUE(opened.status == SqliteRegistryStore::OpenStatus::Opened ||
                    opened.status == SqliteRegistryStore::OpenStatus::Created)
            << "round " << round << ": " << opened.detail;
        const std::set<int> present = presentWrites(*opened.store);
        const std::set<int> acked = acknowledged(acks);
        for (const int n : acked) ASSERT_TRUE(present.count(n)) << "acknowledged write " << n << " lost in round " << round;
        EXPECT_EQ(opened.store->openHandleCount(), 0u);
        lastAcked = acked.size();
        next = present.empty() ? 0 : *present.rbegin() + 1;
        if (!acked.empty()) next = std::max(next, *acked.rbegin() + 1);
    }
    std::printf("crash rounds: %d, acknowledged writes: %zu\n", rounds, lastAcked);
    EXPECT_GT(lastAcked, 0u) << "no write was acknowledged: the writer never ran";
}

}  // namespace
}  // namespace zw
