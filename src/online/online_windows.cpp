#include "online_windows.h"

#include "feedback_window.h"
#include "update_window.h"

namespace zw::online {

void registerWindows(shell::Navigator& navigator)
{
    registerUpdateWindow(navigator);
    registerFeedbackWindow(navigator);
}

} // namespace zw::online
