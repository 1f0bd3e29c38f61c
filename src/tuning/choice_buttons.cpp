#include "tuning/choice_buttons.h"

#include <QPushButton>

namespace zw::tuning {

void showChoice(const std::vector<QPushButton*>& buttons, const ChoiceOutcome& outcome)
{
    if (outcome.kind != ChoiceOutcome::Kind::Disable)
        return;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(i != outcome.index);
}

std::vector<shell::NamedText> buttonTexts(const std::vector<ChoiceButton>& choices)
{
    std::vector<shell::NamedText> texts;
    for (const ChoiceButton& c : choices)
        texts.push_back({QString::fromStdString(c.objectName), QString::fromStdString(c.caption)});
    return texts;
}

}  // namespace zw::tuning
