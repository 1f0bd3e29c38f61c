#include "registry_test_store.h"

#include "sandbox_registry_store.h"

#ifdef _WIN32
#include "platform/win32_registry_store.h"

#include <windows.h>
#else
#include "platform/sqlite_registry_store.h"
#endif

#include <atomic>
#include <string>

namespace zw::testing {

StoreKind testStoreKind() {
#ifdef _WIN32
    return StoreKind::Win32;
#else
    return StoreKind::Sqlite;
#endif
}

const char* testStoreName() { return testStoreKind() == StoreKind::Win32 ? "Win32" : "SQLite"; }

bool runningUnderWine() {
#ifdef _WIN32
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

std::shared_ptr<platform::RegistryStore> makeTestStore() {
#ifdef _WIN32
    // One key per process and test, so parallel test programs never meet.
    static std::atomic<unsigned> counter{0};
    std::string base = "Software\\Zunderwerk Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                       std::to_string(counter++);
    auto sandbox = std::make_shared<SandboxRegistryStore>(std::make_shared<platform::Win32RegistryStore>(),
                                                          platform::kHkeyCurrentUser, base);
    if (!sandbox->valid()) return nullptr;
    return sandbox;
#else
    return platform::SqliteRegistryStore::open(":memory:").store;
#endif
}

void RegistryStoreTest::SetUp() {
    store_ = makeTestStore();
    ASSERT_TRUE(store_) << "no " << testStoreName() << " test store";
    active_.emplace(store_);
}

void RegistryStoreTest::TearDown() {
    if (store_) EXPECT_EQ(store_->openHandleCount(), 0u) << "handles left open on the " << testStoreName() << " store";
    active_.reset();
    store_.reset();
}

}  // namespace zw::testing
