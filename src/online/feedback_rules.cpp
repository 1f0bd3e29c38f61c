#include "feedback_rules.h"

#include "feedback_texts.h"

namespace zw::online {

std::optional<Refusal> checkFeedback(std::string_view name, std::string_view text)
{
    if (name.empty()) {
        return Refusal{feedback::kNoName, feedback::kNoNameTitle};
    }
    if (text.empty()) {
        return Refusal{feedback::kNoText, feedback::kNoTextTitle};
    }
    if (name == feedback::kRefusedName) {
        return Refusal{feedback::kWrongName, feedback::kWrongNameTitle};
    }
    return std::nullopt;
}

std::string messageWithAddress(std::string_view text, std::string_view address)
{
    std::string s(text);
    s.append("\r\n\r\n[ ").append(address).append(" ]");
    return s;
}

std::vector<std::pair<std::string, std::string>> feedbackFields(std::string_view name, std::string_view mail,
                                                                std::string_view home, std::string_view message)
{
    return {
        {std::string(feedback::kFieldName), std::string(name)},
        {std::string(feedback::kFieldHome), std::string(home)},
        {std::string(feedback::kFieldMail), std::string(mail)},
        {std::string(feedback::kFieldMessage), std::string(message)},
    };
}

} // namespace zw::online
