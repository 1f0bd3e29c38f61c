// The registry store the registry and toggle tests run on: an empty SQLite store in memory
// where the embedded store is the platform's, the real registry through the Win32 store on
// Windows (and under Wine), inside a private key below HKEY_CURRENT_USER that is created for
// each test and removed after it. The same test sources thereby run against both stores.
#pragma once

#include "platform/registry_access.h"
#include "platform/registry_store.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace zw::testing {

enum class StoreKind { Sqlite, Win32 };

// The store this build's tests run on.
StoreKind testStoreKind();
const char* testStoreName();

// True when the program runs on Wine rather than on Windows itself (where a test documents a
// difference of Wine's).
bool runningUnderWine();

// A fresh, empty store for one test; null when it could not be made.
std::shared_ptr<platform::RegistryStore> makeTestStore();

// Installs a fresh store as the process's registry for the length of each test and checks
// afterwards that the test left no handle open.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::RegistryStore& store() { return *store_; }
    static bool onWin32() { return testStoreKind() == StoreKind::Win32; }

private:
    std::shared_ptr<platform::RegistryStore> store_;
    std::optional<platform::ScopedRegistry> active_;
};

}  // namespace zw::testing
