// reg_RAMdefragmentieren: shows how long Windows has been running and starts one of the two
// memory clean-up scripts of the Data folder.
#pragma once

#include "shell/tool_window.h"

class QLabel;

namespace zw::tuning {

class RegRamDefragmentieren final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegRamDefragmentieren();

protected:
    void load() override;

private:
    QLabel* uptime_ = nullptr;  // Label8
};

}  // namespace zw::tuning
