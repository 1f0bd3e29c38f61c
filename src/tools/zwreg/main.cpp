// zwreg: the registry tool (reg.exe's commands) on the platform's registry store.
#include "zwreg_command.h"

#include "platform/console_text.h"
#include "platform/registry_access.h"

#include <iostream>

int main(int argc, char** argv) {
    const zw::platform::Utf8Console console;
    const std::vector<std::string> args = zw::platform::utf8Arguments(argc, argv);
    if (std::string error; !zw::platform::activateToolRegistry(error)) {
        std::cerr << "FEHLER: " << error << " Es wurde nichts geändert.\n";
        return 1;
    }
    return zw::zwreg::runCommand(args, zw::platform::activeRegistry(), std::cin, std::cout, std::cerr);
}
