#include "services.h"

#include "qt_services.h"

namespace zw::platform {
namespace {

Services& current() {
    static Services set;
    return set;
}

void fillMissing(Services& set) {
    if (set.dialogs && set.tones && set.launcher && set.clock && set.folders && set.instance) return;
    const Services& real = realServices();
    if (!set.dialogs) set.dialogs = real.dialogs;
    if (!set.tones) set.tones = real.tones;
    if (!set.launcher) set.launcher = real.launcher;
    if (!set.clock) set.clock = real.clock;
    if (!set.folders) set.folders = real.folders;
    if (!set.instance) set.instance = real.instance;
}

}  // namespace

const Services& services() {
    fillMissing(current());
    return current();
}

ScopedServices::ScopedServices(const Services& replacement) : previous_(current()) {
    Services& set = current();
    if (replacement.dialogs) set.dialogs = replacement.dialogs;
    if (replacement.tones) set.tones = replacement.tones;
    if (replacement.launcher) set.launcher = replacement.launcher;
    if (replacement.clock) set.clock = replacement.clock;
    if (replacement.folders) set.folders = replacement.folders;
    if (replacement.instance) set.instance = replacement.instance;
}

ScopedServices::~ScopedServices() { current() = previous_; }

}  // namespace zw::platform
