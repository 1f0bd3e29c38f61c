// Opening the store file the program works on, whatever state it is found in: a new file is
// created (and seeded), a damaged one is kept aside under another name and replaced by a fresh
// store, and when no file can be used at all the program still runs on a store in memory.
// Each of the last two tells the user on stderr and leaves the text for the windows to show.
// A command-line tool, whose changes would be lost in memory, asks for no store instead.
#pragma once

#include "sqlite_registry_store.h"

#include <memory>
#include <string>

namespace zw::platform {

// What to do when no store file can be used at all.
enum class WhenUnusable { UseMemory, GiveUp };

struct StoreOpening {
    std::shared_ptr<SqliteRegistryStore> store;  // null only after GiveUp
    std::string notice;                          // German text for the user; empty when all went well
    std::string keptAside;                       // where a damaged file was moved
};

StoreOpening openStoreFile(const std::string& path, const SqliteRegistryStore::Seed& seed,
                           WhenUnusable whenUnusable = WhenUnusable::UseMemory);

// The notice of the last openStoreFile() that had something to say, handed out once.
std::string takeRegistryNotice();

}  // namespace zw::platform
