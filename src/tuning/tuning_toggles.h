// The fourteen plain toggle windows of System Tuning, one record each. Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <vector>

namespace zw {

const std::vector<RegistryToggle>& tuningToggles();

}  // namespace zw
