// The state poll of a tweak window: one timer that reads what decides the window's state.
#pragma once

#include <QString>

#include <functional>

class QTimer;
class QWidget;

namespace zw {

// Runs `tick` at once, then every poll period on a running timer named `name` (Timer1,
// Timer2) that the window owns. An error raised by a tick ends that tick only.
QTimer* startPoll(QWidget* window, const QString& name, std::function<void()> tick);

}  // namespace zw
