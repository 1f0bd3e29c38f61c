#pragma once
// The checks of "Absenden" and the values the form receives, apart from any window.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zw::online {

struct Refusal {
    std::string_view text;
    std::string_view title;
};

// The first check that fails, in order: no name, no text, the refused name (exactly).
std::optional<Refusal> checkFeedback(std::string_view name, std::string_view text);

// The comment as sent: the text, CR LF CR LF, "[ ", the address, " ]".
std::string messageWithAddress(std::string_view text, std::string_view address);

// The form's fields in the order they are written.
std::vector<std::pair<std::string, std::string>> feedbackFields(std::string_view name, std::string_view mail,
                                                                std::string_view home, std::string_view message);

} // namespace zw::online
