// Small steps of window tests: find a named control, let the timers run, run deferred deletes.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWidget>

#include <functional>

namespace zw::test {

// The control of that objectName below `window`; a missing one fails the test.
template <class W>
W* namedChild(const QWidget* window, const char* name)
{
    W* found = window ? window->findChild<W*>(QString::fromUtf8(name)) : nullptr;
    EXPECT_TRUE(found) << name;
    return found;
}

// Lets the timers run until `done` holds (at most two seconds).
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

// Runs the deletes that unloaded windows left behind.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace zw::test
