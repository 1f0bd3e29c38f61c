// An open toggle window (the balloon-tips window, its own Timer1 polling) beside another
// process that writes the same store file 1,000 times a second, flipping the polled value
// between the applied and the default state and values that decide nothing:
//  - every write is acknowledged (the writer exits 0) and present afterwards;
//  - the window shows no message and its reads meet no error (only values or their absence);
//  - its buttons follow while the writer runs and match the last value once it stopped;
//  - no handle stays open.
// A second round also clicks the enabled button five times a second, so that the window's own
// writes meet the writer's: each is acknowledged and followed by the success message alone.
// The gaps between poll ticks are measured and printed with the other figures (writes per
// second, CPU); they are not asserted. ZW_CONCURRENCY_SECONDS sets the length (default 10).
#include "concurrent_writes.h"
#include "thread_times.h"

#include "support/event_waits.h"
#include "support/fake_services.h"
#include "support/forwarding_registry_store.h"

#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "shell/success_message.h"
#include "temp_folder.h"
#include "tuning/tuning_toggles.h"
#include "tweak/registry.h"
#include "tweak/toggle_window.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace zw::test {
namespace {

using namespace concurrent;
using Clock = std::chrono::steady_clock;

// Counts the answers that are errors rather than a value or its absence, and times the reads:
// a long read is a wait inside the store, a long gap with short reads is not.
class WatchedStore final : public ForwardingRegistryStore {
public:
    using ForwardingRegistryStore::ForwardingRegistryStore;
    long errors = 0;
    Span longestRead;

    RegResult openKey(RegKey p, std::string_view k, RegAccess a, RegKey& o) override
    {
        return timed([&] { return ForwardingRegistryStore::openKey(p, k, a, o); });
    }
    RegResult queryValue(RegKey k, std::string_view n, RegType* t, std::uint8_t* d, std::uint32_t* s) override
    {
        return timed([&] { return ForwardingRegistryStore::queryValue(k, n, t, d, s); });
    }
    RegResult createKey(RegKey p, std::string_view k, RegAccess a, RegKey& o, bool* c) override
    {
        return counted(ForwardingRegistryStore::createKey(p, k, a, o, c));
    }
    RegResult setValue(RegKey k, std::string_view n, RegType t, const std::uint8_t* d, std::uint32_t s) override
    {
        return counted(ForwardingRegistryStore::setValue(k, n, t, d, s));
    }

private:
    template <class Read>
    RegResult timed(Read read)
    {
        const auto start = Clock::now();
        const ThreadTimes before = ThreadTimes::now();
        const RegResult rc = read();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (ms > longestRead.ms)
            longestRead = {ms, ThreadTimes::now() - before};
        return counted(rc);
    }
    RegResult counted(RegResult rc)
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
    Span longest;
    long longestAt = 0;  // the tick that ended the longest gap
    std::optional<Clock::time_point> previous;
    ThreadTimes previousTimes{};

    void tick(const QPushButton& apply, const QPushButton& restore, const platform::RegistryStore& store)
    {
        const auto now = Clock::now();
        const ThreadTimes times = ThreadTimes::now();
        if (previous) {
            gapsMs.push_back(std::chrono::duration<double, std::milli>(now - *previous).count());
            if (gapsMs.back() > longest.ms) {
                longest = {gapsMs.back(), times - previousTimes};
                longestAt = ticks;
            }
        }
        previous = now;
        previousTimes = times;
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

// Clicks the enabled button (Apply, or Restore when Apply is not) and times the click.
struct Clicker {
    long clicks = 0;
    double longestMs = 0;

    void click(QPushButton& apply, QPushButton& restore)
    {
        const auto start = Clock::now();
        (apply.isEnabled() ? apply : restore).click();
        longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        ++clicks;
    }
};

struct Round {
    const char* name;
    int clickEveryMs;  // 0: no clicks
};

class ConcurrentPoll : public ::testing::TestWithParam<Round> {};

TEST_P(ConcurrentPoll, AnOpenToggleWindowBesideAWriterAtAThousandPerSecond)
{
    const int seconds = testSeconds();
    const long total = long(seconds) * kWritesPerSecond;
    TempFolder folder;
    const std::string storePath = folder.file("registry.db");
    auto opened = platform::SqliteRegistryStore::open(storePath, platform::seedDefaultHive);
    ASSERT_TRUE(opened.store) << opened.detail;
    auto store = std::make_shared<WatchedStore>(opened.store);
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

    Clicker clicker;
    QTimer clicks;
    clicks.setInterval(GetParam().clickEveryMs);
    QObject::connect(&clicks, &QTimer::timeout, [&] { clicker.click(*apply, *restore); });

    // The writer says "last" before its last write and waits for a line: the clicks stop
    // first, so that the last write is the writer's.
    QProcess writer;
    QEventLoop untilWriterEnds;
    QObject::connect(&writer, &QProcess::finished, &untilWriterEnds, &QEventLoop::quit);
    QObject::connect(&writer, &QProcess::errorOccurred, &untilWriterEnds, &QEventLoop::quit);
    std::string figures;
    QObject::connect(&writer, &QProcess::readyReadStandardOutput, [&] {
        while (writer.canReadLine()) {
            const QByteArray line = writer.readLine().trimmed();
            if (line == "last") {
                clicks.stop();
                writer.write("\n");
            } else {
                figures = line.toStdString();
            }
        }
    });
    writer.start(QStringLiteral(CONCURRENT_WRITER_PATH),
                 {QString::fromStdString(storePath), QString::number(seconds)});
    // Measured from here: start() holds this thread until the writer has been executed,
    // which is the test's doing, not the window's.
    log = TickLog{};
    if (GetParam().clickEveryMs > 0)
        clicks.start();
    const Usage before = Usage::now();
    const auto started = Clock::now();
    untilWriterEnds.exec();
    const Usage after = Usage::now();
    const double windowCpu = after.cpuSeconds - before.cpuSeconds;
    const Span longestRead = store->longestRead;  // the reads beside the writer
    const double elapsed = std::chrono::duration<double>(Clock::now() - started).count();

    ASSERT_EQ(writer.exitStatus(), QProcess::NormalExit) << writer.errorString().toStdString();
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
    // Nothing but the success message after each click.
    EXPECT_EQ(fakes.dialogs.messages.size(), clicker.clicks);
    for (const RecordedMessage& m : fakes.dialogs.messages)
        ASSERT_EQ(m.text, shell::kRegistrySuccessText);

    long writtenChanges = 0;  // changes of the state the writes decide, to compare with the buttons'.
    for (long write = 1 + kPhaseWrites; write <= total; write += kPhaseWrites)
        writtenChanges += shownAfter(write) != shownAfter(write - kPhaseWrites);

    std::vector<double> gaps = log.gapsMs;
    std::sort(gaps.begin(), gaps.end());
    const auto at = [&](double share) { return gaps.empty() ? 0.0 : gaps[std::size_t(share * double(gaps.size() - 1))]; };
    const long over50 = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 50; });
    const long over100 = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 100; });
    std::printf("writer: %s\n", figures.c_str());
    std::printf("window: %ld poll ticks in %.1f s; the buttons changed state %ld times, the writes %ld times\n",
                log.ticks, elapsed, log.stateChanges, writtenChanges);
    std::printf("gaps between ticks: median %.1f ms, 99th percentile %.1f ms, over 50 ms: %ld, over 100 ms: %ld; "
                "longest before tick %ld: %s\n",
                at(0.5), at(0.99), over50, over100, log.longestAt, describe(log.longest).c_str());
    if (clicker.clicks)
        std::printf("%ld clicks, the longest took %.1f ms\n", clicker.clicks, clicker.longestMs);
    std::printf("longest store read %s; window CPU %.2f s (%.0f %% of one core), preempted %ld times\n",
                describe(longestRead).c_str(), windowCpu, 100.0 * windowCpu / elapsed, after.preempted - before.preempted);
    RecordProperty("longest_gap_ms", static_cast<int>(log.longest.ms));
}

INSTANTIATE_TEST_SUITE_P(, ConcurrentPoll,
                         ::testing::Values(Round{"Polling", 0}, Round{"PollingAndClicking", 200}),
                         [](const ::testing::TestParamInfo<Round>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zw::test
