// What the program relies on from the registry's 8-bit interface, checked on whichever store
// this build uses: the embedded SQLite store on Linux, the real registry (Win32 store) on
// Windows and under Wine. Where the two must agree, the test states Windows' behaviour.
#include "registry_test_store.h"

#include <cstring>
#include <string>
#include <vector>

namespace zw::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

class StoreSemantics : public test::RegistryStoreTest {
protected:
    RegKey create(std::string_view path) {
        RegKey key = 0;
        EXPECT_EQ(store().createKey(kHkeyCurrentUser, path, kKeyAllAccess, key), kRegOk) << path;
        return key;
    }
    void createAndClose(std::string_view path) { store().closeKey(create(path)); }
    bool exists(std::string_view path) {
        RegKey key = 0;
        if (store().openKey(kHkeyCurrentUser, path, kKeyQueryValue, key) != kRegOk) return false;
        store().closeKey(key);
        return true;
    }
    std::vector<std::string> subkeys(std::string_view path) {
        RegKey key = 0;
        std::vector<std::string> names;
        if (store().openKey(kHkeyCurrentUser, path, kKeyEnumerateSubKeys, key) != kRegOk) return names;
        std::string name;
        for (std::uint32_t i = 0; store().enumKey(key, i, name) == kRegOk; ++i) names.push_back(name);
        store().closeKey(key);
        return names;
    }
};

struct StoredValue {
    const char* what;
    RegType type;
    Bytes data;
};

// Each type goes in through RegSetValueExA with an exact size and comes back byte for byte,
// with no terminating NUL added or removed, and the two-call read the Registry module makes
// (size first, then data) works.
TEST_F(StoreSemantics, ValuesRoundTripThroughTheEightBitInterface) {
    const std::vector<StoredValue> cases = {
        {"REG_SZ without NUL", kRegSz, bytesOf("abc")},
        {"REG_SZ with embedded NUL", kRegSz, Bytes{'a', 0, 'b'}},
        {"REG_SZ with its NUL", kRegSz, Bytes{'x', 'y', 0}},
        {"REG_SZ empty", kRegSz, Bytes{}},
        {"REG_EXPAND_SZ", kRegExpandSz, bytesOf("%SystemRoot%\\x")},
        {"REG_MULTI_SZ", kRegMultiSz, Bytes{'x', 0, 'y', 0, 0}},
        {"REG_DWORD -1", kRegDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}},
        {"REG_DWORD 81920", kRegDword, Bytes{0x00, 0x40, 0x01, 0x00}},
        {"REG_BINARY", kRegBinary, Bytes{0x00, 0x1A, 0x2A, 0x0F}},
        {"REG_BINARY empty", kRegBinary, Bytes{}},
        {"REG_QWORD", kRegQword, Bytes{1, 2, 3, 4, 5, 6, 7, 8}},
        {"REG_NONE", kRegNone, Bytes{0x42}},
    };
    RegKey key = create("Values");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(store().setValue(key, c.what, c.type, c.data.data(), static_cast<std::uint32_t>(c.data.size())),
                  kRegOk);
        RegType type = 0xFFFF;
        std::uint32_t size = 0;
        ASSERT_EQ(store().queryValue(key, c.what, &type, nullptr, &size), kRegOk);
        EXPECT_EQ(type, c.type);
        // Windows may announce more room than a string needs through the 8-bit calls; the
        // read that follows reports the real size.
        EXPECT_GE(size, c.data.size());
        Bytes data(size + 1, 0xEE);
        std::uint32_t got = size + 1;
        ASSERT_EQ(store().queryValue(key, c.what, &type, data.data(), &got), kRegOk);
        data.resize(got);
        EXPECT_EQ(data, c.data);
    }
    store().closeKey(key);
}

TEST_F(StoreSemantics, TooSmallBufferReportsMoreDataAndTheSize) {
    RegKey key = create("Small");
    const Bytes value = bytesOf("zwölf Zeichen");
    ASSERT_EQ(store().setValue(key, "v", kRegBinary, value.data(), static_cast<std::uint32_t>(value.size())), kRegOk);
    std::uint8_t buffer[4] = {};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(store().queryValue(key, "v", nullptr, buffer, &size), kRegMoreData);
    EXPECT_EQ(size, value.size());
    store().closeKey(key);
}

TEST_F(StoreSemantics, CreatingAPathCreatesEveryMissingKeyAndOpensAnExistingOne) {
    createAndClose("Eins");
    RegKey key = 0;
    bool created = false;
    ASSERT_EQ(store().createKey(kHkeyCurrentUser, "Eins\\Zwei\\Drei", kKeyAllAccess, key, &created), kRegOk);
    EXPECT_TRUE(created);
    store().closeKey(key);
    EXPECT_TRUE(exists("Eins\\Zwei"));
    ASSERT_EQ(store().createKey(kHkeyCurrentUser, "EINS\\zwei\\drei", kKeyAllAccess, key, &created), kRegOk);
    EXPECT_FALSE(created);
    store().closeKey(key);
    EXPECT_EQ(subkeys("Eins"), std::vector<std::string>{"Zwei"});
}

TEST_F(StoreSemantics, DeleteKeyRefusesAKeyWithSubkeysAndDeletesALeaf) {
    createAndClose("Baum\\Ast\\Blatt");
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "Baum\\Ast"), kRegAccessDenied);
    EXPECT_TRUE(exists("Baum\\Ast\\Blatt"));
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "Baum\\Ast\\Blatt"), kRegOk);
    EXPECT_FALSE(exists("Baum\\Ast\\Blatt"));
    EXPECT_TRUE(exists("Baum\\Ast"));
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "Baum\\Fehlt"), kRegFileNotFound);
}

TEST_F(StoreSemantics, DeletingAValueAndAMissingValue) {
    RegKey key = create("Werte");
    const std::uint8_t one[4] = {1, 0, 0, 0};
    ASSERT_EQ(store().setValue(key, "Da", kRegDword, one, 4), kRegOk);
    EXPECT_EQ(store().deleteValue(key, "Da"), kRegOk);
    EXPECT_EQ(store().queryValue(key, "Da", nullptr, nullptr, nullptr), kRegFileNotFound);
    EXPECT_EQ(store().deleteValue(key, "Da"), kRegFileNotFound);
    EXPECT_EQ(store().deleteValue(key, "Nie"), kRegFileNotFound);
    store().closeKey(key);
}

// Names compare without regard to letter case, umlauts included; "ß" has no single upper-case
// letter and stays different from "SS". Names keep the spelling they were created with.
TEST_F(StoreSemantics, NamesIgnoreLetterCaseIncludingGermanLetters) {
    RegKey key = create("Größe\\Übung");
    const Bytes text = bytesOf("ja");
    ASSERT_EQ(store().setValue(key, "Häufigkeit", kRegSz, text.data(), 2), kRegOk);
    store().closeKey(key);

    RegKey again = 0;
    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "GRÖßE\\üBUNG", kKeyQueryValue, again), kRegOk);
    std::uint32_t size = 0;
    EXPECT_EQ(store().queryValue(again, "HÄUFIGKEIT", nullptr, nullptr, &size), kRegOk);
    std::string name;
    RegType type = 0;
    Bytes data;
    ASSERT_EQ(store().enumValue(again, 0, name, type, data), kRegOk);
    EXPECT_EQ(name, "Häufigkeit");
    store().closeKey(again);

    EXPECT_FALSE(exists("GRÖSSE\\Übung"));
    EXPECT_EQ(subkeys(""), (std::vector<std::string>{"Größe"}));
}

// Subkeys come back sorted by their upper-case spelling, whatever order they were made in:
// Windows keeps each key's subkey list sorted that way. Wine sorts by the lower-case spelling
// instead, which differs only for names with one of the characters [ \ ] ^ _ ` where the
// other name has a letter: Wine puts "_x" before the letters, Windows after "Z".
TEST_F(StoreSemantics, SubkeysEnumerateInTheRegistrysOwnOrder) {
    for (const char* name : {"zeta", "Äpfel", "_x", "beta", "10", "Alpha", "Ölung", "Zebra"}) {
        createAndClose(std::string("Liste\\") + name);
    }
    const std::vector<std::string> windowsOrder = {"10", "Alpha", "beta", "Zebra", "zeta", "_x", "Äpfel", "Ölung"};
    const std::vector<std::string> wineOrder = {"10", "_x", "Alpha", "beta", "Zebra", "zeta", "Äpfel", "Ölung"};
    EXPECT_EQ(subkeys("Liste"), test::runningUnderWine() ? wineOrder : windowsOrder);
}

TEST_F(StoreSemantics, EnumerationEndsWithNoMoreItems) {
    createAndClose("Leer");
    RegKey key = 0;
    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "Leer", kKeyEnumerateSubKeys, key), kRegOk);
    std::string name;
    EXPECT_EQ(store().enumKey(key, 0, name), kRegNoMoreItems);
    store().closeKey(key);
}

// Key paths of the program have no empty segments; a doubled or trailing backslash is what a
// slip in a table would produce. Both stores pass over the empty segment, as Wine does; Windows
// XP does so only when the key is in its cache of recently opened keys and otherwise fails
// with ERROR_INVALID_PARAMETER (an empty key name). A path that starts with a backslash is
// refused with ERROR_BAD_PATHNAME by every call, as on Windows NT.
TEST_F(StoreSemantics, EmptyPathSegment) {
    RegKey key = 0;
    ASSERT_EQ(store().createKey(kHkeyCurrentUser, "Pfad\\\\Ende\\", kKeyAllAccess, key), kRegOk);
    store().closeKey(key);
    EXPECT_TRUE(exists("Pfad\\Ende"));
    EXPECT_TRUE(exists("Pfad\\\\Ende"));
    EXPECT_TRUE(exists("Pfad\\Ende\\"));
    EXPECT_EQ(subkeys("Pfad"), std::vector<std::string>{"Ende"});
    EXPECT_EQ(subkeys("Pfad\\Ende"), std::vector<std::string>{});
    EXPECT_EQ(store().createKey(kHkeyCurrentUser, "\\Vorne", kKeyAllAccess, key), kRegBadPathname);
    EXPECT_FALSE(exists("Vorne"));
    EXPECT_EQ(store().openKey(kHkeyCurrentUser, "\\Pfad", kKeyQueryValue, key), kRegBadPathname);
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "\\Pfad\\Ende"), kRegBadPathname);
    EXPECT_TRUE(exists("Pfad\\Ende"));
}

TEST_F(StoreSemantics, MissingKeysAndValuesReportFileNotFound) {
    RegKey key = 0;
    EXPECT_EQ(store().openKey(kHkeyCurrentUser, "Gibt\\Es\\Nicht", kKeyQueryValue, key), kRegFileNotFound);
    key = create("Da");
    EXPECT_EQ(store().queryValue(key, "fehlt", nullptr, nullptr, nullptr), kRegFileNotFound);
    store().closeKey(key);
}

}  // namespace
}  // namespace zw::platform
