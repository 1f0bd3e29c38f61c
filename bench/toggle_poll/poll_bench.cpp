// What one state poll costs: one GetValueText on the store file (WAL) and the rule.
#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "tips/tips_toggles.h"
#include "tuning/tuning_toggles.h"
#include "tweak/state_poll.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

struct StoreFile {
    StoreFile()
    {
        dir = std::filesystem::temp_directory_path() / ("zw-poll-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        auto opened = zw::platform::SqliteRegistryStore::open((dir / "registry.db").string(), zw::platform::seedDefaultHive);
        store = opened.store;
        previous = zw::platform::setActiveRegistry(store);
    }
    ~StoreFile()
    {
        zw::platform::setActiveRegistry(previous);
        store.reset();
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
    std::shared_ptr<zw::platform::RegistryStore> store;
    std::shared_ptr<zw::platform::RegistryStore> previous;
};

void PollOneRecord(benchmark::State& state)
{
    StoreFile file;
    const auto& record = zw::tuningToggles()[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::pollToggle(record));
    state.SetLabel(record.name);
}
BENCHMARK(PollOneRecord)->Arg(0)->Arg(1)->Arg(5);

void PollEveryRecord(benchmark::State& state)
{
    StoreFile file;
    for (auto _ : state)
        for (const auto* records : {&zw::tuningToggles(), &zw::tipsToggles()})
            for (const auto& record : *records)
                benchmark::DoNotOptimize(zw::pollToggle(record));
    state.SetItemsProcessed(state.iterations() * 20);
}
BENCHMARK(PollEveryRecord);

}  // namespace

BENCHMARK_MAIN();
