// What one state poll costs: one GetValueText on the store file (WAL) and the rule.
#include "bench_store_file.h"
#include "platform/default_hive.h"
#include "tips/tips_toggles.h"
#include "tuning/tuning_toggles.h"
#include "tweak/state_poll.h"

#include <benchmark/benchmark.h>

namespace {

struct StoreFile : zw::bench::StoreFile {
    StoreFile() : zw::bench::StoreFile("zw-poll-bench-", zw::platform::seedDefaultHive) {}
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
