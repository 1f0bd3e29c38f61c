#include "tweak/poll_timer.h"

#include "tweak/poll_period.h"
#include "tweak/toggle_writes.h"

#include <QTimer>
#include <QWidget>

namespace zw {

QTimer* startPoll(QWidget* window, const QString& name, std::function<void()> tick)
{
    auto* timer = new QTimer(window);
    timer->setObjectName(name);
    timer->setInterval(kPollPeriodMs);
    QObject::connect(timer, &QTimer::timeout, window, [tick] { runStep(tick); });
    runStep(tick);
    timer->start();
    return timer;
}

}  // namespace zw
