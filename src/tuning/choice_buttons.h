// A row of choice buttons in the special System Tuning windows, showing the value in force.
// The parts the windows are built from are shell/window_parts.h, the poll tweak/poll_timer.h
// and a button write with its outcome message tweak/button_write.h.
#pragma once

#include "shell/window_parts.h"
#include "tuning/choice_setting.h"

#include <vector>

class QPushButton;

namespace zw::tuning {

// Disables the button of the value in force and enables the others; Keep and TickEnded leave
// every button as it is.
void showChoice(const std::vector<QPushButton*>& buttons, const ChoiceOutcome& outcome);

// The design names and captions of the choices, for shell::addButtonGrid.
std::vector<shell::NamedText> buttonTexts(const std::vector<ChoiceButton>& choices);

}  // namespace zw::tuning
