// How often an open toggle window reads the value that decides its state. Measured with
// bench/toggle_poll/window_poll_measure: at 10 ms an idle window costs about 1 % of one core
// (1 ms costs over 4 %), and a write committed by another process shows after about 10 ms.
#pragma once

namespace zw {

inline constexpr int kPollPeriodMs = 10;

}  // namespace zw
