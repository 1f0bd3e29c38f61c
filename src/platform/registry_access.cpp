#include "registry_access.h"

#ifdef _WIN32
#include "win32_registry_store.h"
#else
#include "default_hive.h"
#include "store_recovery.h"
#endif

#include <cstdlib>
#include <mutex>

namespace zw::platform {

namespace {

std::mutex& activeMutex() {
    static std::mutex m;
    return m;
}

std::shared_ptr<RegistryStore>& activeSlot() {
    static std::shared_ptr<RegistryStore> store;
    return store;
}

}  // namespace

RegistryStore& activeRegistry() {
    std::lock_guard lock(activeMutex());
    auto& slot = activeSlot();
    if (!slot) slot = openDefaultRegistry();
    return *slot;
}

std::shared_ptr<RegistryStore> setActiveRegistry(std::shared_ptr<RegistryStore> store) {
    std::lock_guard lock(activeMutex());
    auto previous = std::move(activeSlot());
    activeSlot() = std::move(store);
    return previous;
}

std::string defaultRegistryPath() {
    if (const char* explicitPath = std::getenv("ZUNDERWERK_REGISTRY"); explicitPath && *explicitPath)
        return explicitPath;
    std::string base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.local/share";
    } else {
        base = ".";
    }
    return base + "/Zunderwerk/registry.db";
}

std::shared_ptr<RegistryStore> openDefaultRegistry() {
#ifdef _WIN32
    return std::make_shared<Win32RegistryStore>();
#else
    return openStoreFile(defaultRegistryPath(), seedDefaultHive).store;
#endif
}

bool activateToolRegistry(std::string& error) {
#ifdef _WIN32
    static_cast<void>(error);  // the registry itself is always there
    setActiveRegistry(openDefaultRegistry());
    return true;
#else
    StoreOpening opening = openStoreFile(defaultRegistryPath(), seedDefaultHive, WhenUnusable::GiveUp);
    if (!opening.store) {
        error = opening.notice;
        return false;
    }
    setActiveRegistry(std::move(opening.store));
    return true;
#endif
}

}  // namespace zw::platform
