// The store interface speaks in Windows' own numbers so that the Win32 store can pass handles,
// types, rights and result codes straight through. This compares every number with the SDK.
#include "platform/registry_store.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace zw::platform {
namespace {

// The SDK defines the predefined roots as (HKEY)(ULONG_PTR)(LONG)0x8000000n: on 64-bit
// Windows the handle is the sign-extended number (0xFFFFFFFF8000000n), while the store
// interface keeps the plain 32-bit number. The Win32 store widens a root the same way before
// it calls advapi32; this pins that rule down.
RegKey fromHkey(HKEY key) {
    return static_cast<RegKey>(static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(key)));
}

TEST(WinApiConstants, PredefinedRootsAreWindowsHandles) {
    if (sizeof(void*) == 8) {
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(HKEY_CURRENT_USER), 0xFFFFFFFF80000001ull);
    }
    EXPECT_EQ(kHkeyClassesRoot, fromHkey(HKEY_CLASSES_ROOT));
    EXPECT_EQ(kHkeyCurrentUser, fromHkey(HKEY_CURRENT_USER));
    EXPECT_EQ(kHkeyLocalMachine, fromHkey(HKEY_LOCAL_MACHINE));
    EXPECT_EQ(kHkeyUsers, fromHkey(HKEY_USERS));
    EXPECT_EQ(kHkeyPerformanceData, fromHkey(HKEY_PERFORMANCE_DATA));
    EXPECT_EQ(kHkeyCurrentConfig, fromHkey(HKEY_CURRENT_CONFIG));
    EXPECT_EQ(kHkeyDynData, fromHkey(HKEY_DYN_DATA));
    for (int code = 0; code <= 6; ++code) EXPECT_TRUE(isRootKey(rootKey(code))) << code;
}

TEST(WinApiConstants, ValueTypes) {
    EXPECT_EQ(kRegNone, static_cast<RegType>(REG_NONE));
    EXPECT_EQ(kRegSz, static_cast<RegType>(REG_SZ));
    EXPECT_EQ(kRegExpandSz, static_cast<RegType>(REG_EXPAND_SZ));
    EXPECT_EQ(kRegBinary, static_cast<RegType>(REG_BINARY));
    EXPECT_EQ(kRegDword, static_cast<RegType>(REG_DWORD));
    EXPECT_EQ(kRegDwordBigEndian, static_cast<RegType>(REG_DWORD_BIG_ENDIAN));
    EXPECT_EQ(kRegLink, static_cast<RegType>(REG_LINK));
    EXPECT_EQ(kRegMultiSz, static_cast<RegType>(REG_MULTI_SZ));
    EXPECT_EQ(kRegResourceList, static_cast<RegType>(REG_RESOURCE_LIST));
    EXPECT_EQ(kRegFullResourceDescriptor, static_cast<RegType>(REG_FULL_RESOURCE_DESCRIPTOR));
    EXPECT_EQ(kRegResourceRequirementsList, static_cast<RegType>(REG_RESOURCE_REQUIREMENTS_LIST));
    EXPECT_EQ(kRegQword, static_cast<RegType>(REG_QWORD));
}

TEST(WinApiConstants, AccessRights) {
    EXPECT_EQ(kKeyQueryValue, static_cast<RegAccess>(KEY_QUERY_VALUE));
    EXPECT_EQ(kKeySetValue, static_cast<RegAccess>(KEY_SET_VALUE));
    EXPECT_EQ(kKeyCreateSubKey, static_cast<RegAccess>(KEY_CREATE_SUB_KEY));
    EXPECT_EQ(kKeyEnumerateSubKeys, static_cast<RegAccess>(KEY_ENUMERATE_SUB_KEYS));
    EXPECT_EQ(kKeyNotify, static_cast<RegAccess>(KEY_NOTIFY));
    EXPECT_EQ(kKeyCreateLink, static_cast<RegAccess>(KEY_CREATE_LINK));
    EXPECT_EQ(kKeyRead, static_cast<RegAccess>(KEY_READ));
    EXPECT_EQ(kKeyWrite, static_cast<RegAccess>(KEY_WRITE));
    EXPECT_EQ(kKeyAllAccess, static_cast<RegAccess>(KEY_ALL_ACCESS));
    EXPECT_EQ(kMaximumAllowed, static_cast<RegAccess>(MAXIMUM_ALLOWED));
}

TEST(WinApiConstants, ResultCodes) {
    EXPECT_EQ(kRegOk, ERROR_SUCCESS);
    EXPECT_EQ(kRegFileNotFound, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(kRegAccessDenied, ERROR_ACCESS_DENIED);
    EXPECT_EQ(kRegInvalidHandle, ERROR_INVALID_HANDLE);
    EXPECT_EQ(kRegInvalidParameter, ERROR_INVALID_PARAMETER);
    EXPECT_EQ(kRegMoreData, ERROR_MORE_DATA);
    EXPECT_EQ(kRegNoMoreItems, ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(kRegBadDb, ERROR_BADDB);
    EXPECT_EQ(kRegKeyDeleted, ERROR_KEY_DELETED);
    EXPECT_EQ(kRegChildMustBeVolatile, ERROR_CHILD_MUST_BE_VOLATILE);
}

}  // namespace
}  // namespace zw::platform
