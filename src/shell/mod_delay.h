// Module modDelay: a pause that keeps the window system working (clicks, keys, timers).
#pragma once

#include <cstdint>

namespace zw::modDelay {

// Returns when the tick count (services().clock) has advanced by `ms`, processing all pending
// window messages meanwhile. Safe across the tick count's wrap-around.
void Delay(std::int32_t ms);

}  // namespace zw::modDelay
