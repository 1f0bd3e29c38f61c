// The registry tool's commands with the conventions of Windows' reg.exe:
//   query KEY [/v NAME | /ve] [/s]
//   add KEY [/v NAME | /ve] [/t TYPE] [/s SEPARATOR] [/d DATA] [/f]
//   delete KEY [/v NAME | /ve | /va] [/f]
//   export KEY FILE [/y]
//   import FILE
// Exit code 0 on success, 1 on failure; questions are read from `in`.
#pragma once

#include "platform/registry_store.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace zw::zwreg {

int runCommand(const std::vector<std::string>& args, platform::RegistryStore& store, std::istream& in,
               std::ostream& out, std::ostream& err);

// The text `zwreg /?` prints.
std::string usageText();

}  // namespace zw::zwreg
