// UTF-8 text for the command-line tools on every system: their arguments as UTF-8 (Windows
// hands a program's main() its arguments in the ANSI code page, where "Größe" is not UTF-8)
// and a console that shows UTF-8 output.
#pragma once

#include <string>
#include <vector>

namespace zw::platform {

// The program's arguments after its name, as UTF-8.
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Switches the console's output to UTF-8 for the lifetime of the object and back after it
// (Windows; elsewhere the terminal speaks UTF-8 already).
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned previous_ = 0;
};

}  // namespace zw::platform
