// reg_shutdownTuning: the service kill time-out (three choices, Timer1) and the automatic
// ending of tasks (a toggle, Timer2), each polled on its own.
#pragma once

#include "shell/tool_window.h"

#include <vector>

class QPushButton;

namespace zw::tuning {

class RegShutdownTuning final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegShutdownTuning();

protected:
    void load() override;

private:
    std::vector<QPushButton*> timeout_;  // Command1 ... Command3
    std::vector<QPushButton*> autoEnd_;  // Command4 (Apply), Command5 (Restore)
};

}  // namespace zw::tuning
