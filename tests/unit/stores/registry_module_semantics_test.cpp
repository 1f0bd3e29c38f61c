// The module Registry on the store of this build (SQLite on Linux, the real registry on
// Windows and under Wine): value rendering, key creation, deletions, and the direct calls.
#include "registry_test_store.h"

#include "tweak/registry.h"

#include <string>
#include <vector>

namespace zw {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

constexpr HiveCode kUser = 1;
constexpr HiveCode kMachine = 2;
constexpr HiveCode kClasses = 0;

class RegistryModule : public testing::RegistryStoreTest {
protected:
    // Stores raw bytes with a type, bypassing the module's own writers.
    void putRaw(std::string_view path, std::string_view name, RegType type, const Bytes& data) {
        RegKey key = 0;
        ASSERT_EQ(store().createKey(kHkeyCurrentUser, path, kKeyAllAccess, key), kRegOk);
        ASSERT_EQ(store().setValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())), kRegOk);
        store().closeKey(key);
    }
    // The stored type and bytes of a value, or type kRegNone and no bytes with found false.
    struct Stored {
        bool found = false;
        RegType type = kRegNone;
        Bytes data;
    };
    Stored readRaw(RegKey root, std::string_view path, std::string_view name) {
        Stored out;
        RegKey key = 0;
        if (store().openKey(root, path, kKeyQueryValue, key) != kRegOk) return out;
        std::uint32_t size = 0;
        if (store().queryValue(key, name, &out.type, nullptr, &size) == kRegOk) {
            out.data.resize(size);
            out.found = store().queryValue(key, name, &out.type, out.data.data(), &size) == kRegOk;
            out.data.resize(size);
        }
        store().closeKey(key);
        return out;
    }
    bool keyExists(RegKey root, std::string_view path) {
        RegKey key = 0;
        if (store().openKey(root, path, kKeyQueryValue, key) != kRegOk) return false;
        store().closeKey(key);
        return true;
    }
};

struct Rendering {
    const char* what;
    RegType type;
    Bytes data;
    const char* text;
};

TEST_F(RegistryModule, GetValueTextRendersEveryStoredType) {
    const std::vector<Rendering> cases = {
        {"sz", kRegSz, {'T', 'e', 'x', 't'}, "Text"},
        {"sz with NUL", kRegSz, {'T', 'e', 'x', 't', 0}, "Text"},
        {"embedded NUL", kRegSz, {'a', 0, 'b'}, "a"},
        {"expand sz", kRegExpandSz, {'%', 'W', 'I', 'N', 'D', 'I', 'R', '%'}, "%WINDIR%"},
        {"multi sz", kRegMultiSz, {'x', 0, 'y', 0, 0}, "x"},
        {"dword 0", kRegDword, {0, 0, 0, 0}, "0"},
        {"dword 81920", kRegDword, {0x00, 0x40, 0x01, 0x00}, "81920"},
        {"dword -1", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
        {"dword 0x80000000", kRegDword, {0, 0, 0, 0x80}, "-2147483648"},
        {"binary", kRegBinary, {0x00, 0x1A, 0x2A, 0x0F}, "00 1A 2A 0F "},
        {"binary empty", kRegBinary, {}, ""},
        {"qword", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"none", kRegNone, {1}, ""},
        {"big endian", kRegDwordBigEndian, {0, 0, 0, 1}, ""},
    };
    for (const auto& c : cases) putRaw("Render", c.what, c.type, c.data);
    for (const auto& c : cases) {
        EXPECT_EQ(Registry::GetValueText(kUser, "Render", c.what), c.text) << c.what;
    }
}

TEST_F(RegistryModule, FailedReadsGiveTheEmptyTextAndLeaveNoHandle) {
    putRaw("Da", "q", kRegQword, Bytes(8, 0xAB));
    EXPECT_EQ(Registry::GetValueText(kUser, "Fehlt\\Ganz", "x"), "");
    EXPECT_EQ(Registry::GetValueText(kUser, "Da", "fehlt"), "");
    EXPECT_EQ(Registry::GetValueText(kUser, "Da", "q"), "");
    EXPECT_EQ(store().openHandleCount(), 0u);
}

TEST_F(RegistryModule, WritersStoreTypeAndExactBytes) {
    Registry::SetDwordValue(kUser, "W", "dword", 81920);
    Registry::SetStringValue(kUser, "W", "sz", "Wert");
    Registry::SetStringValue(kUser, "W", "", "Standard");
    Registry::SetBinaryValue(kUser, "W", "bin", std::string("\x00\xFF\x10", 3));

    const Stored dword = readRaw(kHkeyCurrentUser, "W", "dword");
    EXPECT_EQ(dword.type, kRegDword);
    EXPECT_EQ(dword.data, (Bytes{0x00, 0x40, 0x01, 0x00}));
    const Stored sz = readRaw(kHkeyCurrentUser, "W", "sz");
    EXPECT_EQ(sz.type, kRegSz);
    EXPECT_EQ(sz.data, (Bytes{'W', 'e', 'r', 't'}));  // no terminating NUL
    EXPECT_EQ(Registry::GetValueText(kUser, "W", ""), "Standard");
    const Stored bin = readRaw(kHkeyCurrentUser, "W", "bin");
    EXPECT_EQ(bin.type, kRegBinary);
    EXPECT_EQ(bin.data, (Bytes{0x00, 0xFF, 0x10}));
}

TEST_F(RegistryModule, SetCreatesEveryMissingKeyOfThePath) {
    Registry::CreateKeyPath(kUser, "Software");
    Registry::SetStringValue(kUser, "Software\\Zunderwerk\\Tiefe\\Ebene", "v", "x");
    EXPECT_EQ(Registry::GetValueText(kUser, "software\\ZUNDERWERK\\tiefe\\ebene", "v"), "x");
}

TEST_F(RegistryModule, DeleteValueLeavesMissingKeysMissing) {
    Registry::DeleteValue(kUser, "Nie\\Angelegt", "v");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Nie"));
    Registry::SetDwordValue(kUser, "K", "v", 1);
    Registry::DeleteValue(kUser, "K", "v");
    Registry::DeleteValue(kUser, "K", "v");  // a missing value: nothing happens
    EXPECT_FALSE(readRaw(kHkeyCurrentUser, "K", "v").found);
    EXPECT_TRUE(keyExists(kHkeyCurrentUser, "K"));
}

TEST_F(RegistryModule, DeleteKeyDeletesOnlyAKeyWithoutSubkeys) {
    Registry::SetStringValue(kClasses, "Oben\\Mitte\\Unten", "", "x");
    Registry::DeleteKey(kClasses, "Oben\\Mitte");
    EXPECT_EQ(Registry::GetValueText(kClasses, "Oben\\Mitte\\Unten", ""), "x");
    Registry::DeleteKey(kClasses, "Oben\\Mitte\\Unten");
    EXPECT_FALSE(keyExists(kHkeyClassesRoot, "Oben\\Mitte\\Unten"));
    EXPECT_TRUE(keyExists(kHkeyClassesRoot, "Oben\\Mitte"));
}

TEST_F(RegistryModule, HivesAreSeparate) {
    Registry::SetStringValue(kMachine, "SOFTWARE\\Gleich", "v", "Maschine");
    Registry::SetStringValue(kUser, "SOFTWARE\\Gleich", "v", "Benutzer");
    EXPECT_EQ(Registry::GetValueText(kMachine, "Software\\Gleich", "v"), "Maschine");
    EXPECT_EQ(Registry::GetValueText(kUser, "Software\\Gleich", "v"), "Benutzer");
    EXPECT_EQ(Registry::GetValueText(kClasses, "Software\\Gleich", "v"), "");
}

TEST_F(RegistryModule, GermanTextAndNamesRoundTrip) {
    Registry::SetStringValue(kUser, "Einstellungen\\Größe", "Überschrift", "Schließen");
    EXPECT_EQ(Registry::GetValueText(kUser, "EINSTELLUNGEN\\GRÖßE", "überschrift"), "Schließen");
}

TEST_F(RegistryModule, DirectCallsOpenEnumerateCreateAndSet) {
    RegKey key = 0;
    ASSERT_EQ(Registry::CreateKey(kUser, "Direkt\\Kind\\Enkel", key), kRegOk);
    const std::string text = "abcdef";
    EXPECT_EQ(Registry::SetStringValueSized(key, "Name", text, 3), kRegOk);
    EXPECT_EQ(Registry::CloseKey(key), kRegOk);
    EXPECT_EQ(Registry::GetValueText(kUser, "Direkt\\Kind\\Enkel", "Name"), "abc");

    Registry::CreateKeyPath(kUser, "Direkt\\Zweites");
    ASSERT_EQ(Registry::OpenKey(kUser, "Direkt", key), kRegOk);
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t i = 0; Registry::EnumKey(key, i, name) == kRegOk; ++i) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Kind", "Zweites"}));
    EXPECT_EQ(Registry::CloseKey(key), kRegOk);
    EXPECT_NE(Registry::OpenKey(kUser, "Direkt\\Fehlt", key), kRegOk);
}

}  // namespace
}  // namespace zw
