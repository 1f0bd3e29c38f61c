// The hourglass for the length of a scope: shown on construction, the default pointer back on
// destruction, on every way out.
#pragma once

#include <QApplication>
#include <QCursor>

namespace zw::shell {

class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace zw::shell
