// zwtweak: the toggle records of Zunderwerk from the command line.
#include "tools/zwtweak/zwtweak_commands.h"

#include "platform/console_text.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    const zw::platform::Utf8Console console;
    try {
        return zw::zwtweak::run(zw::platform::utf8Arguments(argc, argv), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "zwtweak: " << e.what() << '\n';
        return 1;
    }
}
