// Measures an open toggle window: the CPU share of its poll on an unchanged registry, and how
// long a change made by another process takes to show in its buttons.
//
//   toggle_window_poll_measure [period-ms] [idle-seconds] [trials]
//
// Prints one line per figure. Two kinds of other process write the value:
//  - this program itself in writer mode, which stays running and reports the moment of each
//    write's commit on the system's monotonic clock: commit to button change, exactly;
//  - zwreg (or zwtweak where zwreg was not built), started once per change: from starting
//    that process to the button change, process start included (printed as the baseline).
#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "tuning/tuning_toggles.h"
#include "tweak/poll_period.h"
#include "tweak/registry.h"
#include "tweak/toggle_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

std::int64_t monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Writer mode: for every line "0" or "1" on stdin, writes EnableBalloonTips into the store
// named by ZUNDERWERK_REGISTRY and prints the monotonic time right after the write.
int writer()
{
    char line[16];
    while (std::fgets(line, sizeof line, stdin)) {
        zw::Registry::SetDwordValue(1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                                    "EnableBalloonTips", line[0] == '1' ? 1 : 0);
        std::printf("%lld\n", static_cast<long long>(monotonicNs()));
        std::fflush(stdout);
    }
    return 0;
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `ms` milliseconds.
void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QStringList writeCommand(bool applied)
{
#ifdef ZWREG_PATH
    return {ZWREG_PATH, "add", "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "/v",
            "EnableBalloonTips", "/t", "REG_DWORD", "/d", applied ? "0" : "1", "/f"};
#else
    return {ZWTWEAK_PATH, applied ? "apply" : "restore", "reg_balloontips"};
#endif
}

double runProcess(const QStringList& command)
{
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(command.first(), command.mid(1));
    p.waitForFinished(10000);
    return double(t.nsecsElapsed()) / 1e6;
}

// Quits `loop` when `button` changes its enabled state.
class ButtonWatch : public QObject {
public:
    ButtonWatch(QWidget* button, QEventLoop* loop, std::int64_t* when = nullptr)
        : button_(button), loop_(loop), when_(when)
    {
        button->installEventFilter(this);
    }
    ~ButtonWatch() override { button_->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange) {
            if (when_)
                *when_ = monotonicNs();
            loop_->quit();
        }
        return false;
    }

private:
    QWidget* button_;
    QEventLoop* loop_;
    std::int64_t* when_;
};

struct Figures {
    double median;
    double max;
};
Figures figures(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.back()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--writer") == 0)
        return writer();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int period = argc > 1 ? std::atoi(argv[1]) : zw::kPollPeriodMs;
    const int idleSeconds = argc > 2 ? std::atoi(argv[2]) : 10;
    const int trials = argc > 3 ? std::atoi(argv[3]) : 20;

    QTemporaryDir dir;
    const QString path = dir.filePath("registry.db");
    qputenv("ZUNDERWERK_REGISTRY", path.toUtf8());
    auto opened = zw::platform::SqliteRegistryStore::open(path.toStdString(), zw::platform::seedDefaultHive);
    if (!opened.store) {
        std::fprintf(stderr, "cannot open the store: %s\n", opened.detail.c_str());
        return 1;
    }
    zw::platform::ScopedRegistry scope(opened.store);
    runProcess(writeCommand(false));  // the value exists: Default

    const zw::RegistryToggle& record = *zw::findToggle(zw::tuningToggles(), "reg_balloontips");
    zw::ToggleWindow window(record);
    window.runLoad();
    window.show();
    auto* timer = window.findChild<QTimer*>("Timer1");
    timer->setInterval(period);
    auto* apply = window.findChild<QPushButton*>("Command1");

    spin(500);
    // The same window without its poll, for comparison.
    timer->stop();
    double cpu0 = cpuSeconds();
    QElapsedTimer quiet;
    quiet.start();
    spin(idleSeconds * 1000);
    std::printf("no poll: idle window CPU share %.2f %% of one core over %d s\n",
                (cpuSeconds() - cpu0) / (double(quiet.nsecsElapsed()) / 1e9) * 100.0, idleSeconds);
    timer->start();

    cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    spin(idleSeconds * 1000);
    const double share = (cpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
    std::printf("period %d ms: idle window CPU share %.2f %% of one core over %d s\n", period, share * 100.0,
                idleSeconds);

    // A writer process that stays running: commit to button change.
    {
        QProcess writerProcess;
        writerProcess.start(QCoreApplication::applicationFilePath(), {"--writer"});
        writerProcess.waitForStarted();
        std::vector<double> afterCommit;
        for (int i = 0; i < trials; ++i) {
            const bool toApplied = i % 2 == 0;
            QEventLoop loop;
            QTimer guard;
            QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
            guard.start(5000);
            std::int64_t shown = 0;
            ButtonWatch watch(apply, &loop, &shown);
            writerProcess.write(toApplied ? "0\n" : "1\n");
            if (apply->isEnabled() == toApplied)
                loop.exec();
            writerProcess.waitForReadyRead(5000);
            const std::int64_t committed = writerProcess.readLine().trimmed().toLongLong();
            afterCommit.push_back(double(shown - committed) / 1e6);
            spin(50);
        }
        writerProcess.closeWriteChannel();
        writerProcess.waitForFinished(5000);
        const Figures f = figures(afterCommit);
        std::printf("period %d ms: a write committed by another process shows after median %.1f ms, max %.1f ms "
                    "(%d trials)\n",
                    period, f.median, f.max, trials);
    }

    std::vector<double> delays, starts;
    for (int i = 0; i < trials; ++i) {
        const bool toApplied = i % 2 == 0;
        QElapsedTimer t;
        t.start();
        QProcess p;
        const QStringList command = writeCommand(toApplied);
        p.start(command.first(), command.mid(1));
        // The change shows when Apply is disabled (Applied) or enabled again (Default).
        {
            // Stops at the first poll tick that changed the button.
            QEventLoop loop;
            QTimer guard;
            QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
            guard.start(5000);
            ButtonWatch watch(apply, &loop);
            if (apply->isEnabled() == toApplied)
                loop.exec();
        }
        delays.push_back(double(t.nsecsElapsed()) / 1e6);
        p.waitForFinished(10000);
        starts.push_back(runProcess({command.first(), "--help"}));
        spin(50);
    }
    const Figures d = figures(delays);
    const Figures s = figures(starts);
    std::printf("period %d ms: change by %s in another process shows after median %.1f ms, max %.1f ms "
                "(%d trials)\n",
                period, QFileInfo(writeCommand(true).first()).fileName().toUtf8().constData(), d.median, d.max, trials);
    std::printf("baseline: starting that program alone takes median %.1f ms, max %.1f ms\n", s.median, s.max);
    return 0;
}
