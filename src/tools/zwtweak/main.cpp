// zwtweak: the toggle records of Zunderwerk from the command line.
#include "tools/zwtweak/zwtweak_commands.h"

#include "platform/console_text.h"
#include "platform/registry_access.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const zw::platform::Utf8Console console;
    // A store that cannot be used is an error: a change made in memory would be reported as done
    // and then lost.
    if (std::string error; !zw::platform::activateToolRegistry(error)) {
        std::cerr << "FEHLER: " << error << " Es wurde nichts geändert.\n";
        return 1;
    }
    try {
        return zw::zwtweak::run(zw::platform::utf8Arguments(argc, argv), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "zwtweak: " << e.what() << '\n';
        return 1;
    }
}
