#include "tweak/state_poll.h"

namespace zw {

PollOutcome pollToggle(const RegistryToggle& toggle)
{
    if (!toggle.polls())
        return PollOutcome::keep();
    const Probe& p = *toggle.probe;
    return decideState(Registry::GetValueText(p.hive, p.key, p.value), toggle.rule, toggle.otherwise);
}

std::optional<ToggleState> currentState(const RegistryToggle& toggle)
{
    const PollOutcome outcome = pollToggle(toggle);
    if (outcome.kind == PollOutcome::Kind::Show)
        return outcome.state;
    return std::nullopt;
}

}  // namespace zw
