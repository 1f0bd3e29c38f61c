// The full path of the component's own library file, as it was loaded.
#pragma once

#include <string>

namespace fetchling {

std::string moduleFilePath();

}  // namespace fetchling
