// Counts that decide whether the component's code may be unloaded: live objects, socket hosts
// not yet destroyed, and server locks taken through the class factory.
#pragma once

#include <atomic>

namespace fetchling {

struct ModuleState {
    std::atomic<int> objects{0};
    std::atomic<int> hosts{0};
    std::atomic<int> locks{0};

    bool inUse() const { return objects.load() > 0 || hosts.load() > 0 || locks.load() > 0; }
};

ModuleState& moduleState();

}  // namespace fetchling
