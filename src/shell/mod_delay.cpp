#include "mod_delay.h"

#include "platform/services.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace zw::modDelay {

void Delay(std::int32_t ms) {
    if (ms <= 0) return;
    platform::ClockService& clock = *platform::services().clock;
    const std::uint32_t start = clock.tickCount();
    const auto wanted = static_cast<std::uint32_t>(ms);
    while (clock.tickCount() - start < wanted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        // Give the processor back between two rounds instead of spinning.
        QThread::msleep(1);
    }
}

}  // namespace zw::modDelay
