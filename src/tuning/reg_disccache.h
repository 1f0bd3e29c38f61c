// reg_disccache: fits the page-lock limit to the machine's memory, one button per size.
#pragma once

#include "shell/tool_window.h"

#include <vector>

class QPushButton;

namespace zw::tuning {

class RegDisccache final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegDisccache();

protected:
    void load() override;

private:
    std::vector<QPushButton*> choices_;
};

}  // namespace zw::tuning
