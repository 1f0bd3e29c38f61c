// reg_OutlookSplash: switches off the mail client's start-up picture for the user's current
// identity, found afresh before every poll and every write.
#pragma once

#include "shell/tool_window.h"

#include <vector>

class QLabel;
class QPushButton;

namespace zw::tuning {

class RegOutlookSplash final : public shell::ToolWindow {
    Q_OBJECT
public:
    RegOutlookSplash();

protected:
    void load() override;

private:
    void write(bool apply);

    std::vector<QPushButton*> buttons_;  // Command1 Apply, Command2 Restore
    QLabel* noIdentity_ = nullptr;       // lblIdentity, shown while there is no identity
};

}  // namespace zw::tuning
