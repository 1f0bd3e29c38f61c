// The option boxes of tricks_mediaplayer and tricks_DateiAnzeige: each box bound to one
// registry value, with the write made when it becomes ticked or cleared and the rule that
// turns the value read into ticked or cleared. Plain C++, no Qt.
#pragma once

#include "tweak/state_rule.h"

#include <optional>
#include <string>
#include <vector>

namespace zw {

struct OptionBox {
    std::string name;     // objectName (Check2 ...)
    std::string caption;
    std::uint32_t background = 0;  // 0xRRGGBB
    Probe value;
    RegistryWrite tickedWrite;
    RegistryWrite clearedWrite;
    // Applied = ticked, Default = cleared; a Number entry on a text that is no number ends the tick.
    std::vector<StateMatch> rule;
    std::optional<ToggleState> otherwise;
};

struct OptionWindowDesign {
    std::string name;
    std::string caption;
    std::string title;
    int widthTwips = 0;
    int heightTwips = 0;
    std::vector<std::string> labels;
    int firstBoxTop = 0;  // twips; boxes follow 360 apart
    std::vector<OptionBox> boxes;
};

const OptionWindowDesign& mediaPlayerOptions();
const OptionWindowDesign& fileDisplayOptions();

// One poll tick: the boxes' states in row order as far as the tick got. A row whose Number
// reading fails ends the tick: it and the rows after it are missing from the result.
std::vector<bool> pollOptionBoxes(const std::vector<OptionBox>& boxes);

// The write a box's click makes for its new state.
const RegistryWrite& optionWrite(const OptionBox& box, bool ticked);

}  // namespace zw
