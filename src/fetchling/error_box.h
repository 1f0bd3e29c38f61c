// The component's own error report: a critical box titled "Fetchling" reading "Fehler!",
// "Error: " with the number, and the description; on standard error when the process has no
// windowing system (no QApplication).
#pragma once

#include <string>

namespace fetchling {

std::string errorText(int number, const std::string& description);
void showErrorBox(int number, const std::string& description);

}  // namespace fetchling
