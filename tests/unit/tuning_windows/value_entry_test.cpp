// The value entry windows: the connection count check, and what load and "Ändern" read and
// store.
#include "registry_test_store.h"

#include "tuning/value_entry.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(ConnectionCount, AcceptsOnlyWholeNumbersFromZeroTo2147483647)
{
    const struct {
        const char* typed;
        std::optional<std::int32_t> count;
    } cases[] = {
        {"20", 20},
        {"0", 0},
        {"010", 10},
        {" 16 ", 16},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-1", std::nullopt},
        {"+5", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
        {"1 000", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseConnectionCount(c.typed), c.count) << '"' << c.typed << '"';
}

class ValueEntry : public test::RegistryStoreTest {
protected:
    // The stored type of a value below HKCU, or nothing when it is missing.
    std::optional<platform::RegType> typeOf(const char* key, const char* name)
    {
        platform::RegKey handle = 0;
        if (Registry::OpenKey(1, key, handle) != platform::kRegOk)
            return std::nullopt;
        platform::RegType type = 0;
        std::uint32_t size = 0;
        const bool found = store().queryValue(handle, name, &type, nullptr, &size) == platform::kRegOk;
        Registry::CloseKey(handle);
        return found ? std::optional(type) : std::nullopt;
    }
};

constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TEST_F(ValueEntry, MaxConnectionsLoadsTheStoredCountOrKeepsTheDesignText)
{
    EXPECT_EQ(loadMaxConnections("10"), "10");
    Registry::SetDwordValue(1, kInternet, "MaxConnectionsPerServer", 16);
    EXPECT_EQ(loadMaxConnections("10"), "16");
}

TEST_F(ValueEntry, MaxConnectionsStoresBothValuesAsDwords)
{
    Registry::SetDwordValue(1, kInternet, "MaxConnectionsPer1_0Server", 4);
    storeMaxConnections(20);
    for (const char* name : {"MaxConnectionsPerServer", "MaxConnectionsPer1_0Server"}) {
        EXPECT_EQ(typeOf(kInternet, name), platform::kRegDword) << name;
        EXPECT_EQ(Registry::GetValueText(1, kInternet, name), "20") << name;
    }
}

TEST_F(ValueEntry, MenuShowDelayLoadsAndStoresAnyText)
{
    EXPECT_EQ(loadMenuShowDelay(), "") << "absent: the box is emptied";
    for (const char* typed : {"1", "abc", ""}) {
        storeMenuShowDelay(typed);
        EXPECT_EQ(loadMenuShowDelay(), typed);
        EXPECT_EQ(typeOf("Control Panel\\Desktop", "MenuShowDelay"), platform::kRegSz) << '"' << typed << '"';
    }
}

}  // namespace
}  // namespace zw
