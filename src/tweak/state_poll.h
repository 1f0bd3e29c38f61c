// The state poll of a toggle window: read the probe through the Registry module and apply
// the record's rule. Plain C++, no Qt.
#pragma once

#include "tweak/state_rule.h"

namespace zw {

// Reads the record's probe through Registry::GetValueText and decides. A record without a
// poll gives Keep.
PollOutcome pollToggle(const RegistryToggle& toggle);

// The state in force as far as the rule tells, or none (zwtweak's "unknown").
std::optional<ToggleState> currentState(const RegistryToggle& toggle);

}  // namespace zw
