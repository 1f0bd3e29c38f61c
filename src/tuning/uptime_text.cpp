#include "tuning/uptime_text.h"

#include <cfloat>
#include <cmath>

static_assert(FLT_EVAL_METHOD == 0, "the uptime steps must be evaluated in single precision");

namespace zw {

namespace {

// At least two digits, with a leading zero below ten.
std::string twoDigits(long n)
{
    std::string digits = std::to_string(n);
    return n >= 0 && n < 10 ? "0" + digits : digits;
}

}  // namespace

std::string uptimeText(std::uint32_t tickCount)
{
    // Each step is stored as a float (the targets evaluate float arithmetic in float).
    float s = static_cast<float>(static_cast<double>(tickCount) / 1000.0);
    const float h = std::floor(s / 3600.0f);
    s = s - h * 3600.0f;
    const float m = std::floor(s / 60.0f);
    s = s - m * 60.0f;
    const float sec = std::floor(s);

    return " " + std::to_string(static_cast<long>(h)) + " Stdunden, " + twoDigits(static_cast<long>(m)) +
           " Minuten und " + twoDigits(static_cast<long>(sec)) + " Sek. ";
}

}  // namespace zw
