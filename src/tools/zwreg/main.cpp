// zwreg: the registry tool (reg.exe's commands) on the platform's registry store.
#include "zwreg_command.h"

#include "platform/registry_access.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zw::zwreg::runCommand(args, zw::platform::activeRegistry(), std::cin, std::cout, std::cerr);
}
