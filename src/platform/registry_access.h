// Which registry store the process works on. The program opens the default store once at
// start; tests install a fresh store of their own for each test.
#pragma once

#include "registry_store.h"

#include <memory>
#include <string>

namespace zw::platform {

// The store every registry caller of this process uses. Opens the default store on first use.
RegistryStore& activeRegistry();
// Replaces the store (tests, tools with an explicit file). Returns the previous one.
std::shared_ptr<RegistryStore> setActiveRegistry(std::shared_ptr<RegistryStore> store);

// Where the embedded store lives: $ZUNDERWERK_REGISTRY if set, else the user's data folder
// ($XDG_DATA_HOME or ~/.local/share)/Zunderwerk/registry.db. Not used on Windows.
std::string defaultRegistryPath();

// Opens the platform's store: the Win32 registry on Windows, the embedded store at
// defaultRegistryPath() elsewhere (created and seeded from the default hive when new).
std::shared_ptr<RegistryStore> openDefaultRegistry();

// For a command-line tool: installs the platform's store as the active one and returns true,
// or leaves `error` (German) and returns false when the store file cannot be used, rather
// than working on a store in memory whose changes would be lost when the tool ends.
bool activateToolRegistry(std::string& error);

// Installs a store for the lifetime of the object and puts the previous one back after.
class ScopedRegistry {
public:
    explicit ScopedRegistry(std::shared_ptr<RegistryStore> store) : previous_(setActiveRegistry(std::move(store))) {}
    ~ScopedRegistry() { setActiveRegistry(std::move(previous_)); }
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;

private:
    std::shared_ptr<RegistryStore> previous_;
};

}  // namespace zw::platform
