// The disc cache window's setting: nine memory sizes, each storing its own page-lock limit.
// Plain C++, no Qt.
#pragma once

#include "tuning/choice_setting.h"

namespace zw {

// HKLM "...\Memory Management" "IoPageLockLimit" (REG_DWORD); Command1 "64 MB" ... Command9
// "1024 MB" in table order, each disabled while its own value is stored.
const ChoiceSetting& discCacheSetting();

}  // namespace zw
