// A registry store file of its own for one benchmark, installed as the process's active store
// while it lives and removed afterwards.
#pragma once

#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace zw::bench {

struct StoreFile {
    explicit StoreFile(const std::string& prefix, const platform::SqliteRegistryStore::Seed& seed = {})
    {
        dir = std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        store = platform::SqliteRegistryStore::open((dir / "registry.db").string(), seed).store;
        previous = platform::setActiveRegistry(store);
    }
    ~StoreFile()
    {
        platform::setActiveRegistry(previous);
        store.reset();
        std::filesystem::remove_all(dir);
    }
    StoreFile(const StoreFile&) = delete;
    StoreFile& operator=(const StoreFile&) = delete;

    std::filesystem::path dir;
    std::shared_ptr<platform::RegistryStore> store;
    std::shared_ptr<platform::RegistryStore> previous;
};

}  // namespace zw::bench
