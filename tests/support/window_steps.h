// Small steps of window tests: find a named control, run deferred deletes (waits: event_waits.h).
#pragma once

#include "support/event_waits.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

namespace zw::test {

// The control of that objectName below `window`; a missing one fails the test.
template <class W>
W* namedChild(const QWidget* window, const char* name)
{
    W* found = window ? window->findChild<W*>(QString::fromUtf8(name)) : nullptr;
    EXPECT_TRUE(found) << name;
    return found;
}

// Runs the deletes that unloaded windows left behind.
inline void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace zw::test
