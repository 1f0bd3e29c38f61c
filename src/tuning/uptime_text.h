// The "Ihr Windows läuft seit:" text of the memory clean-up window, computed from the tick
// count. Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>

namespace zw {

// " 1 Stdunden, 02 Minuten und 03 Sek. " for 3723700 ms. Every intermediate step is a
// single-precision number, so the seconds are rounded the way the window always showed them.
// The tick count is unsigned: it counts up to 2^32 ms (about 49.7 days) and then wraps to 0.
std::string uptimeText(std::uint32_t tickCount);

}  // namespace zw
