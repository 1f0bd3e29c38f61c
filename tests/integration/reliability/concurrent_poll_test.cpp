// An open toggle window (the balloon-tips window, its own Timer1 polling) beside another
// process that writes the same store file 1,000 times a second, flipping the polled value
// between the applied and the default state and values that decide nothing:
//  - every write is acknowledged (the writer exits 0) and present afterwards;
//  - the window shows no message and its reads meet no error (only values or their absence);
//  - its buttons follow while the writer runs and match the last value once it stopped;
//  - no handle stays open.
// The gaps between poll ticks are measured and printed with the other figures (writes per
// second, CPU); they are not asserted. ZW_CONCURRENCY_SECONDS sets the length (default 10).
#include "concurrent_writes.h"

#include "support/event_waits.h"
#include "support/fake_services.h"
#include "support/forwarding_registry_store.h"

#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "temp_folder.h"
#include "tuning/tuning_toggles.h"
#include "tweak/registry.h"
#include "tweak/toggle_window.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zw::test {
namespace {

using namespace concurrent;
using Clock = std::chrono::steady_clock;

// Counts the answers of reads that are errors rather than a value or its absence.
class ReadErrorCounter final : public ForwardingRegistryStore {
public:
    using ForwardingRegistryStore::ForwardingRegistryStore;
    long errors = 0;

    RegResult openKey(RegKey p, std::string_view k, RegAccess a, RegKey& o) override
    {
        return count(ForwardingRegistryStore::openKey(p, k, a, o));
    }
    RegResult queryValue(RegKey k, std::string_view n, RegType* t, std::uint8_t* d, std::uint32_t* s) override
    {
        return count(ForwardingRegistryStore::queryValue(k, n, t, d, s));
    }

private:
    RegResult count(RegResult rc)
    {
        if (rc != platform::kRegOk && rc != platform::kRegFileNotFound && rc != platform::kRegMoreData)
            ++errors;
        return rc;
    }
};

int testSeconds()
{
    const char* env = std::getenv("ZW_CONCURRENCY_SECONDS");
    const int seconds = env ? std::atoi(env) : 0;
    return seconds > 0 ? seconds : 10;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const RegistryToggle& balloonTips()
{
    for (const RegistryToggle& t : tuningToggles()) {
        if (t.name == "reg_balloontips")
            return t;
    }
    throw std::runtime_error("no reg_balloontips record");
}

// What the buttons show: a state, or none while both are enabled.
std::optional<ToggleState> shownState(const QPushButton& apply, const QPushButton& restore)
{
    if (!apply.isEnabled() && restore.isEnabled())
        return ToggleState::Applied;
    if (apply.isEnabled() && !restore.isEnabled())
        return ToggleState::Default;
    return std::nullopt;
}

// Ticks of the window's Timer1, seen right after the window's own poll ran.
struct TickLog {
    long ticks = 0;
    long ticksWithOpenHandles = 0;
    long stateChanges = 0;
    bool sawApplied = false, sawDefault = false;
    std::optional<ToggleState> last;
    std::vector<double> gapsMs;  // between one tick and the next
    double longestMs = 0;
    long longestAt = 0;  // the tick that ended the longest gap
    std::optional<Clock::time_point> previous;

    void tick(const QPushButton& apply, const QPushButton& restore, const platform::RegistryStore& store)
    {
        const auto now = Clock::now();
        if (previous) {
            gapsMs.push_back(std::chrono::duration<double, std::milli>(now - *previous).count());
            if (gapsMs.back() > longestMs) {
                longestMs = gapsMs.back();
                longestAt = ticks;
            }
        }
        previous = now;
        ++ticks;
        if (store.openHandleCount() != 0)
            ++ticksWithOpenHandles;
        const std::optional<ToggleState> state = shownState(apply, restore);
        if (state && last && *state != *last)
            ++stateChanges;
        if (state)
            last = state;
        sawApplied |= state == ToggleState::Applied;
        sawDefault |= state == ToggleState::Default;
    }
};

TEST(ConcurrentPoll, AnOpenToggleWindowBesideAWriterAtAThousandPerSecond)
{
    const int seconds = testSeconds();
    const long total = long(seconds) * kWritesPerSecond;
    TempFolder folder;
    const std::string storePath = folder.file("registry.db");
    auto opened = platform::SqliteRegistryStore::open(storePath, platform::seedDefaultHive);
    ASSERT_TRUE(opened.store) << opened.detail;
    auto store = std::make_shared<ReadErrorCounter>(opened.store);
    platform::ScopedRegistry scoped(store);
    FakeServices fakes;

    ToggleWindow window(balloonTips());
    window.runLoad();
    window.show();
    auto* apply = window.findChild<QPushButton*>("Command1");
    auto* restore = window.findChild<QPushButton*>("Command2");
    auto* timer = window.findChild<QTimer*>("Timer1");
    ASSERT_TRUE(apply && restore && timer && timer->isActive());

    TickLog log;
    QObject::connect(timer, &QTimer::timeout, &window, [&] { log.tick(*apply, *restore, *store); });

    settle();  // the window has painted and polls

    QProcess writer;
    QEventLoop untilWriterEnds;
    QObject::connect(&writer, &QProcess::finished, &untilWriterEnds, &QEventLoop::quit);
    QObject::connect(&writer, &QProcess::errorOccurred, &untilWriterEnds, &QEventLoop::quit);
    writer.start(QStringLiteral(CONCURRENT_WRITER_PATH),
                 {QString::fromStdString(storePath), QString::number(seconds)});
    // Measured from here: start() holds this thread until the writer has been executed,
    // which is the test's doing, not the window's.
    log = TickLog{};
    const double cpuBefore = cpuSeconds();
    const auto started = Clock::now();
    untilWriterEnds.exec();
    const double windowCpu = cpuSeconds() - cpuBefore;
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();

    ASSERT_EQ(writer.exitStatus(), QProcess::NormalExit) << writer.errorString().toStdString();
    const std::string figures = writer.readAllStandardOutput().trimmed().toStdString();
    EXPECT_EQ(writer.exitCode(), 0) << figures << "\n" << writer.readAllStandardError().toStdString();

    // The buttons settle on the last write's state and stay there.
    const std::optional<ToggleState> expected = shownAfter(total);
    ASSERT_TRUE(expected);
    EXPECT_TRUE(waitUntil([&] { return shownState(*apply, *restore) == expected; }))
        << "the buttons do not show the last value " << probeText(total);
    settle();
    EXPECT_EQ(shownState(*apply, *restore), expected);

    EXPECT_EQ(Registry::GetValueText(kHive, kProbeKey, kProbeValue), probeText(total));
    long missing = 0, firstMissing = 0;
    for (long i = 1; i <= total; ++i) {
        if (Registry::GetValueText(kHive, kJournalKey, std::to_string(i)) != std::to_string(i) && !missing++)
            firstMissing = i;
    }
    EXPECT_EQ(missing, 0) << "acknowledged writes missing, the first is " << firstMissing;

    EXPECT_GT(log.ticks, 0);
    EXPECT_TRUE(log.sawApplied && log.sawDefault) << "the buttons did not follow the writer";
    EXPECT_EQ(store->errors, 0) << "reads that met an error";
    EXPECT_EQ(log.ticksWithOpenHandles, 0);
    EXPECT_EQ(store->openHandleCount(), 0u);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << fakes.dialogs.messages.value(0).text.toStdString();

    long writtenChanges = 0;  // changes of the state the writes decide, to compare with those followed
    for (long write = 1 + kPhaseWrites; write <= total; write += kPhaseWrites)
        writtenChanges += shownAfter(write) != shownAfter(write - kPhaseWrites);

    std::vector<double> gaps = log.gapsMs;
    std::sort(gaps.begin(), gaps.end());
    const auto at = [&](double share) { return gaps.empty() ? 0.0 : gaps[std::size_t(share * double(gaps.size() - 1))]; };
    const long over50 = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 50; });
    const long over100 = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 100; });
    std::printf("writer: %s\n", figures.c_str());
    std::printf("window: %ld poll ticks in %.1f s, %ld of %ld state changes followed; gap between ticks median %.1f ms, "
                "99th percentile %.1f ms, longest %.1f ms (before tick %ld); gaps over 50 ms: %ld, over 100 ms: %ld; "
                "CPU %.2f s (%.0f %% of one core)\n",
                log.ticks, elapsed, log.stateChanges, writtenChanges, at(0.5), at(0.99), at(1.0), log.longestAt, over50, over100, windowCpu,
                100.0 * windowCpu / elapsed);
    RecordProperty("longest_gap_ms", static_cast<int>(at(1.0)));
}

}  // namespace
}  // namespace zw::test
