// A toggle window's poll beside another process that writes the same store 1,000 times a
// second: every write succeeds and is the one seen at the end, the poll never reads an error
// (an empty text) or a value older than one it read before, and the longest gap between two
// poll ticks is reported. ZW_CONCURRENCY_SECONDS sets the length (default 10).
//
// The writer is this program again, started as `concurrent_poll_test --writer <store> <seconds>`.
#include "temp_folder.h"

#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "tweak/poll_period.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

extern char** environ;

namespace zw {
namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kKey = "Software\\Zunderwerk\\Concurrent";
constexpr int kWritesPerSecond = 1000;

std::string selfPath;

// Writes 1, 2, ... N to the counter value, paced at 1,000 a second; the exit code is the
// number of writes that failed (capped).
int runWriter(const std::string& storePath, int seconds) {
    auto opened = platform::SqliteRegistryStore::open(storePath);
    if (!opened.store) return 100;
    platform::RegKey key = 0;
    if (opened.store->createKey(platform::kHkeyCurrentUser, kKey, platform::kKeyAllAccess, key) != platform::kRegOk) {
        return 101;
    }
    int failed = 0;
    const auto start = Clock::now();
    const int total = seconds * kWritesPerSecond;
    for (int i = 1; i <= total; ++i) {
        const std::string text = std::to_string(i);
        if (opened.store->setValue(key, "Counter", platform::kRegSz, reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                   static_cast<std::uint32_t>(text.size() + 1)) != platform::kRegOk) {
            ++failed;
        }
        std::this_thread::sleep_until(start + std::chrono::microseconds(1'000'000LL * i / kWritesPerSecond));
    }
    opened.store->closeKey(key);
    return failed > 99 ? 99 : failed;
}

TEST(ConcurrentPoll, PollBesideAWriterAtAThousandPerSecond) {
    const char* env = std::getenv("ZW_CONCURRENCY_SECONDS");
    const int seconds = env ? std::atoi(env) : 10;
    test::TempFolder folder;
    const std::string storePath = folder.file("registry.db");
    auto store = platform::SqliteRegistryStore::open(storePath).store;
    ASSERT_TRUE(store);
    platform::ScopedRegistry scoped(store);
    Registry::SetStringValue(1, kKey, "Counter", "0");

    std::vector<std::string> args = {selfPath, "--writer", storePath, std::to_string(seconds)};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t writer = -1;
    ASSERT_EQ(posix_spawn(&writer, selfPath.c_str(), nullptr, nullptr, argv.data(), environ), 0);

    long lastSeen = 0;
    long ticks = 0;
    Clock::duration longestGap{};
    auto previous = Clock::now();
    int status = 0;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        std::this_thread::sleep_until(previous + std::chrono::milliseconds(kPollPeriodMs));
        const auto now = Clock::now();
        longestGap = std::max(longestGap, now - previous);
        previous = now;
        const std::string text = Registry::GetValueText(1, kKey, "Counter");
        ASSERT_FALSE(text.empty()) << "tick " << ticks << " read nothing";
        const long seen = std::atol(text.c_str());
        ASSERT_GE(seen, lastSeen) << "tick " << ticks << " read an older value";
        lastSeen = seen;
        ++ticks;
        ASSERT_EQ(store->openHandleCount(), 0u);
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "writes failed in the writer";
    EXPECT_EQ(Registry::GetValueText(1, kKey, "Counter"), std::to_string(seconds * kWritesPerSecond));
    const double gapMs = std::chrono::duration<double, std::milli>(longestGap).count();
    std::printf("%d writes in %d s beside %ld poll ticks; longest gap between ticks %.1f ms\n",
                seconds * kWritesPerSecond, seconds, ticks, gapMs);
    RecordProperty("longest_gap_ms", static_cast<int>(gapMs));
}

}  // namespace
}  // namespace zw

int main(int argc, char** argv) {
    zw::selfPath = "/proc/self/exe";
    if (argc == 4 && std::string(argv[1]) == "--writer") return zw::runWriter(argv[2], std::atoi(argv[3]));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
