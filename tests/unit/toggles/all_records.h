// Test helper: a toggle record of either catalogue by its window name.
#pragma once

#include "tips/tips_toggles.h"
#include "tuning/tuning_toggles.h"

#include <stdexcept>
#include <string>

namespace zw::test {

inline const RegistryToggle& record(const std::string& name)
{
    const RegistryToggle* t = findToggle(tuningToggles(), name);
    if (!t)
        t = findToggle(tipsToggles(), name);
    if (!t)
        throw std::runtime_error("no record " + name);
    return *t;
}

}  // namespace zw::test
