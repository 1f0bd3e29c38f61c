// The registry store the registry and toggle tests run on: a fresh SQLite store file where the
// embedded store is the platform's, the real registry through the Win32 store on Windows (and
// under Wine), inside a private key below HKEY_CURRENT_USER that is created for each test and
// removed after it. The same test sources thereby run against both stores.
#pragma once

#include "platform/registry_access.h"
#include "platform/registry_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace zw::test {

enum class StoreKind { Sqlite, Win32 };

// The store this build's tests run on.
StoreKind testStoreKind();
const char* testStoreName();

// True when the program runs on Wine rather than on Windows itself (where a test documents a
// difference of Wine's).
bool runningUnderWine();

// Installs a fresh, empty store as the process's registry for the length of each test and
// checks afterwards that the test left no handle open.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::RegistryStore& store() { return *store_; }
    static bool onWin32() { return testStoreKind() == StoreKind::Win32; }
    // Makes a hive non-writable, as for a restricted user. False where the store cannot do that
    // (Wine grants every right on its registry; only the embedded store reproduces it).
    bool setWriteDenied(platform::RegKey root, bool denied);

private:
    std::shared_ptr<platform::RegistryStore> store_;
    std::optional<platform::ScopedRegistry> active_;
    std::string folder_;  // the SQLite store's folder, removed after the test
};

}  // namespace zw::test
