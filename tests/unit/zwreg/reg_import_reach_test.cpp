// What an imported .reg file can reach: nothing outside the predefined roots it may name, no
// other part of the store's file, and no file of the store itself; names that look like ways
// out stay plain key names inside their root; a refused file changes nothing at all.
#include "fresh_store.h"

#include "zwreg_command.h"

#include "platform/reg_file.h"
#include "platform/registry_roots.h"
#include "platform/registry_tree.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace zw {
namespace {

using namespace platform;
namespace fs = std::filesystem;

const std::string kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const std::string kNul(1, '\0');

// Every key of the store by its whole name, with its root and path. HKEY_CLASSES_ROOT is left
// out: it shows the keys below HKEY_LOCAL_MACHINE\SOFTWARE\Classes again.
std::map<std::string, RootedPath> keyMap(RegistryStore& store) {
    std::map<std::string, RootedPath> keys;
    std::function<void(RegKey, RegKey, const std::string&)> walk = [&](RegKey root, RegKey key,
                                                                       const std::string& path) {
        const std::string whole = std::string(rootLongName(root)) + (path.empty() ? "" : "\\" + path);
        keys[whole] = {root, path};
        std::vector<std::string> children;
        EXPECT_EQ(readSubKeyNames(store, key, children), kRegOk) << whole;
        for (const std::string& child : children) {
            RegKey sub = 0;
            ASSERT_EQ(store.openKey(key, child, kKeyRead, sub), kRegOk) << whole << "\\" << child;
            walk(root, sub, path.empty() ? child : path + "\\" + child);
            store.closeKey(sub);
        }
    };
    for (RegKey root : {kHkeyCurrentUser, kHkeyLocalMachine, kHkeyUsers, kHkeyPerformanceData, kHkeyCurrentConfig,
                        kHkeyDynData}) {
        walk(root, root, "");
    }
    return keys;
}

std::set<std::string> allKeys(RegistryStore& store) {
    std::set<std::string> names;
    for (const auto& [name, rooted] : keyMap(store)) names.insert(name);
    return names;
}

// The store's whole content as text: every key with its values.
std::string everything(RegistryStore& store) {
    std::string all;
    for (const auto& [name, rooted] : keyMap(store)) {
        std::string text;
        EXPECT_EQ(exportRegText(store, rooted.root, rooted.path, text), kRegOk) << name;
        all += name + "\n" + text;
    }
    return all;
}

// The files in a folder with their contents, the store's own files left out.
std::map<std::string, std::string> otherFiles(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("registry.db", 0) == 0) continue;
        files[entry.path().string()] = test::fileBytes(entry.path().string());
    }
    return files;
}

std::string integrity(const std::string& file) {
    sqlite3* db = nullptr;
    std::string answer = "cannot open";
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            db, "PRAGMA integrity_check",
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0] ? values[0] : "";
                return 0;
            },
            &answer, nullptr);
    }
    sqlite3_close(db);
    return answer;
}

class RegImportReach : public test::FreshStore {
protected:
    struct Run {
        int code;
        std::string out, err;
    };
    Run run(std::vector<std::string> args) {
        std::istringstream in;
        std::ostringstream out, err;
        const int code = zwreg::runCommand(args, store(), in, out, err);
        return {code, out.str(), err.str()};
    }
    Run import(const std::string& bytes) {
        const std::string file = folder_.file("import.reg");
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return run({"import", file});
    }
    std::string value(RegKey root, const std::string& path, const std::string& name) {
        RegKey key = 0;
        if (store().openKey(root, path, kKeyRead, key) != kRegOk) return "(kein Schlüssel)";
        std::uint32_t size = 0;
        std::string data = "(kein Wert)";
        if (store().queryValue(key, name, nullptr, nullptr, &size) == kRegOk) {
            data.assign(size, '\0');
            store().queryValue(key, name, nullptr, reinterpret_cast<std::uint8_t*>(data.data()), &size);
            if (!data.empty() && data.back() == '\0') data.pop_back();
        }
        store().closeKey(key);
        return data;
    }
};

std::string deepPath(int levels) {
    std::string path = "HKEY_CURRENT_USER";
    for (int i = 0; i < levels; ++i) path += "\\d";
    return path;
}

TEST_F(RegImportReach, ARefusedFileChangesNothingAndSaysWhy) {
    const std::string before = everything(store());
    const struct {
        std::string lines;
        std::string why;
    } cases[] = {
        {"[HKEY_LOCAL_MACHIN\\x]", "Unbekannter Stammschlüssel"},
        {"[HKEY_EVERYWHERE\\x]", "Unbekannter Stammschlüssel"},
        {"[\\\\host\\HKEY_LOCAL_MACHINE\\SOFTWARE\\x]", "Unbekannter Stammschlüssel"},
        {"[\\HKEY_CURRENT_USER\\x]", "Unbekannter Stammschlüssel"},
        {"[HKEY_CURRENT_USER\\\\x]", "leeren Namen"},
        {"[HKEY_CURRENT_USER\\a\\\\b]", "leeren Namen"},
        {"[HKEY_PERFORMANCE_DATA\\x]\r\n\"a\"=\"1\"", "Unter HKEY_PERFORMANCE_DATA kann nichts geändert werden"},
        {"[-HKEY_PERFORMANCE_DATA]", "Unter HKEY_PERFORMANCE_DATA kann nichts geändert werden"},
        {"[HKEY_DYN_DATA\\x]", "Unter HKEY_DYN_DATA kann nichts geändert werden"},
        {"[HKEY_CURRENT_USER\\" + std::string(256, 'a') + "]", "länger als 255 Zeichen"},
        {"[" + deepPath(513) + "]", "tiefer als 512 Ebenen"},
        {"[HKEY_CURRENT_USER\\a\x01" "b]", "Steuerzeichen"},
        {"[HKEY_CURRENT_USER\\a\tb]", "Steuerzeichen"},
        {"[HKEY_CURRENT_USER\\a" + kNul + "b]", "Steuerzeichen"},
        {"[HKEY_CURRENT_USER\\x]\r\n\"a" + kNul + "b\"=\"1\"", "NUL-Zeichen"},
        {"[HKEY_CURRENT_USER\\x]\r\n\"" + std::string(16384, 'v') + "\"=\"1\"", "länger als 16383 Zeichen"},
        // Roots and the key behind HKEY_CLASSES_ROOT cannot be deleted; the whole file is undone.
        {"[HKEY_CURRENT_USER\\first]\r\n[-HKEY_LOCAL_MACHINE]", "Ein Stammschlüssel kann nicht gelöscht werden"},
        {"[-HKEY_CLASSES_ROOT]", "Ein Stammschlüssel kann nicht gelöscht werden"},
        {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\k]\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes]", "Zugriff verweigert"},
        // A good key before a bad one is not written either.
        {"[HKEY_CURRENT_USER\\good]\r\n\"a\"=\"1\"\r\n[\\\\host\\HKEY_CURRENT_USER\\x]", "Zeile 5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.substr(0, 60));
        const Run r = import(kHeader + c.lines + "\r\n");
        EXPECT_EQ(r.code, 1);
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Es wurde nichts geändert."), std::string::npos) << r.err;
        EXPECT_LT(r.err.size(), 400u) << "a message quotes names shortened";
        EXPECT_EQ(everything(store()), before);
    }
    // The same files as Windows writes them (UTF-16LE): the NUL comes through the decoding.
    const Run wide = import(encodeRegFile(kHeader + "[HKEY_CURRENT_USER\\a" + kNul + "b]\r\n"));
    EXPECT_EQ(wide.code, 1);
    EXPECT_NE(wide.err.find("Steuerzeichen"), std::string::npos) << wide.err;
    EXPECT_EQ(everything(store()), before);

    // The store itself keeps to the depth limit, whoever asks.
    RegKey deep = 0;
    EXPECT_EQ(store().createKey(kHkeyCurrentUser, deepPath(513).substr(18), kKeyAllAccess, deep), kRegInvalidParameter);
    const Run added = run({"add", deepPath(513)});
    EXPECT_EQ(added.code, 1);
    EXPECT_NE(added.err.find("tiefer als 512 Ebenen"), std::string::npos) << added.err;
    EXPECT_EQ(everything(store()), before);
    EXPECT_EQ(integrity(store().path()), "ok");
}

TEST_F(RegImportReach, NamesThatLookLikeWaysOutStayKeyNamesInsideTheirRoot) {
    const std::string sql = "x'); DROP TABLE keys; --";
    const std::string storePath = store().path();
    const struct {
        std::string lines;
        std::set<std::string> added;  // exactly the keys the import may add
    } cases[] = {
        {"[HKEY_CURRENT_USER\\..\\..\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Evil]\r\n\"a\"=\"1\"",
         {"HKEY_CURRENT_USER\\..", "HKEY_CURRENT_USER\\..\\..", "HKEY_CURRENT_USER\\..\\..\\HKEY_LOCAL_MACHINE",
          "HKEY_CURRENT_USER\\..\\..\\HKEY_LOCAL_MACHINE\\SOFTWARE",
          "HKEY_CURRENT_USER\\..\\..\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Evil"}},
        {"[HKEY_CLASSES_ROOT\\..\\x]", {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\..", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\..\\x"}},
        {"[HKEY_USERS\\.]", {"HKEY_USERS\\."}},
        {"[HKEY_CURRENT_USER\\" + sql + "]\r\n\"'; DELETE FROM vals; --\"=\"" + sql + "\"",
         {"HKEY_CURRENT_USER\\" + sql}},
        // The store's own file named as a key: a key whose name holds slashes, nothing more.
        {"[HKEY_CURRENT_USER\\" + storePath + "]\r\n@=\"" + storePath + "\"", {"HKEY_CURRENT_USER\\" + storePath}},
        {"[HKEY_CURRENT_USER\\" + std::string(255, 'n') + "]", {"HKEY_CURRENT_USER\\" + std::string(255, 'n')}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.substr(0, 60));
        const std::set<std::string> before = allKeys(store());
        const Run r = import(kHeader + c.lines + "\r\n");
        ASSERT_EQ(r.code, 0) << r.err;
        std::set<std::string> added;
        for (const std::string& key : allKeys(store())) {
            if (!before.count(key)) added.insert(key);
        }
        EXPECT_EQ(added, c.added);
    }
    EXPECT_EQ(value(kHkeyCurrentUser, "..\\..\\HKEY_LOCAL_MACHINE\\SOFTWARE\\Evil", "a"), "1");
    EXPECT_EQ(value(kHkeyLocalMachine, "SOFTWARE\\Evil", "a"), "(kein Schlüssel)");
    EXPECT_EQ(value(kHkeyCurrentUser, sql, "'; DELETE FROM vals; --"), sql);
    EXPECT_EQ(value(kHkeyCurrentUser, storePath, ""), storePath);
    EXPECT_EQ(integrity(storePath), "ok");

    // The deepest path the registry allows is taken whole.
    const Run deep = import(kHeader + "[" + deepPath(512) + "]\r\n\"tief\"=\"1\"\r\n");
    EXPECT_EQ(deep.code, 0) << deep.err;
    EXPECT_EQ(value(kHkeyCurrentUser, deepPath(512).substr(18), "tief"), "1");
}

TEST_F(RegImportReach, CommandsAreStoredAsDataAndNoFileIsTouched) {
    // A script that would leave a mark if anything ran it, and a file the values point at.
    const std::string mark = folder_.file("ran");
    const std::string script = folder_.file("payload.sh");
    std::ofstream(script) << "#!/bin/sh\necho ran > '" << mark << "'\n";
    fs::permissions(script, fs::perms::owner_all);
    const std::string victim = folder_.file("victim.txt");
    std::ofstream(victim) << "unverändert";
    const auto filesBefore = otherFiles(folder_.path());

    const std::string file = kHeader +
        "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"p\"=\"" + script + "\"\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce]\r\n\"e\"=\"C:\\\\evil.exe\"\r\n"
        "\"s\"=\"/bin/sh -c 'echo ran > " + mark + "'\"\r\n"
        "[HKEY_CLASSES_ROOT\\regfile\\shell\\open\\command]\r\n@=\"" + script + " %1\"\r\n"
        "[HKEY_CLASSES_ROOT\\.zip]\r\n@=\"regfile\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\Zunderwerk]\r\n\"Ziel\"=\"" + victim + "\"\r\n"
        "\"x\"=hex(2):" + "2f,00,62,00,69,00,6e,00,2f,00,73,00,68,00,00,00\r\n";
    const Run r = import(file);
    ASSERT_EQ(r.code, 0) << r.err;

    EXPECT_EQ(value(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "p"), script);
    EXPECT_EQ(value(kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce", "e"), "C:\\evil.exe");
    EXPECT_EQ(value(kHkeyClassesRoot, "regfile\\shell\\open\\command", ""), script + " %1");
    EXPECT_EQ(value(kHkeyCurrentUser, "Software\\Zunderwerk", "x"), "/bin/sh");
    EXPECT_FALSE(fs::exists(mark)) << "an imported command was run";
    auto filesAfter = otherFiles(folder_.path());
    filesAfter.erase(folder_.file("import.reg"));
    EXPECT_EQ(filesAfter, filesBefore) << "a file outside the store was touched";
}

TEST_F(RegImportReach, TheStoreFilesAreNeitherImportedNorOverwritten) {
    ASSERT_EQ(run({"add", "HKCU\\Software\\Mine", "/v", "a", "/d", "1"}).code, 0);
    const std::string before = everything(store());
    const std::string sameFile = (folder_.path() / "." / "registry.db").string();
    for (const std::string& name : {store().path(), sameFile, store().path() + "-wal"}) {
        SCOPED_TRACE(name);
        const Run in = run({"import", name});
        EXPECT_EQ(in.code, 1);
        EXPECT_NE(in.err.find("ist eine Datei der Registrierungsdatenbank"), std::string::npos) << in.err;
        const Run out = run({"export", "HKCU\\Software\\Mine", name, "/y"});
        EXPECT_EQ(out.code, 1);
        EXPECT_NE(out.err.find("wird nicht überschrieben"), std::string::npos) << out.err;
    }
    // A link to the store file is the store file too.
    const std::string link = folder_.file("link.reg");
    fs::create_symlink(store().path(), link);
    EXPECT_EQ(run({"export", "HKCU\\Software\\Mine", link, "/y"}).code, 1);
    EXPECT_EQ(integrity(store().path()), "ok");
    EXPECT_EQ(everything(store()), before);

    // Something that is not a plain file is not read (a device would never end).
    const Run device = run({"import", "/dev/zero"});
    EXPECT_EQ(device.code, 1);
    EXPECT_NE(device.err.find("keine gewöhnliche Datei"), std::string::npos) << device.err;
}

TEST_F(RegImportReach, ExportNeverWritesThroughALinkBesideTheTarget) {
    ASSERT_EQ(run({"add", "HKCU\\Software\\Mine", "/v", "a", "/d", "1"}).code, 0);
    // Someone who can write in a shared folder places links where a temporary file could go.
    const std::string victim = folder_.file("victim.txt");
    std::ofstream(victim) << "unverändert";
    const std::string target = folder_.file("out.reg");
    for (const std::string& trap : {target + ".zwreg-tmp", target + ".tmp", target + "~"}) {
        fs::create_symlink(victim, trap);
    }
    ASSERT_EQ(run({"export", "HKCU\\Software\\Mine", target}).code, 0);
    std::ifstream kept(victim);
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "unverändert");
    EXPECT_FALSE(fs::is_symlink(target));
    const RegFileParse parsed = parseRegFile(test::fileBytes(target));
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    // A link at the target's own name is replaced, not written through.
    const std::string linked = folder_.file("linked.reg");
    fs::create_symlink(victim, linked);
    ASSERT_EQ(run({"export", "HKCU\\Software\\Mine", linked, "/y"}).code, 0);
    EXPECT_FALSE(fs::is_symlink(linked));
    std::ifstream still(victim);
    std::getline(still, content);
    EXPECT_EQ(content, "unverändert");
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
        if (entry.is_symlink()) continue;
        EXPECT_EQ(entry.path().string().find(".zwreg-"), std::string::npos) << "a temporary file was left";
    }
}

}  // namespace
}  // namespace zw
