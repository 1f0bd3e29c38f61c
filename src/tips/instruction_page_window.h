// An instruction page of Tips und Tricks, built from its row of instructionPages(): labels,
// command boxes to copy from, link labels that start a system program, and on
// tricks_messenger the "Deinstallieren" button.
#pragma once

#include "tips/instruction_pages.h"
#include "tips/tip_window.h"

namespace zw::tips {

class InstructionPageWindow final : public TipWindow {
    Q_OBJECT
public:
    explicit InstructionPageWindow(const InstructionPage& page);

private:
    void uninstallMessenger();
};

}  // namespace zw::tips
