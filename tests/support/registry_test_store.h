// The registry store the registry and toggle tests run on: a fresh SQLite store file where the
// embedded store is the platform's, the real registry through the Win32 store on Windows (and
// under Wine), inside a private key below HKEY_CURRENT_USER that is created for each test and
// removed after it. The same test sources thereby run against both stores.
#pragma once

#include "platform/registry_access.h"
#include "platform/registry_store.h"

#include <gtest/gtest.h>

#include <functional>
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

// Fills a fresh store before a test uses it.
using StoreSeed = std::function<platform::RegResult(platform::RegistryStore&)>;

// A fresh store for one test, filled by `seed` when one is given: a SQLite store file in a
// folder of its own (removed with the store), or a new private key of the real registry
// (removed with the store). Null when it cannot be made.
std::shared_ptr<platform::RegistryStore> makeTestStore(const StoreSeed& seed = {});

// Makes a hive of a store from makeTestStore() non-writable, as for a restricted user. False
// where the store cannot do that: Wine grants every right on its registry, so only the
// embedded store reproduces a restricted user.
bool setWriteDenied(platform::RegistryStore& store, platform::RegKey root, bool denied);

// Installs a fresh, empty store as the process's registry for the length of each test and
// checks afterwards that the test left no handle open.
class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::RegistryStore& store() { return *store_; }
    static bool onWin32() { return testStoreKind() == StoreKind::Win32; }
    bool setWriteDenied(platform::RegKey root, bool denied) { return test::setWriteDenied(*store_, root, denied); }

private:
    std::shared_ptr<platform::RegistryStore> store_;
    std::optional<platform::ScopedRegistry> active_;
};

}  // namespace zw::test
