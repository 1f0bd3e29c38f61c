// zwtweak: the toggle records from the command line. `list` prints every record's window
// name, title and state; `apply NAME` and `restore NAME` perform the record's writes.
// Works on the active registry store. Plain C++, no Qt.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zw::zwtweak {

// Runs one command line (without the program name); returns the exit code:
// 0 done, 1 unknown record or a record without that button, 2 bad usage.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zw::zwtweak
