// Where a thread's time went: running, waiting for a processor, asleep. A stall of the window
// is its own work only when it was running; waiting for a processor is the machine's load.
// Linux figures (the thread's CPU clock, the scheduler's run-queue time, rusage).
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

namespace zw::test {

// How long the calling thread (the first to call: the schedstat file is opened once) has run
// on a processor and waited for one; of a span, what was neither was spent asleep (in the
// event loop's wait for the next timer, a sleep in a read, or a page read from disk).
struct ThreadTimes {
    double runningMs = 0, waitingMs = 0;
    long diskFaults = 0;  // pages that had to be read from disk (a sleep of their own)

    static ThreadTimes now()
    {
        timespec cpu{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        // The scheduler's figures: time on a processor (only brought up to date when the thread
        // leaves it, so the CPU clock above stands for it), then time waiting in the run queue.
        static const int fd = ::open("/proc/thread-self/schedstat", O_RDONLY | O_CLOEXEC);
        char text[96] = {};
        unsigned long long running = 0, waiting = 0;
        if (fd < 0 || pread(fd, text, sizeof text - 1, 0) <= 0 || std::sscanf(text, "%llu %llu", &running, &waiting) != 2)
            waiting = 0;
        rusage usage{};
        getrusage(RUSAGE_THREAD, &usage);
        return {double(cpu.tv_sec) * 1e3 + double(cpu.tv_nsec) / 1e6, double(waiting) / 1e6, usage.ru_majflt};
    }
    ThreadTimes operator-(const ThreadTimes& o) const
    {
        return {runningMs - o.runningMs, waitingMs - o.waitingMs, diskFaults - o.diskFaults};
    }
};

// A wall-clock span and what the thread did in it.
struct Span {
    double ms = 0;
    ThreadTimes spent;
    double asleepMs() const { return std::max(0.0, ms - spent.runningMs - spent.waitingMs); }
};

inline std::string describe(const Span& s)
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "%.1f ms (%.1f ms running, %.1f ms waiting for a processor, %.1f ms asleep, %ld pages read from disk)",
                  s.ms, s.spent.runningMs, s.spent.waitingMs, s.asleepMs(), s.spent.diskFaults);
    return text;
}

// CPU time used so far and how often the system took the processor away (involuntary switches).
struct Usage {
    double cpuSeconds = 0;
    long preempted = 0;

    static Usage now()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
        return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nivcsw};
    }
};

}  // namespace zw::test
