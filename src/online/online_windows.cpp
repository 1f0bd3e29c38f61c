#include "online_windows.h"

#include "update_window.h"

namespace zw::online {

void registerWindows(shell::Navigator& navigator)
{
    registerUpdateWindow(navigator);
}

} // namespace zw::online
