// How often an open toggle window reads the value that decides its state. The period is the
// shortest that keeps an idle window cheap (see bench/toggle_poll); a change made by another
// program shows within one period.
#pragma once

namespace zw {

inline constexpr int kPollPeriodMs = 15;

}  // namespace zw
