// The two settings of the shutdown tuning window. Plain C++, no Qt.
#pragma once

#include "tuning/choice_setting.h"

namespace zw {

// HKLM "SYSTEM\ControlSet001\Control" "WaitToKillServiceTimeout" as text; always control set
// 001, whichever set is current. Command1 "20000", Command2 "5000", Command3 "1".
const ChoiceSetting& killServiceTimeoutSetting();

// HKCU "Control Panel\Desktop" "AutoEndTasks": Apply (Command4) "1", Restore (Command5) "0".
const RegistryToggle& autoEndTasksToggle();

}  // namespace zw
