// The rule of a toggle window: from the text read at the probe, decide what the buttons
// show. A pure function of the text and the record's rule. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zw {

struct PollOutcome {
    enum class Kind {
        Show,       // show `state`
        Keep,       // nothing matched and no otherwise state: the buttons stay as they are
        TickEnded,  // a Number entry met a text that is not a number: the tick ends early,
                    // later entries and the otherwise state are not tried
    };
    Kind kind = Kind::Keep;
    ToggleState state = ToggleState::Default;

    static PollOutcome show(ToggleState s) { return {Kind::Show, s}; }
    static PollOutcome keep() { return {Kind::Keep, ToggleState::Default}; }
    static PollOutcome tickEnded() { return {Kind::TickEnded, ToggleState::Default}; }
    bool operator==(const PollOutcome& o) const { return kind == o.kind && (kind != Kind::Show || state == o.state); }
};

// The ordinary decimal reading of `text`: optional sign, digits with an optional fraction,
// blanks (spaces, tabs) around allowed. Nothing else reads as a number; the empty text doesn't.
std::optional<double> readNumber(std::string_view text);

// Tries the rule's entries first to last against `text`; then the otherwise state.
PollOutcome decideState(std::string_view text, const std::vector<StateMatch>& rule,
                        const std::optional<ToggleState>& otherwise);

}  // namespace zw
