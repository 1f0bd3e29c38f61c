#include "registry_test_store.h"

#include "sandbox_registry_store.h"

#ifdef _WIN32
#include "platform/win32_registry_store.h"

#include <windows.h>
#else
#include "platform/sqlite_registry_store.h"

#include <cstdlib>
#endif

#include <atomic>
#include <filesystem>

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

void RegistryStoreTest::SetUp() {
#ifdef _WIN32
    // One key per process and test, so test programs running side by side never meet.
    static std::atomic<unsigned> counter{0};
    const std::string base = "Software\\Zunderwerk Tests\\" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(counter++);
    auto sandbox = std::make_shared<SandboxRegistryStore>(std::make_shared<platform::Win32RegistryStore>(),
                                                          platform::kHkeyCurrentUser, base);
    ASSERT_TRUE(sandbox->valid()) << "cannot create the test key HKEY_CURRENT_USER\\" << base;
    store_ = sandbox;
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "zwstore-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    auto opened = platform::SqliteRegistryStore::open(folder_ + "/registry.db");
    ASSERT_TRUE(opened.store) << opened.detail;
    store_ = opened.store;
#endif
    active_.emplace(store_);
}

void RegistryStoreTest::TearDown() {
    if (store_) {
        EXPECT_EQ(store_->openHandleCount(), 0u) << "a handle was left open on the " << testStoreName() << " store";
    }
    active_.reset();
    store_.reset();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

bool RegistryStoreTest::setWriteDenied([[maybe_unused]] platform::RegKey root, [[maybe_unused]] bool denied) {
#ifdef _WIN32
    return false;
#else
    static_cast<platform::SqliteRegistryStore&>(*store_).setWriteDenied(root, denied);
    return true;
#endif
}

}  // namespace zw::test
