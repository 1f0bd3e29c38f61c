#include "tuning/choice_setting.h"

namespace zw {

ChoiceOutcome decideChoice(std::string_view text, const std::vector<ChoiceButton>& buttons)
{
    // Each button's comparison is a one-entry rule of the toggle engine, tried in order, so a
    // Number comparison on a text that is no number ends the tick exactly as a toggle's does.
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const PollOutcome outcome = decideState(text, {buttons[i].inForce}, std::nullopt);
        if (outcome.kind == PollOutcome::Kind::TickEnded)
            return ChoiceOutcome::tickEnded();
        if (outcome.kind == PollOutcome::Kind::Show)
            return ChoiceOutcome::disable(i);
    }
    return ChoiceOutcome::keep();
}

ChoiceOutcome pollChoice(const ChoiceSetting& setting)
{
    const Probe& p = setting.probe;
    return decideChoice(Registry::GetValueText(p.hive, p.key, p.value), setting.buttons);
}

ChoiceOutcome choiceFromToggle(const PollOutcome& outcome)
{
    switch (outcome.kind) {
    case PollOutcome::Kind::Show:
        return ChoiceOutcome::disable(outcome.state == ToggleState::Applied ? 0 : 1);
    case PollOutcome::Kind::TickEnded:
        return ChoiceOutcome::tickEnded();
    case PollOutcome::Kind::Keep:
        break;
    }
    return ChoiceOutcome::keep();
}

}  // namespace zw
