// zwtweak: the toggle records of Zunderwerk from the command line.
#include "tools/zwtweak/zwtweak_commands.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        return zw::zwtweak::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "zwtweak: " << e.what() << '\n';
        return 1;
    }
}
