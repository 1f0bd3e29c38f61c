// A setting offered as a row of buttons, each storing its own value: the button whose value is
// in force is disabled, the others enabled. The disc cache and the service time-out work this
// way. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"
#include "tweak/state_rule.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct ChoiceButton {
    std::string objectName;  // Command1 ...
    std::string caption;
    RegistryWrite write;     // what a click stores
    StateMatch inForce;      // when it matches the probed text, this button is disabled
};

struct ChoiceSetting {
    Probe probe;
    std::vector<ChoiceButton> buttons;
};

// What one poll decided.
struct ChoiceOutcome {
    enum class Kind {
        Disable,    // disable buttons[index], enable the others
        Keep,       // nothing matched: the buttons stay as they are
        TickEnded,  // a Number comparison met a text that is not a number: the tick ends
    };
    Kind kind = Kind::Keep;
    std::size_t index = 0;

    static ChoiceOutcome disable(std::size_t i) { return {Kind::Disable, i}; }
    static ChoiceOutcome keep() { return {Kind::Keep, 0}; }
    static ChoiceOutcome tickEnded() { return {Kind::TickEnded, 0}; }
    bool operator==(const ChoiceOutcome& o) const { return kind == o.kind && (kind != Kind::Disable || index == o.index); }
};

// Tries the buttons' comparisons in table order against `text`, by the toggle rule.
ChoiceOutcome decideChoice(std::string_view text, const std::vector<ChoiceButton>& buttons);

// Reads the probe through the Registry module and decides.
ChoiceOutcome pollChoice(const ChoiceSetting& setting);

// A toggle seen as a choice of two: Apply (index 0) is disabled when Applied is in force,
// Restore (index 1) when Default is.
ChoiceOutcome choiceFromToggle(const PollOutcome& outcome);

}  // namespace zw
