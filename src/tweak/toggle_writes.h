// Apply and Restore: a record's writes performed in order through the Registry module.
// Plain C++, no Qt.
#pragma once

#include "tweak/registry_toggle.h"
#include "tweak/write_outcome.h"

#include <vector>

namespace zw {

// Runs one step of a button action; an error it raises ends that step only, so the next
// step (the next write, the outcome message) still runs.
template <class Step>
void runStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

// runStep for a step that writes: an error it raises counts as a failed write for the
// WriteOutcome alive (tweak/write_outcome.h).
template <class Step>
void runWriteStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
        Registry::WriteOutcome::noteFailure();
    }
}

void performWrite(const RegistryWrite& write);
// First to last; a write that fails or raises does not stop the next one (and counts as failed).
void performWrites(const std::vector<RegistryWrite>& writes) noexcept;

}  // namespace zw
