// Crash safety of the store: a writer is killed (SIGKILL) at a random moment, round after
// round, and after every round the store opens as it is, SQLite's integrity check passes, every
// write the writer had acknowledged is there with its own data, and nothing is there that was
// not written (beyond the one change in flight, which is there whole or not at all).
//
// Two writers:
//  - a shell loop of `zwreg add` commands, each acknowledged when it exited 0: kills land in the
//    start, the open (recovery of the log left by the killed one before), the commit and the end
//    of a command;
//  - this program again (`store_crash_test --writer <store> <key> <first>`), which keeps the
//    store open and commits changes of one to four values each as fast as it can, acknowledging
//    each after its commit: kills land inside commits and checkpoints.
//
// ZW_CRASH_ROUNDS sets the rounds of each writer (default 20), ZW_CRASH_MAX_DELAY_MS the
// longest time before a kill of the zwreg loop (default 600; the fast writer gets a quarter).
#include "killed_writer.h"
#include "temp_folder.h"

#include "platform/default_hive.h"
#include "platform/registry_store.h"
#include "platform/sqlite_registry_store.h"
#include "platform/store_recovery.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>

namespace zw {
namespace {

using namespace platform;
using Clock = std::chrono::steady_clock;

constexpr const char* kBaseKey = "Software\\Zunderwerk\\Crash";
constexpr std::size_t kFillerBytes = 256;

std::string selfPath;

int envNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

// The fast writer's change that starts at `first`: values first .. first+size-1, one to four.
std::uint32_t batchSize(std::uint32_t first) { return 1 + (first ^ (first >> 3)) % 4; }

// A fast-writer value: its number, the first number and size of its change, and filler bytes
// that follow from its number (so a torn or mixed-up page shows).
std::vector<std::uint8_t> payload(std::uint32_t n, std::uint32_t first) {
    std::vector<std::uint8_t> data(12 + kFillerBytes);
    const std::uint32_t head[3] = {n, first, batchSize(first)};
    std::memcpy(data.data(), head, sizeof head);
    for (std::size_t i = 0; i < kFillerBytes; ++i) data[12 + i] = static_cast<std::uint8_t>(n * 31 + i);
    return data;
}

// The fast writer: opens the store as the program does and commits changes until it is killed.
int runWriter(const std::string& storePath, const std::string& keyPath, std::uint32_t first) {
    const StoreOpening opening = openStoreFile(storePath, seedDefaultHive);
    if (!opening.notice.empty()) return 2;
    RegistryStore& store = *opening.store;
    RegKey key = 0;
    if (store.createKey(kHkeyCurrentUser, keyPath, kKeyAllAccess, key) != kRegOk) return 3;
    for (std::uint32_t n = first;; n += batchSize(n)) {
        const RegResult rc = store.applyAtomically([&] {
            for (std::uint32_t v = n; v < n + batchSize(n); ++v) {
                const std::vector<std::uint8_t> data = payload(v, n);
                const RegResult set = store.setValue(key, std::to_string(v), kRegBinary, data.data(),
                                                     static_cast<std::uint32_t>(data.size()));
                if (set != kRegOk) return set;
            }
            return kRegOk;
        });
        if (rc != kRegOk) return 4;
        const std::string ack = std::to_string(n + batchSize(n) - 1) + "\n";
        if (write(STDOUT_FILENO, ack.data(), ack.size()) != static_cast<ssize_t>(ack.size())) return 5;
    }
}

std::string integrityCheck(const std::string& path) {
    sqlite3* db = nullptr;
    std::string verdict = "cannot open";
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &st, nullptr) == SQLITE_OK) {
            verdict.clear();
            while (sqlite3_step(st) == SQLITE_ROW) verdict += reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return verdict;
}

// The values under one key: number -> data.
std::map<std::uint32_t, std::vector<std::uint8_t>> valuesOf(RegistryStore& store, const std::string& keyPath) {
    std::map<std::uint32_t, std::vector<std::uint8_t>> out;
    RegKey key = 0;
    if (store.openKey(kHkeyCurrentUser, keyPath, kKeyRead, key) != kRegOk) return out;
    std::string name;
    RegType type = 0;
    std::vector<std::uint8_t> data;
    for (std::uint32_t i = 0; store.enumValue(key, i, name, type, data) == kRegOk; ++i) {
        out[static_cast<std::uint32_t>(std::stoul(name))] = data;
    }
    store.closeKey(key);
    return out;
}

// One kind of writer: how to start it for a round and what its acknowledgements mean.
struct WriterForm {
    const char* name;
    int delayDivisor;  // the longest wait before a kill is ZW_CRASH_MAX_DELAY_MS divided by this
    std::vector<std::string> (*command)(const std::string& store, const std::string& key, std::uint32_t first);
    // How many values the change that starts at a number writes (its acknowledgement names the last).
    std::uint32_t (*changeSize)(std::uint32_t first);
    // Whether a value found in the store holds what its number says.
    bool (*holdsItsData)(std::uint32_t n, const std::vector<std::uint8_t>& data);
};

std::vector<std::string> zwregLoop(const std::string& store, const std::string& key, std::uint32_t first) {
    const std::string script = "i=" + std::to_string(first) + "; while :; do ZUNDERWERK_REGISTRY=\"$1\" \"$2\" add 'HKCU\\" +
                               key + "' /v $i /t REG_DWORD /d $i /f >/dev/null 2>&1 && echo $i; i=$((i+1)); done";
    return {"/bin/sh", "-c", script, "writer", store, ZWREG_PATH};
}
std::uint32_t oneValue(std::uint32_t) { return 1; }
bool holdsOwnNumber(std::uint32_t n, const std::vector<std::uint8_t>& data) {
    std::uint32_t value = 0;
    if (data.size() == 4) std::memcpy(&value, data.data(), 4);
    return data.size() == 4 && value == n;
}

std::vector<std::string> fastWriter(const std::string& store, const std::string& key, std::uint32_t first) {
    return {selfPath, "--writer", store, key, std::to_string(first)};
}
bool holdsPayload(std::uint32_t n, const std::vector<std::uint8_t>& data) {
    if (data.size() != 12 + kFillerBytes) return false;
    std::uint32_t head[3];
    std::memcpy(head, data.data(), sizeof head);
    return head[0] == n && head[1] <= n && head[2] == batchSize(head[1]) && n < head[1] + head[2] &&
           data == payload(n, head[1]);
}

const WriterForm kZwregCommands{"zwreg add commands", 1, zwregLoop, oneValue, holdsOwnNumber};
const WriterForm kFastWriter{"fast writer", 4, fastWriter, batchSize, holdsPayload};

struct Totals {
    int rounds = 0;
    int killedWhileRunning = 0;
    int inFlightFoundCommitted = 0;
    std::size_t acknowledged = 0;
    double seconds = 0;
};

// Runs the rounds of one writer form on a new store and checks the store after each.
Totals runRounds(const WriterForm& form) {
    Totals totals;
    totals.rounds = envNumber("ZW_CRASH_ROUNDS", 20);
    const int maxDelayMs = envNumber("ZW_CRASH_MAX_DELAY_MS", 600) / form.delayDivisor;
    test::TempFolder folder;
    const std::string storePath = folder.file("registry.db");
    std::mt19937 rng(std::random_device{}());
    std::uniform_int_distribution<int> delayUs(0, maxDelayMs * 1000);
    std::vector<std::pair<std::string, std::uint32_t>> earlier;  // (key, number) of every acknowledged write

    const auto start = Clock::now();
    for (int round = 0; round < totals.rounds; ++round) {
        SCOPED_TRACE(std::string(form.name) + ", round " + std::to_string(round));
        const std::string keyPath = std::string(kBaseKey) + "\\R" + std::to_string(round);
        constexpr std::uint32_t kFirst = 1;
        test::KilledWriter writer(form.command(storePath, keyPath, kFirst));
        EXPECT_TRUE(writer.started());
        if (!writer.started()) break;
        totals.killedWhileRunning += writer.killAfter(std::chrono::microseconds(delayUs(rng)));
        EXPECT_EQ(writer.exitStatus(), -1) << "the writer ended by itself (a write failed)";
        const std::vector<long> acks = writer.acknowledged();

        // A writer killed before it created the store leaves no file; that is no fault.
        if (std::filesystem::exists(storePath)) {
            EXPECT_EQ(integrityCheck(storePath), "ok");
        }
        const auto opened = SqliteRegistryStore::open(storePath);
        EXPECT_TRUE(opened.status == SqliteRegistryStore::OpenStatus::Opened ||
                    opened.status == SqliteRegistryStore::OpenStatus::Created)
            << opened.detail;
        if (!opened.store) break;
        RegistryStore& store = *opened.store;
        const auto present = valuesOf(store, keyPath);

        // The acknowledged changes follow each other without a gap, from the first number on.
        std::set<std::uint32_t> acked;
        std::uint32_t next = kFirst;
        for (const long ack : acks) {
            const std::uint32_t last = next + form.changeSize(next) - 1;
            EXPECT_EQ(ack, last) << "acknowledgement " << ack << " is not the end of the change after the one before";
            while (next <= last) acked.insert(next++);
        }
        std::vector<std::uint32_t> inFlight;
        for (std::uint32_t n = next; n < next + form.changeSize(next); ++n) inFlight.push_back(n);
        for (const std::uint32_t n : acked) {
            const auto found = present.find(n);
            EXPECT_TRUE(found != present.end()) << "acknowledged write " << n << " is lost";
            if (found != present.end()) {
                EXPECT_TRUE(form.holdsItsData(n, found->second)) << "write " << n << " holds other data";
            }
        }
        std::size_t inFlightPresent = 0;
        for (const auto& [n, data] : present) {
            const bool flying = std::find(inFlight.begin(), inFlight.end(), n) != inFlight.end();
            EXPECT_TRUE(acked.count(n) || flying) << "value " << n << " was never written";
            EXPECT_TRUE(form.holdsItsData(n, data)) << "value " << n << " holds other data";
            inFlightPresent += flying;
        }
        EXPECT_TRUE(inFlightPresent == 0 || inFlightPresent == inFlight.size())
            << "the change in flight is there in part: " << inFlightPresent << " of " << inFlight.size();
        totals.inFlightFoundCommitted += inFlightPresent > 0;

        // Earlier rounds' writes stay: a sample each round, all of them after the last round.
        std::shuffle(earlier.begin(), earlier.end(), rng);
        const bool last = round + 1 == totals.rounds;
        const std::size_t sample = last ? earlier.size() : std::min<std::size_t>(earlier.size(), 100);
        for (std::size_t i = 0; i < sample; ++i) {
            RegKey key = 0;
            std::uint32_t size = 0;
            const bool kept = store.openKey(kHkeyCurrentUser, earlier[i].first, kKeyRead, key) == kRegOk &&
                              store.queryValue(key, std::to_string(earlier[i].second), nullptr, nullptr, &size) == kRegOk;
            if (key) store.closeKey(key);
            EXPECT_TRUE(kept) << "write " << earlier[i].second << " of " << earlier[i].first << " is lost later";
        }
        EXPECT_EQ(store.openHandleCount(), 0u);
        for (const std::uint32_t n : acked) earlier.emplace_back(keyPath, n);
        totals.acknowledged += acked.size();
        if (testing::Test::HasFailure()) break;
    }
    totals.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%s: %d rounds (%d killed while writing, %d with the change in flight committed), "
                "%zu acknowledged writes, %.1f s\n",
                form.name, totals.rounds, totals.killedWhileRunning, totals.inFlightFoundCommitted,
                totals.acknowledged, totals.seconds);
    return totals;
}

TEST(StoreCrash, ZwregCommandsKilledAtRandomKeepEveryAcknowledgedWrite) {
    const Totals totals = runRounds(kZwregCommands);
    EXPECT_GT(totals.acknowledged, 0u) << "no write was acknowledged: the writer never ran";
    RecordProperty("acknowledged_writes", static_cast<int>(totals.acknowledged));
}

TEST(StoreCrash, FastWriterKilledInsideCommitsKeepsEveryAcknowledgedChangeWhole) {
    const Totals totals = runRounds(kFastWriter);
    EXPECT_GT(totals.acknowledged, 0u) << "no write was acknowledged: the writer never ran";
    RecordProperty("acknowledged_writes", static_cast<int>(totals.acknowledged));
}

}  // namespace
}  // namespace zw

int main(int argc, char** argv) {
    zw::selfPath = "/proc/self/exe";
    if (argc == 5 && std::string(argv[1]) == "--writer") {
        return zw::runWriter(argv[2], argv[3], static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10)));
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
