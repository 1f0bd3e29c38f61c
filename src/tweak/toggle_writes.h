// Apply and Restore: a record's writes performed in order through the Registry module.
// Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"

#include <vector>

namespace zw {

// Runs one step of a button action; an error it raises ends that step only, so the next
// step (the next write, the success message) still runs.
template <class Step>
void runStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

void performWrite(const RegistryWrite& write);
// First to last; a write that fails or raises does not stop the next one.
void performWrites(const std::vector<RegistryWrite>& writes) noexcept;

}  // namespace zw
