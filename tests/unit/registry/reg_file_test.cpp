// Reading and writing .reg files: every value form, both versions and encodings, malformed
// files refused with their line, all-or-nothing import and the export round trip.
#include "refusing_registry_store.h"
#include "registry_test_store.h"

#include "platform/reg_file.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\T]\r\n";

RegFileValue onlyValue(const std::string& file) {
    const RegFileParse parsed = parseRegFile(file);
    EXPECT_TRUE(parsed.ok()) << parsed.errorLine << ": " << parsed.error;
    if (!parsed.ok() || parsed.keys.size() != 1 || parsed.keys[0].values.size() != 1) return {};
    return parsed.keys[0].values[0];
}

TEST(RegFileRead, EveryValueForm) {
    const struct {
        std::string line;
        std::string name;
        RegType type;
        Bytes data;
    } cases[] = {
        {"\"a\"=\"x\"", "a", kRegSz, {'x', 0}},
        {"@=\"C:\\\\Pfad \\\"q\\\"\"", "", kRegSz, {'C', ':', '\\', 'P', 'f', 'a', 'd', ' ', '"', 'q', '"', 0}},
        {"\"Grö\\\"ße\"=\"\"", "Grö\"ße", kRegSz, {0}},
        {"\"d\"=dword:00014000", "d", kRegDword, {0x00, 0x40, 0x01, 0x00}},
        {"\"d\"=DWORD:ffffffff", "d", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"\"b\"=hex:00,1a,2A,0f", "b", kRegBinary, {0x00, 0x1A, 0x2A, 0x0F}},
        {"\"b\"=hex:", "b", kRegBinary, {}},
        {"\"e\"=hex(2):25,00,57,00,25,00,00,00", "e", kRegExpandSz, {'%', 'W', '%', 0}},
        {"\"m\"=hex(7):78,00,00,00,fc,00,00,00,00,00", "m", kRegMultiSz, {'x', 0, 0xC3, 0xBC, 0, 0}},
        {"\"q\"=hex(b):01,00,00,00,00,00,00,00", "q", kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}},
        {"\"n\"=hex(0):", "n", kRegNone, {}},
        {"\"b\"=hex:01,02,\\\r\n  03,04", "b", kRegBinary, {1, 2, 3, 4}},
        {"\"b\" = hex:01, 02 ,\\\n\t03", "b", kRegBinary, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const RegFileValue v = onlyValue(kHeader + c.line + "\r\n");
        EXPECT_EQ(v.name, c.name);
        EXPECT_FALSE(v.remove);
        EXPECT_EQ(v.type, c.type);
        EXPECT_EQ(v.data, c.data);
    }
    EXPECT_TRUE(onlyValue(kHeader + "\"gone\"=-\r\n").remove);
}

TEST(RegFileRead, KeysDeletionsAndComments) {
    const RegFileParse parsed = parseRegFile(
        "Windows Registry Editor Version 5.00\n\n; a comment\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Old]\n\n"
        "[HKCU\\Software\\New\\]\n@=dword:1\n[HKEY_CLASSES_ROOT]\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    ASSERT_EQ(parsed.keys.size(), 3u);
    EXPECT_TRUE(parsed.keys[0].remove);
    EXPECT_EQ(parsed.keys[0].root, kHkeyLocalMachine);
    EXPECT_EQ(parsed.keys[0].path, "SOFTWARE\\Old");
    EXPECT_EQ(parsed.keys[1].root, kHkeyCurrentUser);
    EXPECT_EQ(parsed.keys[1].path, "Software\\New");
    EXPECT_EQ(parsed.keys[1].line, 6);
    EXPECT_EQ(parsed.keys[2].root, kHkeyClassesRoot);
    EXPECT_EQ(parsed.keys[2].path, "");
}

TEST(RegFileRead, EncodingsOfBothVersions) {
    // Version 5 as Windows writes it: UTF-16LE with BOM.
    const RegFileValue wide =
        onlyValue(encodeRegFile("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Ü]\r\n\"ä\"=\"ö\"\r\n"));
    EXPECT_EQ(wide.name, "ä");
    EXPECT_EQ(wide.data, (Bytes{0xC3, 0xB6, 0}));
    // UTF-8 with BOM.
    EXPECT_EQ(onlyValue("\xEF\xBB\xBF" + kHeader + "\"a\"=\"ü\"").data, (Bytes{0xC3, 0xBC, 0}));
    // REGEDIT4 in Windows-1252: "ü" is one byte, and hex(2) carries 8-bit text.
    const std::string old = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n\"a\"=\"\xFC\x80\"\r\n\"e\"=hex(2):41,00\r\n";
    const RegFileParse parsed = parseRegFile(old);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.keys[0].values[0].data, (Bytes{0xC3, 0xBC, 0xE2, 0x82, 0xAC, 0}));
    EXPECT_EQ(parsed.keys[0].values[1].data, (Bytes{'A', 0}));
}

TEST(RegFileRead, MalformedFilesNameTheirLine) {
    const std::pair<std::string, int> cases[] = {
        {"", 1},
        {"REGEDIT5\n[HKEY_CURRENT_USER\\A]\n", 1},
        {"\n\nREGEDIT4\n\"a\"=\"b\"\n", 4},                        // value before any key
        {"REGEDIT4\n[HKEY_NOWHERE\\A]\n", 2},                       // unknown root
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A\n", 2},                   // no ]
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=dword:123456789\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=dword:12x4\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"open\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=\"x\" y\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:1,zz\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,,02\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex:01,\\\n  02,\\\n  0g\n\"b\"=-\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=hex(q):01\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\"=str:x\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"a\" \"b\"\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\nname=\"b\"\n", 3},
        {"REGEDIT4\n[-HKEY_CURRENT_USER\\A]\n\"a\"=\"b\"\n", 3},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n[-HKEY_CURRENT_USER]\n", 3},    // a whole root
        {"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\\\]\n", 2},
    };
    for (const auto& [file, line] : cases) {
        const RegFileParse parsed = parseRegFile(file);
        EXPECT_EQ(parsed.errorLine, line) << file;
        EXPECT_FALSE(parsed.error.empty()) << file;
        EXPECT_TRUE(parsed.keys.empty()) << "a refused file hands out nothing";
    }
}

class RegFileStore : public test::RegistryStoreTest {
protected:
    void put(RegKey root, const std::string& path, const std::string& name, RegType type, const Bytes& data) {
        RegKey key = 0;
        ASSERT_EQ(store().createKey(root, path, kKeyAllAccess, key), kRegOk);
        ASSERT_EQ(store().setValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())), kRegOk);
        store().closeKey(key);
    }
    std::string exported(RegKey root, const std::string& path) {
        std::string text;
        EXPECT_EQ(exportRegText(store(), root, path, text), kRegOk);
        return text;
    }
};

TEST_F(RegFileStore, ExportWritesWhatTheRegistryEditorWrites) {
    put(kHkeyCurrentUser, "Software\\E", "", kRegSz, {'d', 0});
    put(kHkeyCurrentUser, "Software\\E", "Pfad \"x\"", kRegSz, {'C', ':', '\\'});
    put(kHkeyCurrentUser, "Software\\E", "n", kRegDword, {0x00, 0x40, 0x01, 0x00});
    put(kHkeyCurrentUser, "Software\\E", "z", kRegBinary, Bytes(30, 0xAB));
    put(kHkeyCurrentUser, "Software\\E\\Sub", "e", kRegExpandSz, {'%', 'A', '%', 0});
    const std::string expected =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\E]\r\n"
        "@=\"d\"\r\n"
        "\"n\"=dword:00014000\r\n"
        "\"Pfad \\\"x\\\"\"=\"C:\\\\\"\r\n"
        "\"z\"=hex:ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,ab,\\\r\n"
        "  ab,ab,ab,ab,ab,ab,ab\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\E\\Sub]\r\n"
        "\"e\"=hex(2):25,00,41,00,25,00,00,00\r\n"
        "\r\n";
    EXPECT_EQ(exported(kHkeyCurrentUser, "Software\\E"), expected);
    std::string text;
    EXPECT_EQ(exportRegText(store(), kHkeyCurrentUser, "Software\\Missing", text), kRegFileNotFound);
}

// regedit counts the line width in characters: "Größe"=hex: is 12 of them (14 UTF-8 bytes),
// so the first line holds 22 bytes of data, as under a plain ASCII name of the same length.
TEST_F(RegFileStore, HexLinesAreCutByCharactersNotBytes) {
    put(kHkeyCurrentUser, "Software\\W", "Größe", kRegBinary, Bytes(24, 0x11));
    const std::string expected =
        "\"Größe\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,\\\r\n"
        "  11,11\r\n";
    const std::string text = exported(kHkeyCurrentUser, "Software\\W");
    EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST_F(RegFileStore, ExportImportExportGivesTheSameFile) {
    put(kHkeyCurrentUser, "Software\\Rund\\Übersicht", "Größe", kRegSz, {'1', '2'});
    put(kHkeyCurrentUser, "Software\\Rund", "", kRegSz, {});
    put(kHkeyCurrentUser, "Software\\Rund", "nul", kRegSz, {'a', 0, 'b', 0});
    put(kHkeyCurrentUser, "Software\\Rund", "expand", kRegExpandSz, {'%', 'P', '%', 0});
    put(kHkeyCurrentUser, "Software\\Rund", "multi", kRegMultiSz, {'x', 0, 0xC3, 0xBC, 0, 0});
    put(kHkeyCurrentUser, "Software\\Rund", "dword", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
    put(kHkeyCurrentUser, "Software\\Rund", "short dword", kRegDword, {1, 2});
    put(kHkeyCurrentUser, "Software\\Rund", "qword", kRegQword, {1, 2, 3, 4, 5, 6, 7, 8});
    put(kHkeyCurrentUser, "Software\\Rund", "binary", kRegBinary, Bytes(100, 7));
    // A name holding "=" before continued hex lines (found by fuzzing: the continuation was lost).
    put(kHkeyCurrentUser, "Software\\Rund", "a=b \\\"=", kRegBinary, Bytes(40, 9));
    put(kHkeyCurrentUser, "Software\\Rund", "empty binary", kRegBinary, {});
    put(kHkeyCurrentUser, "Software\\Rund", "none", kRegNone, {9});
    put(kHkeyCurrentUser, "Software\\Rund", "big endian", kRegDwordBigEndian, {0, 0, 0, 1});
    put(kHkeyCurrentUser, "Software\\Rund\\Leer", "", kRegBinary, {});
    const std::string first = exported(kHkeyCurrentUser, "Software\\Rund");

    const auto empty = test::makeTestStore();
    ASSERT_TRUE(empty);
    const RegFileParse parsed = parseRegFile(encodeRegFile(first));
    ASSERT_TRUE(parsed.ok()) << parsed.errorLine << ": " << parsed.error;
    ASSERT_EQ(applyRegFile(*empty, parsed.keys).result, kRegOk);
    std::string second;
    ASSERT_EQ(exportRegText(*empty, kHkeyCurrentUser, "Software\\Rund", second), kRegOk);
    EXPECT_EQ(second, first);
    EXPECT_EQ(empty->openHandleCount(), 0u);
}

TEST_F(RegFileStore, ImportIsAllOrNothing) {
    put(kHkeyCurrentUser, "Software\\Keep", "v", kRegSz, {'o', 'l', 'd'});
    put(kHkeyLocalMachine, "SOFTWARE\\Locked", "v", kRegSz, {'o', 'l', 'd'});
    if (!setWriteDenied(kHkeyLocalMachine, true)) GTEST_SKIP() << "no restricted user on the " << test::testStoreName() << " store";
    const RegFileParse parsed = parseRegFile(
        "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Keep]\n\"v\"=\"new\"\n\"w\"=dword:1\n"
        "[-HKEY_CURRENT_USER\\Software\\Other]\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked]\n\"v\"=\"new\"\n");
    ASSERT_TRUE(parsed.ok());
    const RegFileApply applied = applyRegFile(store(), parsed.keys);
    EXPECT_EQ(applied.result, kRegAccessDenied);
    EXPECT_EQ(applied.failedKey, "HKEY_LOCAL_MACHINE\\SOFTWARE\\Locked");
    setWriteDenied(kHkeyLocalMachine, false);
    const std::string keep = exported(kHkeyCurrentUser, "Software\\Keep");
    EXPECT_NE(keep.find("\"v\"=\"old\""), std::string::npos) << keep;
    EXPECT_EQ(keep.find("\"w\""), std::string::npos) << keep;
}

// Without transactions (the real registry) the changes made before a failure are taken back
// one by one: changed and removed values, a removed tree, a new branch.
TEST_F(RegFileStore, ImportTakesBackWhatItDidBeforeAFailure) {
    put(kHkeyCurrentUser, "Software\\Keep", "v", kRegSz, {'o', 'l', 'd'});
    put(kHkeyCurrentUser, "Software\\Keep", "gone", kRegBinary, {1, 2});
    put(kHkeyCurrentUser, "Software\\Tree\\Deep", "x", kRegDword, {1, 0, 0, 0});
    put(kHkeyCurrentUser, "Software\\Tree", "", kRegSz, {'t', 0});
    const std::string before = exported(kHkeyCurrentUser, "Software");
    const RegFileParse parsed = parseRegFile(
        "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Keep]\n\"v\"=\"new\"\n\"w\"=dword:1\n\"gone\"=-\n"
        "[-HKEY_CURRENT_USER\\Software\\Tree]\n[HKEY_CURRENT_USER\\Software\\Neu\\A\\B]\n\"n\"=\"1\"\n"
        "[HKEY_CURRENT_USER\\Software\\Keep]\n\"v\"=-\n\"boom\"=\"x\"\n");
    ASSERT_TRUE(parsed.ok());

    test::RefusingRegistryStore refusing(store());
    refusing.refusedValueName = "boom";
    const RegFileApply applied = applyRegFile(refusing, parsed.keys);
    EXPECT_EQ(applied.result, kRegAccessDenied);
    EXPECT_EQ(applied.failedKey, "HKEY_CURRENT_USER\\Software\\Keep");
    EXPECT_TRUE(applied.rolledBack);
    EXPECT_EQ(exported(kHkeyCurrentUser, "Software"), before);

    // A tree whose deletion stops part-way gets back the keys already deleted.
    put(kHkeyCurrentUser, "Software\\Tree\\Aber", "a", kRegSz, {'1', 0});
    put(kHkeyCurrentUser, "Software\\Tree\\Zaun", "z", kRegSz, {'2', 0});
    const std::string tree = exported(kHkeyCurrentUser, "Software");
    refusing.refusedKeyName = "Zaun";
    const RegFileParse removal = parseRegFile("REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\Tree]\n");
    ASSERT_TRUE(removal.ok());
    const RegFileApply partly = applyRegFile(refusing, removal.keys);
    EXPECT_EQ(partly.result, kRegAccessDenied);
    EXPECT_TRUE(partly.rolledBack);
    EXPECT_EQ(exported(kHkeyCurrentUser, "Software"), tree);

    // When taking back fails too, the result says so.
    refusing.refuseKeyDeletion = true;
    const RegFileParse branch = parseRegFile("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Neu]\n\"boom\"=\"x\"\n");
    ASSERT_TRUE(branch.ok());
    const RegFileApply stuck = applyRegFile(refusing, branch.keys);
    EXPECT_EQ(stuck.result, kRegAccessDenied);
    EXPECT_FALSE(stuck.rolledBack);
}

TEST_F(RegFileStore, DeletionsInAFileRemoveTreesAndValues) {
    put(kHkeyCurrentUser, "Software\\Old\\Deep\\Deeper", "v", kRegSz, {'x'});
    put(kHkeyCurrentUser, "Software\\Vals", "a", kRegSz, {'x'});
    const RegFileParse parsed = parseRegFile(
        "REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\Old]\n[-HKEY_CURRENT_USER\\Software\\NeverThere]\n"
        "[HKEY_CURRENT_USER\\Software\\Vals]\n\"a\"=-\n\"b\"=-\n");
    ASSERT_TRUE(parsed.ok());
    ASSERT_EQ(applyRegFile(store(), parsed.keys).result, kRegOk);
    RegKey key = 0;
    EXPECT_EQ(store().openKey(kHkeyCurrentUser, "Software\\Old", kKeyRead, key), kRegFileNotFound);
    EXPECT_EQ(exported(kHkeyCurrentUser, "Software\\Vals"),
              "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vals]\r\n\r\n");
}

}  // namespace
}  // namespace zw
