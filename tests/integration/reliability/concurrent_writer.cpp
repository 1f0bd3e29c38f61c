// The other process of the concurrency test: writes the store file 1,000 times a second.
//
//   concurrent_writer <store> <seconds>
//
// Each write is one transaction (see concurrent_writes.h). Before the last write it prints
// "last" and waits for a line on its input (or its end), so that whoever watches can stop
// writing of its own first. Then it prints one line of figures:
//   writes=<n> failed=<n> seconds=<elapsed> longest_write_ms=<ms> cpu_s=<user+system>
// and exits 0 only when every write was acknowledged by the store.
#include "concurrent_writes.h"

#include "platform/sqlite_registry_store.h"

#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace zw;
using namespace zw::test::concurrent;
using Clock = std::chrono::steady_clock;

const std::uint8_t* bytes(const void* data) { return static_cast<const std::uint8_t*>(data); }

std::array<std::uint8_t, 4> littleEndian(std::uint32_t n)
{
    return {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
}

platform::RegResult writeProbe(platform::RegistryStore& store, platform::RegKey key, const ProbeWrite& w)
{
    switch (w.kind) {
    case ProbeWrite::Kind::Dword: {
        const auto le = littleEndian(w.number);
        return store.setValue(key, kProbeValue, platform::kRegDword, le.data(), 4);
    }
    case ProbeWrite::Kind::Text:
        return store.setValue(key, kProbeValue, platform::kRegSz, bytes(w.text),
                              static_cast<std::uint32_t>(std::string_view(w.text).size() + 1));
    case ProbeWrite::Kind::Delete: {
        const platform::RegResult rc = store.deleteValue(key, kProbeValue);
        return rc == platform::kRegFileNotFound ? platform::kRegOk : rc;  // already gone: the same outcome
    }
    }
    return platform::kRegInvalidParameter;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: concurrent_writer <store> <seconds>\n");
        return 2;
    }
    const long total = std::atol(argv[2]) * kWritesPerSecond;
    auto opened = platform::SqliteRegistryStore::open(argv[1]);
    if (!opened.store) {
        std::fprintf(stderr, "cannot open %s: %s\n", argv[1], opened.detail.c_str());
        return 3;
    }
    platform::RegistryStore& store = *opened.store;
    platform::RegKey probe = 0, journal = 0;
    if (store.createKey(platform::rootKey(kHive), kProbeKey, platform::kKeyAllAccess, probe) != platform::kRegOk ||
        store.createKey(platform::rootKey(kHive), kJournalKey, platform::kKeyAllAccess, journal) != platform::kRegOk) {
        std::fprintf(stderr, "cannot create the keys\n");
        return 4;
    }

    long failed = 0;
    Clock::duration longest{};
    const auto start = Clock::now();
    for (long i = 1; i <= total; ++i) {
        if (i == total) {
            std::puts("last");
            std::fflush(stdout);
            char line[8];
            (void)std::fgets(line, sizeof line, stdin);
        }
        const std::string name = std::to_string(i);
        const auto le = littleEndian(static_cast<std::uint32_t>(i));
        const auto before = Clock::now();
        const platform::RegResult rc = store.applyAtomically([&] {
            const platform::RegResult probed = writeProbe(store, probe, probeWrite(i));
            return probed != platform::kRegOk ? probed : store.setValue(journal, name, platform::kRegDword, le.data(), 4);
        });
        const auto after = Clock::now();
        longest = std::max(longest, after - before);
        if (rc != platform::kRegOk) {
            ++failed;
            std::fprintf(stderr, "write %ld failed: error %ld\n", i, static_cast<long>(rc));
        }
        std::this_thread::sleep_until(start + std::chrono::microseconds(1'000'000LL * i / kWritesPerSecond));
    }
    const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    store.closeKey(probe);
    store.closeKey(journal);
    std::printf("writes=%ld failed=%ld seconds=%.3f longest_write_ms=%.2f cpu_s=%.3f\n", total, failed, elapsed,
                std::chrono::duration<double, std::milli>(longest).count(), cpuSeconds());
    return failed == 0 && store.openHandleCount() == 0 ? 0 : 1;
}
