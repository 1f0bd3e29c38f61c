#include "tweak/button_write.h"

#include "shell/success_message.h"
#include "shell/tool_window.h"
#include "tweak/toggle_writes.h"
#include "tweak/write_outcome.h"

#include <QCheckBox>

namespace zw {

void leaveTopmost(shell::ToolWindow& window)
{
    runStep([&] {
        if (QCheckBox* onTop = window.onTopBox())
            onTop->setChecked(false);
    });
}

void confirmWrites(const std::function<void()>& write)
{
    bool written = false;
    {
        // Ends before the message box: what runs while the box is open is not this click's.
        const Registry::WriteOutcome outcome;
        runWriteStep(write);
        written = !outcome.failed();
    }
    runStep([written] { written ? shell::showRegistrySuccess() : shell::showRegistryFailure(); });
}

void writeAndConfirm(shell::ToolWindow& window, const std::function<void()>& write)
{
    leaveTopmost(window);
    confirmWrites(write);
}

}  // namespace zw
