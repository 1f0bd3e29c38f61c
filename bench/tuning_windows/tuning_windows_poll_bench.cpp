// What one tick of the special windows' polls costs on a store file: the mail splash poll
// (enumerates every identity, then reads), and the disc cache and service time-out polls.
#include "bench_store_file.h"
#include "tuning/disc_cache.h"
#include "tuning/mail_identity.h"
#include "tuning/shutdown_tuning.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

struct StoreFile : zw::bench::StoreFile {
    StoreFile() : zw::bench::StoreFile("zw-special-bench-") {}
};

// Arg: number of identities below "Identities"; the last one holds "NoSplash".
void SplashPoll(benchmark::State& state)
{
    StoreFile file;
    for (long i = 0; i < state.range(0); ++i) {
        char id[64];
        std::snprintf(id, sizeof id, "{%08lX-0000-4000-8000-000000000000}", i);
        zw::Registry::SetDwordValue(1, zw::identityKeyPath(id), "NoSplash", 1);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::pollOutlookSplash());
}
BENCHMARK(SplashPoll)->Arg(0)->Arg(1)->Arg(4)->Arg(32);

void DiscCachePoll(benchmark::State& state)
{
    StoreFile file;
    zw::Registry::SetDwordValue(2, zw::discCacheSetting().probe.key, "IoPageLockLimit", 262144);  // the last entry
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::pollChoice(zw::discCacheSetting()));
}
BENCHMARK(DiscCachePoll);

void ServiceTimeoutPoll(benchmark::State& state)
{
    StoreFile file;
    zw::Registry::SetStringValue(2, zw::killServiceTimeoutSetting().probe.key, "WaitToKillServiceTimeout", "1");
    for (auto _ : state)
        benchmark::DoNotOptimize(zw::pollChoice(zw::killServiceTimeoutSetting()));
}
BENCHMARK(ServiceTimeoutPoll);

}  // namespace

BENCHMARK_MAIN();
