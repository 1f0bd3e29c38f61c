// The six registry windows of Tips und Tricks, one record each: four plain toggles, one with
// Apply only (tricks_alexa) and one without a poll (tricks_laufwerkeverstecken).
// Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <vector>

namespace zw {

const std::vector<RegistryToggle>& tipsToggles();

}  // namespace zw
