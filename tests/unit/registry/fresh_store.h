// A fresh, empty registry store file for one test, installed as the process's active store.
#pragma once

#include "temp_folder.h"

#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"

#include <gtest/gtest.h>

namespace zw::test {

class FreshStore : public ::testing::Test {
protected:
    FreshStore()
        : store_(platform::SqliteRegistryStore::open(folder_.file("registry.db")).store), scoped_(store_) {}

    void TearDown() override { EXPECT_EQ(store_->openHandleCount(), 0u) << "a registry handle was left open"; }

    platform::SqliteRegistryStore& store() { return *store_; }

    TempFolder folder_;
    std::shared_ptr<platform::SqliteRegistryStore> store_;
    platform::ScopedRegistry scoped_;
};

}  // namespace zw::test
