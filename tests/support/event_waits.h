// Waiting in GUI tests without fixed sleeps: run the event loop until a condition holds, or
// for a few poll periods.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace zw::test {

// Lets the timers run until `done` holds (at most two seconds); false when it never did.
inline bool waitUntil(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(2000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Lets a few poll periods pass (or `ms` milliseconds of timers).
inline void settle(int ms = 80)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

}  // namespace zw::test
