// Waiting in tests while the event loop runs, so sockets and the component's events progress.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <functional>

namespace fetchling::test {

// Runs the event loop until `done` holds or `timeoutMs` have passed; returns `done()`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Runs the event loop for `ms` milliseconds, and at least a few rounds however long the
// process waited for the processor meanwhile, so what is ready by now gets handled.
inline void settle(int ms) {
    QElapsedTimer timer;
    timer.start();
    for (int round = 0; round < 3 || timer.elapsed() < ms; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Destroys what was left to the event loop for deletion.
inline void flushDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace fetchling::test
