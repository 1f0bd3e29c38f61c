#include "registry_test_store.h"

#include "sandbox_registry_store.h"

#ifdef _WIN32
#include "platform/win32_registry_store.h"

#include <windows.h>
#else
#include "../unit/registry/temp_folder.h"
#include "platform/sqlite_registry_store.h"
#endif

#include <atomic>

namespace zw::test {

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

std::shared_ptr<platform::RegistryStore> makeTestStore(const StoreSeed& seed) {
#ifdef _WIN32
    // One key per process and store, so test programs running side by side never meet.
    static std::atomic<unsigned> counter{0};
    const std::string base = "Software\\Zunderwerk Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(counter++);
    auto sandbox = std::make_shared<SandboxRegistryStore>(std::make_shared<platform::Win32RegistryStore>(),
                                                          platform::kHkeyCurrentUser, base);
    if (!sandbox->valid()) return nullptr;
    if (seed && seed(*sandbox) != platform::kRegOk) return nullptr;
    return sandbox;
#else
    // The folder lives as long as the store and goes after it.
    struct Holder {
        TempFolder folder;
        std::shared_ptr<platform::SqliteRegistryStore> store;
    };
    auto holder = std::make_shared<Holder>();
    holder->store = platform::SqliteRegistryStore::open(holder->folder.file("registry.db"), seed).store;
    if (!holder->store) return nullptr;
    return std::shared_ptr<platform::RegistryStore>(holder, holder->store.get());
#endif
}

bool setWriteDenied([[maybe_unused]] platform::RegistryStore& store, [[maybe_unused]] platform::RegKey root,
                    [[maybe_unused]] bool denied) {
#ifdef _WIN32
    return false;
#else
    auto* sqlite = dynamic_cast<platform::SqliteRegistryStore*>(&store);
    if (sqlite == nullptr) return false;
    sqlite->setWriteDenied(root, denied);
    return true;
#endif
}

void RegistryStoreTest::SetUp() {
    store_ = makeTestStore();
    ASSERT_TRUE(store_) << "cannot make a fresh " << testStoreName() << " store";
    active_.emplace(store_);
}

void RegistryStoreTest::TearDown() {
    if (store_) {
        EXPECT_EQ(store_->openHandleCount(), 0u) << "a handle was left open on the " << testStoreName() << " store";
    }
    active_.reset();
    store_.reset();
}

}  // namespace zw::test
