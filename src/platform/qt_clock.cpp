// The tick count and the timers that animations wait on.
#include "qt_services.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zw::platform {

std::uint32_t QtClock::tickCount() {
#ifdef _WIN32
    return GetTickCount();
#else
    // steady_clock is CLOCK_MONOTONIC here: time since system start.
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
#endif
}

void QtClock::singleShot(int ms, QObject* context, std::function<void()> fn) {
    QTimer::singleShot(ms < 0 ? 0 : ms, context ? context : QCoreApplication::instance(), std::move(fn));
}

}  // namespace zw::platform
