// One session of a short-lived writer, as a zwreg command runs it: open the store file (with
// the default hive as seed), write one value, close. Measured on a store with the default hive
// only and on one that holds 10,000 further values, each phase on its own and as a whole.
#include "platform/default_hive.h"
#include "platform/sqlite_registry_store.h"
#include "platform/store_recovery.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace zw::platform;

constexpr const char* kKey = "Software\\Zunderwerk\\Bench";

// A store file in a folder of its own, filled with `values` values beside the default hive.
class SessionStore {
public:
    explicit SessionStore(int values) {
        std::string pattern = (std::filesystem::temp_directory_path() / "zwsession-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        folder_ = pattern;
        path_ = (folder_ / "registry.db").string();
        auto store = openStoreFile(path_, seedDefaultHive).store;
        store->applyAtomically([&] {
            RegKey key = 0;
            store->createKey(kHkeyCurrentUser, kKey, kKeyAllAccess, key);
            for (int i = 0; i < values; ++i) {
                const std::uint32_t n = static_cast<std::uint32_t>(i);
                store->setValue(key, "v" + std::to_string(i), kRegDword, reinterpret_cast<const std::uint8_t*>(&n), 4);
            }
            store->closeKey(key);
            return kRegOk;
        });
    }
    ~SessionStore() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

void writeOne(RegistryStore& store, std::uint32_t n) {
    RegKey key = 0;
    if (store.createKey(kHkeyCurrentUser, kKey, kKeyAllAccess, key) != kRegOk) std::abort();
    if (store.setValue(key, "session", kRegDword, reinterpret_cast<const std::uint8_t*>(&n), 4) != kRegOk)
        std::abort();
    store.closeKey(key);
}

void OpenWriteClose(benchmark::State& state) {
    SessionStore file(static_cast<int>(state.range(0)));
    std::uint32_t n = 0;
    for (auto _ : state) {
        auto store = openStoreFile(file.path(), seedDefaultHive).store;
        writeOne(*store, ++n);
    }
}
BENCHMARK(OpenWriteClose)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

void OpenClose(benchmark::State& state) {
    SessionStore file(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(openStoreFile(file.path(), seedDefaultHive).store);
}
BENCHMARK(OpenClose)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

// A write in a store that stays open: what each change costs a long-lived writer.
void WriteInOpenStore(benchmark::State& state) {
    SessionStore file(static_cast<int>(state.range(0)));
    auto store = openStoreFile(file.path(), seedDefaultHive).store;
    std::uint32_t n = 0;
    for (auto _ : state) writeOne(*store, ++n);
}
BENCHMARK(WriteInOpenStore)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
