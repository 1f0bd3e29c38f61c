// The registry tool's commands in-process, on a fresh store: what they print, what they store
// and how they refuse.
#include "refusing_registry_store.h"
#include "registry_test_store.h"
#include "temp_folder.h"

#include "zwreg_command.h"

#include "platform/reg_file.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace zw {
namespace {

using namespace platform;
using Bytes = std::vector<std::uint8_t>;

class Zwreg : public test::RegistryStoreTest {
protected:
    test::TempFolder folder_;
    struct Run {
        int code;
        std::string out, err;
    };
    Run run(std::vector<std::string> args, const std::string& answers = "") { return runOn(store(), args, answers); }
    static Run runOn(RegistryStore& on, std::vector<std::string> args, const std::string& answers = "") {
        std::istringstream in(answers);
        std::ostringstream out, err;
        const int code = zwreg::runCommand(args, on, in, out, err);
        return {code, out.str(), err.str()};
    }
    std::optional<std::pair<RegType, Bytes>> stored(RegKey root, const std::string& path, const std::string& name) {
        RegKey key = 0;
        if (store().openKey(root, path, kKeyRead, key) != kRegOk) return std::nullopt;
        std::optional<std::pair<RegType, Bytes>> result;
        RegType type = 0;
        std::uint32_t size = 0;
        if (store().queryValue(key, name, &type, nullptr, &size) == kRegOk) {
            Bytes data(size);
            store().queryValue(key, name, nullptr, data.data(), &size);
            result.emplace(type, data);
        }
        store().closeKey(key);
        return result;
    }
    static std::string fileBytes(const std::string& path) {
        std::ifstream stream(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    }
    std::string exported(const std::string& path) {
        std::string text;
        exportRegText(store(), kHkeyCurrentUser, path, text);
        return text;
    }
};

TEST_F(Zwreg, QueryPrintsAsRegExeDoes) {
    // Created in the order of their names: Windows lists values in the order they were
    // created, Wine and the embedded store by name.
    Registry::SetStringValue(1, "Software\\Q", "", "Standard");
    Registry::SetBinaryValue(1, "Software\\Q", "Bytes", std::string("\x00\x1a\xff", 3));
    ASSERT_EQ(run({"add", "HKCU\\Software\\Q", "/v", "Liste", "/t", "REG_MULTI_SZ", "/d", "a\\0b"}).code, 0);
    ASSERT_EQ(run({"add", "HKCU\\Software\\Q", "/v", "Q", "/t", "REG_QWORD", "/d", "0x100000000"}).code, 0);
    Registry::SetDwordValue(1, "Software\\Q", "Zahl", 81920);
    Registry::SetStringValue(1, "Software\\Q\\Unter", "x", "1");

    Run r = run({"query", "hkcu\\Software\\Q"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "\nHKEY_CURRENT_USER\\Software\\Q\n"
              "    (Standard)    REG_SZ    Standard\n"
              "    Bytes    REG_BINARY    001AFF\n"
              "    Liste    REG_MULTI_SZ    a\\0b\n"
              "    Q    REG_QWORD    0x100000000\n"
              "    Zahl    REG_DWORD    0x14000\n"
              "\nHKEY_CURRENT_USER\\Software\\Q\\Unter\n\n");

    r = run({"query", "HKEY_CURRENT_USER\\Software\\Q", "/v", "zahl"});
    EXPECT_EQ(r.out, "\nHKEY_CURRENT_USER\\Software\\Q\n    Zahl    REG_DWORD    0x14000\n\n");
    r = run({"query", "HKCU\\Software\\Q\\Unter", "/ve"});
    EXPECT_EQ(r.out, "\nHKEY_CURRENT_USER\\Software\\Q\\Unter\n    (Standard)    REG_SZ    (Wert nicht festgelegt)\n\n");

    r = run({"query", "HKCU\\Software\\Q", "/s"});
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("\nHKEY_CURRENT_USER\\Software\\Q\\Unter\n    x    REG_SZ    1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Suche beendet: 8 Übereinstimmung(en) gefunden."), std::string::npos) << r.out;
    r = run({"query", "HKCU\\Software\\Q", "/v", "x", "/s"});
    EXPECT_EQ(r.out, "\nHKEY_CURRENT_USER\\Software\\Q\\Unter\n    x    REG_SZ    1\n\nSuche beendet: 1 Übereinstimmung(en) gefunden.\n");

    for (const std::vector<std::string>& missing :
         {std::vector<std::string>{"query", "HKCU\\Software\\Nein"}, {"query", "HKCU\\Software\\Q", "/v", "nein"}}) {
        r = run(missing);
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("nicht finden"), std::string::npos);
    }
}

TEST_F(Zwreg, AddStoresEveryTypeAsWindowsStoresIt) {
    const struct {
        std::vector<std::string> args;
        RegType type;
        Bytes data;
    } cases[] = {
        {{"/d", "Text"}, kRegSz, {'T', 'e', 'x', 't', 0}},
        {{"/t", "REG_EXPAND_SZ", "/d", "%P%"}, kRegExpandSz, {'%', 'P', '%', 0}},
        {{"/t", "REG_MULTI_SZ", "/d", "x\\0ü"}, kRegMultiSz, {'x', 0, 0xC3, 0xBC, 0, 0}},
        {{"/t", "REG_MULTI_SZ", "/s", "#", "/d", "x#y"}, kRegMultiSz, {'x', 0, 'y', 0, 0}},
        {{"/t", "REG_DWORD", "/d", "81920"}, kRegDword, {0x00, 0x40, 0x01, 0x00}},
        {{"/t", "reg_dword", "/d", "0xFFFFFFFF"}, kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
        {{"/t", "REG_DWORD_BIG_ENDIAN", "/d", "1"}, kRegDwordBigEndian, {0, 0, 0, 1}},
        {{"/t", "REG_QWORD", "/d", "1"}, kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}},
        {{"/t", "REG_BINARY", "/d", "001aFF"}, kRegBinary, {0x00, 0x1A, 0xFF}},
        {{"/t", "REG_BINARY"}, kRegBinary, {}},
        {{"/t", "REG_NONE", "/d", "n"}, kRegNone, {'n', 0}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"add", "HKLM\\SOFTWARE\\Neu\\Tief", "/v", "w", "/f"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Run r = run(args);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, "Der Vorgang wurde erfolgreich beendet.\n");
        EXPECT_EQ(stored(kHkeyLocalMachine, "SOFTWARE\\Neu\\Tief", "w"), std::make_pair(c.type, c.data));
    }
    EXPECT_EQ(run({"add", "HKCU\\Software\\Nur\\Schluessel"}).code, 0);
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\Nur\\Schluessel", ""), std::nullopt) << "a key alone, no value";
    EXPECT_EQ(run({"add", "HKCU\\Software\\Nur", "/ve", "/d", "s"}).code, 0);
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\Nur", ""), std::make_pair(kRegSz, Bytes{'s', 0}));
}

TEST_F(Zwreg, AddRefusesBadDataAndAsksBeforeOverwriting) {
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {"/t", "REG_DWORD", "/d", "-1"}, {"/t", "REG_DWORD", "/d", "4294967296"}, {"/t", "REG_DWORD", "/d", "zwei"},
             {"/t", "REG_DWORD", "/d", ""}, {"/t", "REG_QWORD", "/d", "0x1g"}, {"/t", "REG_BINARY", "/d", "123"},
             {"/t", "REG_BINARY", "/d", "zz"}, {"/t", "REG_MULTI_SZ", "/d", "a\\0\\0b"}}) {
        std::vector<std::string> args = {"add", "HKCU\\Software\\Bad", "/v", "w"};
        args.insert(args.end(), bad.begin(), bad.end());
        const Run r = run(args);
        EXPECT_EQ(r.code, 1) << bad.back();
        EXPECT_NE(r.err.find("FEHLER: "), std::string::npos) << bad.back();
    }
    EXPECT_EQ(stored(kHkeyCurrentUser, "Software\\Bad", "w"), std::nullopt);

    Registry::SetStringValue(1, "Software\\Da", "w", "alt");
    Run r = run({"add", "HKCU\\Software\\Da", "/v", "w", "/d", "neu"}, "nein\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.out.find("Der Wert w ist bereits vorhanden. Überschreiben (Ja/Nein)?"), std::string::npos);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Da", "w"), "alt");
    EXPECT_EQ(run({"add", "HKCU\\Software\\Da", "/v", "w", "/d", "neu"}, "").code, 1) << "no answer is no";
    EXPECT_EQ(run({"add", "HKCU\\Software\\Da", "/v", "w", "/d", "neu"}, "ja\n").code, 0);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Da", "w"), "neu");
}

TEST_F(Zwreg, AddReportsADeniedWrite) {
    if (!setWriteDenied(kHkeyLocalMachine, true)) GTEST_SKIP() << "no restricted user on the " << test::testStoreName() << " store";
    const Run r = run({"add", "HKLM\\SOFTWARE\\Zu", "/v", "w", "/d", "x"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Zugriff verweigert"), std::string::npos);
}

TEST_F(Zwreg, DeleteRemovesTreesOrValuesAfterAsking) {
    Registry::SetStringValue(1, "Software\\Weg\\A\\B", "x", "1");
    Registry::SetStringValue(1, "Software\\Weg", "a", "1");
    Registry::SetStringValue(1, "Software\\Weg", "b", "2");
    Registry::SetStringValue(1, "Software\\Weg", "", "3");

    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg\\A"}, "n\n").code, 1);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg\\A\\B", "x"), "1");
    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg", "/v", "a", "/f"}).code, 0);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg", "a"), "");
    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg", "/ve", "/f"}).code, 0);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg", ""), "");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg", "b"), "2");
    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg", "/va"}, "ja\n").code, 0);
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg", "b"), "");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Weg\\A\\B", "x"), "1") << "/va leaves the subkeys";

    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg\\A"}, "j\n").code, 0);
    RegKey key = 0;
    EXPECT_EQ(store().openKey(kHkeyCurrentUser, "Software\\Weg\\A", kKeyRead, key), kRegFileNotFound);

    EXPECT_EQ(run({"delete", "HKCU\\Software\\Weg", "/v", "nie", "/f"}).code, 1);
    EXPECT_EQ(run({"delete", "HKCU\\Software\\Nie", "/f"}).code, 1);
    EXPECT_EQ(run({"delete", "HKCU", "/f"}).code, 1);
}

TEST_F(Zwreg, ExportWritesUtf16AndImportRefusesAMalformedFileWhole) {
    Registry::SetStringValue(1, "Software\\Ex", "Größe", "1");
    const std::string file = folder_.file("ex.reg");
    ASSERT_EQ(run({"export", "HKCU\\Software\\Ex", file}).code, 0);
    const std::string bytes = fileBytes(file);
    EXPECT_EQ(bytes, encodeRegFile(exported("Software\\Ex")));
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEW\0", 4));

    // An existing file stays unless the user agrees or /y is given.
    std::ofstream(file) << "mine";
    EXPECT_EQ(run({"export", "HKCU\\Software\\Ex", file}, "nein\n").code, 1);
    EXPECT_EQ(fileBytes(file), "mine");
    const Run replaced = run({"export", "HKCU\\Software\\Ex", file, "/y"});
    EXPECT_EQ(replaced.code, 0) << replaced.err;
    EXPECT_EQ(fileBytes(file), bytes);

    const std::string before = exported("Software\\Ex");
    const std::string bad = folder_.file("bad.reg");
    std::ofstream(bad) << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Ex]\n\"Größe\"=\"2\"\n\"n\"=dword:xyz\n";
    const Run r = run({"import", bad});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Zeile 5"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Es wurde nichts geändert."), std::string::npos) << r.err;
    EXPECT_EQ(exported("Software\\Ex"), before);

    EXPECT_EQ(run({"import", folder_.file("missing.reg")}).code, 1);
}

TEST_F(Zwreg, ImportSaysWhetherAFailureLeftChangesBehind) {
    Registry::SetStringValue(1, "Software\\Imp", "v", "alt");
    const std::string file = folder_.file("imp.reg");
    std::ofstream(file) << "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Imp]\n\"v\"=\"neu\"\n"
                           "[HKEY_CURRENT_USER\\Software\\Imp\\Neu]\n\"boom\"=\"x\"\n";
    test::RefusingRegistryStore refusing(store());
    refusing.refusedValueName = "boom";
    Run r = runOn(refusing, {"import", file});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err,
              "FEHLER: Zugriff verweigert bei HKEY_CURRENT_USER\\Software\\Imp\\Neu. Es wurde nichts geändert.\n");
    EXPECT_EQ(Registry::GetValueText(1, "Software\\Imp", "v"), "alt");

    refusing.refuseKeyDeletion = true;
    r = runOn(refusing, {"import", file});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Nicht alle Änderungen davor konnten zurückgenommen werden."), std::string::npos) << r.err;
}

TEST_F(Zwreg, BadArgumentsGetTheUsageHint) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"frag"}, {"query"}, {"query", "HKCU\\A", "HKCU\\B"}, {"query", "HKXX\\A"}, {"add", "HKCU\\A", "/t"},
             {"add", "HKCU\\A", "/t", "REG_TEXT"}, {"add", "HKCU\\A", "/v", "a", "/ve"}, {"delete", "HKCU\\A", "/x"},
             {"export", "HKCU\\A"}, {"import"}, {"add", "HKCU\\A", "/s", ","}}) {
        const Run r = run(args);
        EXPECT_EQ(r.code, 1) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("zwreg /?"), std::string::npos);
    }
    const Run help = run({"/?"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("zwreg query"), std::string::npos);
}

}  // namespace
}  // namespace zw
