// The state poll's path through the registry: GetValueText on a store of 100,000 keys, and
// the share of one core that a loop polling one value every millisecond takes.
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "tweak/registry.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zw;

constexpr int kKeys = 100000;

std::string keyPath(int i) {
    return "Software\\Bench\\Gruppe" + std::to_string(i / 100) + "\\Schlüssel" + std::to_string(i);
}

// One store of 100,000 keys for the whole run, in a folder of its own.
class BenchStore {
public:
    BenchStore() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zwbench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        store_ = platform::SqliteRegistryStore::open((folder_ / "registry.db").string()).store;
        store_->applyAtomically([&] {
            for (int i = 0; i < kKeys; ++i) {
                platform::RegKey key = 0;
                store_->createKey(platform::kHkeyCurrentUser, keyPath(i), platform::kKeyAllAccess, key);
                const std::uint8_t value[4] = {static_cast<std::uint8_t>(i), 0, 0, 0};
                store_->setValue(key, "EnableBalloonTips", platform::kRegDword, value, 4);
                store_->closeKey(key);
            }
            return platform::kRegOk;
        });
        platform::setActiveRegistry(store_);
    }
    ~BenchStore() {
        platform::setActiveRegistry(nullptr);
        store_.reset();
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::SqliteRegistryStore> store_;
};

BenchStore& benchStore() {
    static BenchStore store;
    return store;
}

void GetValueTextOn100000Keys(benchmark::State& state) {
    benchStore();
    std::mt19937 random(42);
    std::vector<std::string> paths;
    for (int i = 0; i < 4096; ++i) paths.push_back(keyPath(static_cast<int>(random() % kKeys)));
    std::size_t next = 0;
    for (auto _ : state) {
        std::string text = Registry::GetValueText(1, paths[next++ & 4095], "EnableBalloonTips");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(GetValueTextOn100000Keys)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Every call reads a key not read before (a walk through all 100,000), so the answers come from
// the database rather than from what the connection has already read.
void GetValueTextOfKeysNotReadBefore(benchmark::State& state) {
    benchStore();
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> all;
        for (int i = 0; i < kKeys; ++i) all.push_back(keyPath(i));
        return all;
    }();
    static std::size_t next = 0;
    for (auto _ : state) {
        std::string text = Registry::GetValueText(1, paths[next++ % kKeys], "EnableBalloonTips");
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(GetValueTextOfKeysNotReadBefore)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

double seconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// CPU share of one core, over two seconds, of a loop that wakes every millisecond (absolute
// deadlines) and runs `poll`.
template <typename Poll>
double cpuShareOfMillisecondLoop(Poll poll, double& pollsPerSecond) {
    const double wallStart = seconds(CLOCK_MONOTONIC), cpuStart = seconds(CLOCK_PROCESS_CPUTIME_ID);
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    int polls = 0;
    for (; polls < 2000; ++polls) {
        poll();
        deadline.tv_nsec += 1000000;
        if (deadline.tv_nsec >= 1000000000) {
            deadline.tv_nsec -= 1000000000;
            ++deadline.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr);
    }
    const double wall = seconds(CLOCK_MONOTONIC) - wallStart;
    pollsPerSecond = polls / wall;
    return 100.0 * (seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuStart) / wall;
}

// The 1 ms poll of one value, beside the same loop that only wakes up: the difference is what
// the registry read costs.
void PollEveryMillisecondCpuShare(benchmark::State& state) {
    benchStore();
    const std::string path = keyPath(4711);
    for (auto _ : state) {
        double rate = 0;
        state.counters["cpu_percent_poll"] = cpuShareOfMillisecondLoop(
            [&] { benchmark::DoNotOptimize(Registry::GetValueText(1, path, "EnableBalloonTips")); }, rate);
        state.counters["polls_per_second"] = rate;
        state.counters["cpu_percent_wake_only"] = cpuShareOfMillisecondLoop([] {}, rate);
    }
}
BENCHMARK(PollEveryMillisecondCpuShare)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
