#include "tweak/state_rule.h"

#include <charconv>

namespace zw {

std::optional<double> readNumber(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits and one decimal point, with at least one digit: this keeps out the forms
    // from_chars would take besides ("inf", "nan", exponents, a second sign).
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;

    double result = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), result, std::chars_format::fixed);
    if (end != text.data() + text.size() || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return std::nullopt;
    return negative ? -result : result;
}

PollOutcome decideState(std::string_view text, const std::vector<StateMatch>& rule,
                        const std::optional<ToggleState>& otherwise)
{
    for (const StateMatch& entry : rule) {
        if (entry.kind == StateMatch::Kind::Number) {
            const auto number = readNumber(text);
            if (!number)
                return PollOutcome::tickEnded();
            if (*number == entry.number)
                return PollOutcome::show(entry.state);
        } else if (text == entry.text) {
            return PollOutcome::show(entry.state);
        }
    }
    return otherwise ? PollOutcome::show(*otherwise) : PollOutcome::keep();
}

}  // namespace zw
