// The six operations of the Registry module, its internal steps and the direct calls, on a
// real store file.
#include "fresh_store.h"

#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <vector>

namespace zw {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

class RegistryModule : public test::FreshStore {
protected:
    // Writes a value of any type straight into the store, creating its key.
    void put(RegKey root, std::string_view path, std::string_view name, RegType type, const Bytes& data) {
        RegKey key = 0;
        ASSERT_EQ(store().createKey(root, path, kKeyAllAccess, key), kRegOk);
        ASSERT_EQ(store().setValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())), kRegOk);
        store().closeKey(key);
    }
    // Type and bytes as stored, or nothing.
    std::optional<std::pair<RegType, Bytes>> stored(RegKey root, std::string_view path, std::string_view name) {
        RegKey key = 0;
        if (store().openKey(root, path, kKeyRead, key) != kRegOk) return std::nullopt;
        RegType type = 0;
        std::uint32_t size = 0;
        std::optional<std::pair<RegType, Bytes>> out;
        if (store().queryValue(key, name, &type, nullptr, &size) == kRegOk) {
            Bytes data(size);
            if (store().queryValue(key, name, nullptr, data.data(), &size) == kRegOk) out.emplace(type, data);
        }
        store().closeKey(key);
        return out;
    }
    bool keyExists(RegKey root, std::string_view path) {
        RegKey key = 0;
        if (store().openKey(root, path, kKeyRead, key) != kRegOk) return false;
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

TEST_F(RegistryModule, RendersEveryStoredTypeAsTheTableSays) {
    const std::vector<Rendering> cases = {
        {"REG_SZ", kRegSz, {'4', '0', '0', 0}, "400"},
        {"REG_SZ without NUL", kRegSz, {'4', '0', '0'}, "400"},
        {"REG_SZ with embedded NUL", kRegSz, {'a', 0, 'b', 0}, "a"},
        {"empty REG_SZ", kRegSz, {}, ""},
        {"REG_EXPAND_SZ not expanded", kRegExpandSz, {'%', 'W', '%', 0}, "%W%"},
        {"REG_MULTI_SZ first string", kRegMultiSz, {'x', 0, 'y', 0, 0}, "x"},
        {"REG_DWORD 0", kRegDword, {0, 0, 0, 0}, "0"},
        {"REG_DWORD 81920", kRegDword, {0x00, 0x40, 0x01, 0x00}, "81920"},
        {"REG_DWORD 0xFFFFFFFF", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "-1"},
        {"REG_DWORD 0x80000000", kRegDword, {0, 0, 0, 0x80}, "-2147483648"},
        {"REG_DWORD of 8 bytes does not fit", kRegDword, {1, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"REG_BINARY", kRegBinary, {0x00, 0x1A, 0x2A, 0x0F}, "00 1A 2A 0F "},
        {"REG_BINARY upper case", kRegBinary, {0x01, 0x0A, 0xFF}, "01 0A FF "},
        {"empty REG_BINARY", kRegBinary, {}, ""},
        {"REG_QWORD", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}, ""},
        {"REG_NONE", kRegNone, {'a', 0}, ""},
        {"REG_DWORD_BIG_ENDIAN", kRegDwordBigEndian, {0, 0, 0, 1}, ""},
        {"REG_LINK", kRegLink, {'a', 0}, ""},
    };
    for (const Rendering& c : cases) {
        SCOPED_TRACE(c.what);
        put(kHkeyCurrentUser, "Software\\Render", "v", c.type, c.data);
        EXPECT_EQ(Registry::GetValueText(1, "Software\\Render", "v"), c.text);
        EXPECT_EQ(store().openHandleCount(), 0u);
    }
}

TEST_F(RegistryModule, ReadsThatFailGiveTheEmptyTextAndCloseEverything) {
    put(kHkeyCurrentUser, "Software\\There", "v", kRegSz, {'x', 0});
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Missing", "v"), "");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\There", "missing"), "");
    EXPECT_EQ(Registry::GetValueText(2, "Software\\There", "v"), "") << "another hive";
    EXPECT_EQ(Registry::GetValueText(-1, "Software\\There", "v"), "") << "negative hive code";
    EXPECT_EQ(Registry::GetValueText(40, "Software\\There", "v"), "") << "no such root";
    EXPECT_EQ(store().openHandleCount(), 0u);
}

TEST_F(RegistryModule, NamesAreFoundInAnySpelling) {
    Registry::SetStringValue(1, "Software\\Zunderwerk\\Übersicht", "Größe", "1");
    EXPECT_EQ(Registry::GetValueText(1, "SOFTWARE\\zunderwerk\\üBERSICHT", "GRÖSSE"), "")
        << "ß and SS are different names in the registry";
    EXPECT_EQ(Registry::GetValueText(1, "SOFTWARE\\zunderwerk\\üBERSICHT", "gRÖßE"), "1");
    Registry::SetStringValue(1, "Software\\Zunderwerk", "WaitToKillServiceTimeout", "20000");
    EXPECT_EQ(Registry::GetValueText(1, "software\\ZUNDERWERK", "waittokillservicetimeout"), "20000");
}

TEST_F(RegistryModule, SetDwordValueStoresFourBytesLeastSignificantFirst) {
    Registry::SetDwordValue(2, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                            "IoPageLockLimit", 81920);
    EXPECT_EQ(stored(kHkeyLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                     "IoPageLockLimit"),
              std::make_pair(kRegDword, Bytes{0x00, 0x40, 0x01, 0x00}));

    // A negative number goes in two's complement, as the platform stores it, and reads back.
    Registry::SetDwordValue(1, "Software\\N", "minus", -1);
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\N", "minus"), std::make_pair(kRegDword, Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Registry::GetValueText(1, "Software\\N", "minus"), "-1");
    Registry::SetDwordValue(1, "Software\\N", "low", -2147483647 - 1);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\N", "low"), "-2147483648");
}

TEST_F(RegistryModule, SetStringValueCreatesTheMissingKeysAndStoresNoNul) {
    put(kHkeyCurrentUser, "Control Panel", "x", kRegSz, {});
    Registry::SetStringValue(1, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate", "0");
    EXPECT_TRUE(keyExists(kHkeyCurrentUser, "Control Panel\\Desktop"));
    EXPECT_EQ(stored(kHkeyCurrentUser, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate"),
              std::make_pair(kRegSz, Bytes{'0'}));
}

TEST_F(RegistryModule, TheEmptyValueNameIsTheDefaultValue) {
    Registry::SetStringValue(0, "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", "",
                             "{e84fda7c-1d6a-45f6-b725-cb260c236066}");
    EXPECT_EQ(Registry::GetValueText(0, "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", ""),
              "{e84fda7c-1d6a-45f6-b725-cb260c236066}");
    // HKEY_CLASSES_ROOT is HKEY_LOCAL_MACHINE\SOFTWARE\Classes.
    EXPECT_EQ(Registry::GetValueText(2, "SOFTWARE\\Classes\\SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", ""),
              "{e84fda7c-1d6a-45f6-b725-cb260c236066}");
}

TEST_F(RegistryModule, SetBinaryValueStoresExactlyTheBytes) {
    const std::string bytes("\x00\x1A\x2A\x0F", 4);
    Registry::SetBinaryValue(1, "Software\\B", "b", bytes);
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\B", "b"), std::make_pair(kRegBinary, Bytes{0x00, 0x1A, 0x2A, 0x0F}));
    Registry::SetBinaryValue(1, "Software\\B", "empty", "");
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\B", "empty"), std::make_pair(kRegBinary, Bytes{}));
    EXPECT_EQ(Registry::GetValueText(1, "Software\\B", "empty"), "");
}

TEST_F(RegistryModule, DeleteValueRemovesOnlyWhatExists) {
    Registry::SetStringValue(1, "Software\\D", "a", "1");
    Registry::DeleteValue(1, "Software\\D", "A");
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\D", "a"), std::nullopt);
    Registry::DeleteValue(1, "Software\\Nowhere", "a");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Software\\Nowhere")) << "deleting a value creates no key";
}

TEST_F(RegistryModule, DeleteKeyDeletesOnlyALeafKey) {
    Registry::SetStringValue(1, "Software\\Tree\\Leaf", "v", "1");
    Registry::SetStringValue(1, "Software\\Tree", "w", "2");
    Registry::DeleteKey(1, "Software\\Tree");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Tree", "w"), "2") << "a key with subkeys stays, values and all";
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Tree\\Leaf", "v"), "1");

    Registry::DeleteKey(1, "Software\\Tree\\Leaf");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Software\\Tree\\Leaf"));
    Registry::DeleteKey(1, "Software\\Tree");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Software\\Tree"));
    Registry::DeleteKey(1, "Software\\Tree");  // gone already: nothing happens
}

TEST_F(RegistryModule, ARestrictedUserReadsTheEmptyTextAndWritesNothing) {
    Registry::SetStringValue(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled", "1");
    Registry::SetDwordValue(0, "CLSID\\{X}", "n", 1);
    store().setWriteDenied(kHkeyLocalMachine, true);

    EXPECT_EQ(Registry::GetValueText(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled"), "");
    EXPECT_EQ(Registry::GetValueText(0, "CLSID\\{X}", "n"), "") << "HKEY_CLASSES_ROOT lies in HKEY_LOCAL_MACHINE";
    Registry::SetStringValue(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled", "0");
    Registry::SetStringValue(2, "SOFTWARE\\New\\Key", "v", "0");
    Registry::DeleteValue(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled");
    Registry::DeleteKey(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings");
    EXPECT_FALSE(keyExists(kHkeyLocalMachine, "SOFTWARE\\New"));
    EXPECT_EQ(Registry::GetValueText(1, "x", "y"), "") << "other hives stay usable";
    Registry::SetStringValue(1, "Software\\Mine", "v", "ok");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Mine", "v"), "ok");

    store().setWriteDenied(kHkeyLocalMachine, false);
    EXPECT_EQ(Registry::GetValueText(2, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled"), "1");
}

TEST_F(RegistryModule, AnEmptySegmentInAPathIsSkipped) {
    // "Identities\" + "" + "\Software\..." as a window builds it for a missing identity.
    Registry::SetDwordValue(1, "Identities\\\\Software\\Microsoft\\Outlook Express\\5.0", "NoSplash", 1);
    EXPECT_EQ(Registry::GetValueText(1, "Identities\\Software\\Microsoft\\Outlook Express\\5.0", "NoSplash"), "1");
    RegKey identities = 0;
    ASSERT_EQ(Registry::OpenKey(1, "Identities", identities), kRegOk);
    std::string name;
    EXPECT_EQ(Registry::EnumKey(identities, 0, name), kRegOk);
    EXPECT_EQ(name, "Software");
    EXPECT_EQ(Registry::EnumKey(identities, 1, name), kRegNoMoreItems);
    Registry::CloseKey(identities);
}

TEST_F(RegistryModule, SplitFirstCutsAtTheFirstDelimiter) {
    const struct {
        std::string text;
        char delimiter;
        std::string head, rest;
    } cases[] = {
        {"a\\b\\c", '\\', "a", "b\\c"}, {"abc", '\\', "abc", ""}, {"", '\\', "", ""},
        {"\\x", '\\', "", "x"}, {"x\\", '\\', "x", ""}, {std::string("a\0b\0", 4), '\0', "a", std::string("b\0", 2)},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(Registry::SplitFirst(text, c.delimiter), c.head) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
}

TEST_F(RegistryModule, CreateSubKeyBelowAMissingParentDoesNothing) {
    Registry::CreateSubKey(1, "Software\\Missing", "Child");
    EXPECT_FALSE(keyExists(kHkeyCurrentUser, "Software\\Missing"));
    Registry::CreateSubKey(1, "", "Software");
    EXPECT_TRUE(keyExists(kHkeyCurrentUser, "Software"));
}

TEST_F(RegistryModule, DirectCallsEnumerateCreateAndSetSizedText) {
    for (const char* site : {"zeta.example", "Alpha.example", "mid.example"})
        Registry::SetDwordValue(1, std::string("Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P\\History\\") + site, "", 1);

    RegKey history = 0;
    ASSERT_EQ(Registry::OpenKey(1, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\P3P\\History", history), kRegOk);
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t i = 0; Registry::EnumKey(history, i, name) == kRegOk; ++i) names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.example", "mid.example", "zeta.example"}));
    EXPECT_EQ(Registry::CloseKey(history), kRegOk);
    EXPECT_NE(Registry::OpenKey(1, "Software\\Nope", history), kRegOk);

    RegKey key = 0;
    ASSERT_EQ(Registry::CreateKey(1, "Software\\Microsoft\\Internet Explorer\\Main", key), kRegOk);
    const std::string title = "Zunderwerk";
    EXPECT_EQ(Registry::SetStringValueSized(key, "Window Title", title, static_cast<std::uint32_t>(title.size())), kRegOk);
    EXPECT_EQ(Registry::SetStringValueSized(key, "Too long", title, 100), kRegInvalidParameter) << "never reads past the text";
    EXPECT_EQ(Registry::CloseKey(key), kRegOk);
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Window Title"),
              std::make_pair(kRegSz, Bytes(title.begin(), title.end())));
}

}  // namespace
}  // namespace zw
