// Small steps of window tests: find a named control, run deferred deletes (waits: event_waits.h).
#pragma once

#include "support/event_waits.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

namespace zw::test {

// The control of that objectName below `window`; a missing one fails the test.
template <class W>
W* namedChild(const QWidget* window, const QString& name)
{
    W* found = window ? window->findChild<W*>(name) : nullptr;
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}
template <class W>
W* namedChild(const QWidget* window, const char* name)
{
    return namedChild<W>(window, QString::fromUtf8(name));
}

// Runs the deletes that unloaded windows left behind.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Runs those deletes and then the calls queued so far (one pass of the event loop).
inline void runQueued()
{
    flushDeletes();
    QCoreApplication::processEvents();
}

}  // namespace zw::test
