#include "tweak/button_write.h"

#include "shell/success_message.h"
#include "shell/tool_window.h"
#include "tweak/toggle_writes.h"

#include <QCheckBox>

namespace zw {

void leaveTopmost(shell::ToolWindow& window)
{
    runStep([&] {
        if (QCheckBox* onTop = window.onTopBox())
            onTop->setChecked(false);
    });
}

void writeAndConfirm(shell::ToolWindow& window, const std::function<void()>& write)
{
    leaveTopmost(window);
    runStep(write);
    runStep([] { shell::showRegistrySuccess(); });
}

}  // namespace zw
