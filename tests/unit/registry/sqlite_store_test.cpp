// The embedded store at the level of the platform calls: handles, rights, names, sizes and
// what a second connection to the same file sees.
#include "fresh_store.h"

#include "platform/name_fold.h"
#include "platform/store_recovery.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>

namespace zw {
namespace {

using namespace platform;

class SqliteStore : public test::FreshStore {
protected:
    RegKey create(RegKey root, std::string_view path) {
        RegKey key = 0;
        EXPECT_EQ(store().createKey(root, path, kKeyAllAccess, key), kRegOk) << path;
        return key;
    }
    void setText(RegKey key, std::string_view name, std::string_view text) {
        EXPECT_EQ(store().setValue(key, name, kRegSz, reinterpret_cast<const std::uint8_t*>(text.data()),
                                   static_cast<std::uint32_t>(text.size())),
                  kRegOk);
    }
};

TEST(NameFold, FoldsLettersOfTheEuropeanScriptsAndKeepsTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"Software", "SOFTWARE"}, {"übersicht", "ÜBERSICHT"}, {"àéîõÿ", "ÀÉÎÕŸ"}, {"łódź", "ŁÓDŹ"},
        {"ĳ ŉ ĸ", "Ĳ ŉ ĸ"},       {"σς", "ΣΣ"},               {"привет", "ПРИВЕТ"}, {"ß", "ß"},
        {"a\\b_1{}", "A\\B_1{}"}, {"\xFF\xFEx", "\xFF\xFEX"},
    };
    for (const auto& [name, folded] : cases) EXPECT_EQ(foldName(name), folded) << name;
    EXPECT_EQ(nameLength("Größe"), 5u);
}

TEST_F(SqliteStore, KeepsTheSpellingAndFindsAnyOther) {
    RegKey key = create(kHkeyCurrentUser, "Software\\Zunderwerk\\Übersicht");
    setText(key, "Größe", "1");
    setText(key, "GRÖßE", "2");  // the same value: overwritten, first spelling kept
    store().closeKey(key);

    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "SOFTWARE\\ZUNDERWERK", kKeyRead, key), kRegOk);
    std::string name;
    ASSERT_EQ(store().enumKey(key, 0, name), kRegOk);
    EXPECT_EQ(name, "Übersicht");
    store().closeKey(key);

    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "software\\zunderwerk\\übersicht", kKeyRead, key), kRegOk);
    RegType type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(store().enumValue(key, 0, name, type, data), kRegOk);
    EXPECT_EQ(name, "Größe");
    EXPECT_EQ(data, std::vector<std::uint8_t>{'2'});
    EXPECT_EQ(store().enumValue(key, 1, name, type, data), kRegNoMoreItems);
    store().closeKey(key);
}

TEST_F(SqliteStore, QueryReportsSizesAsTheRegistryDoes) {
    RegKey key = create(kHkeyCurrentUser, "Software\\Q");
    setText(key, "v", "hello");
    RegType type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(store().queryValue(key, "v", &type, nullptr, &size), kRegOk);
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(size, 5u);
    std::uint8_t small[3] = {};
    size = sizeof small;
    EXPECT_EQ(store().queryValue(key, "v", nullptr, small, &size), kRegMoreData);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(store().queryValue(key, "v", nullptr, small, nullptr), kRegInvalidParameter);
    EXPECT_EQ(store().queryValue(key, "w", &type, nullptr, &size), kRegFileNotFound);
    store().closeKey(key);
    EXPECT_EQ(store().queryValue(key, "v", &type, nullptr, &size), kRegInvalidHandle) << "closed handle";
    EXPECT_EQ(store().closeKey(key), kRegInvalidHandle);
}

TEST_F(SqliteStore, HandlesOnlyDoWhatTheirRightsAllow) {
    RegKey key = create(kHkeyCurrentUser, "Software\\R");
    setText(key, "v", "x");
    store().closeKey(key);

    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "Software\\R", kKeyQueryValue, key), kRegOk);
    const std::uint8_t b = 1;
    EXPECT_EQ(store().setValue(key, "w", kRegBinary, &b, 1), kRegAccessDenied);
    std::string name;
    EXPECT_EQ(store().enumKey(key, 0, name), kRegAccessDenied);
    RegKey child = 0;
    EXPECT_EQ(store().createKey(key, "Child", kKeyAllAccess, child), kRegAccessDenied);
    store().closeKey(key);

    ASSERT_EQ(store().openKey(kHkeyCurrentUser, "Software\\R", kKeySetValue, key), kRegOk);
    std::uint32_t size = 0;
    EXPECT_EQ(store().queryValue(key, "v", nullptr, nullptr, &size), kRegAccessDenied);
    store().closeKey(key);
}

TEST_F(SqliteStore, FindsValuesWhateverTheLengthOfTheirName) {
    // Names longer than a short string's inline buffer ("MaxConnectionsPerServer").
    RegKey key = create(kHkeyCurrentUser, "Software\\Zunderwerk");
    const std::vector<std::string> names = {"v", "abcdefghijklmno", "abcdefghijklmnop", "MaxConnectionsPerServer",
                                            std::string(300, 'n')};
    for (const std::string& name : names) {
        setText(key, name, "1");
        RegType type = 0;
        std::uint32_t size = 0;
        EXPECT_EQ(store().queryValue(key, name, &type, nullptr, &size), kRegOk) << name;
        EXPECT_EQ(size, 1u) << name;
    }
    store().closeKey(key);
}

TEST_F(SqliteStore, ALimitOnNamesAsWindowsHas) {
    RegKey key = 0;
    EXPECT_EQ(store().createKey(kHkeyCurrentUser, std::string(256, 'k'), kKeyAllAccess, key), kRegInvalidParameter);
    key = create(kHkeyCurrentUser, std::string(255, 'k'));
    setText(key, std::string(16383, 'v'), "ok");
    EXPECT_EQ(store().setValue(key, std::string(16384, 'v'), kRegSz, nullptr, 0), kRegInvalidParameter);
    store().closeKey(key);
}

TEST_F(SqliteStore, AKeyDeletedWhileOpenTakesNoMoreValues) {
    RegKey key = create(kHkeyCurrentUser, "Software\\Gone");
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "Software\\Gone"), kRegOk);
    const std::uint8_t b = 1;
    EXPECT_EQ(store().setValue(key, "v", kRegBinary, &b, 1), kRegKeyDeleted);
    std::uint32_t size = 0;
    EXPECT_EQ(store().queryValue(key, "v", nullptr, nullptr, &size), kRegKeyDeleted);
    store().closeKey(key);

    // Created again, the key is new and empty.
    key = create(kHkeyCurrentUser, "Software\\Gone");
    EXPECT_EQ(store().queryValue(key, "v", nullptr, nullptr, &size), kRegFileNotFound);
    store().closeKey(key);
}

TEST_F(SqliteStore, TheRootsAndTheClassesKeyCannotBeDeleted) {
    EXPECT_EQ(store().deleteKey(kHkeyLocalMachine, "SOFTWARE\\Classes"), kRegAccessDenied);
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, ""), kRegAccessDenied);
    RegKey key = create(kHkeyClassesRoot, ".txt");
    store().closeKey(key);
    ASSERT_EQ(store().openKey(kHkeyLocalMachine, "Software\\Classes\\.TXT", kKeyRead, key), kRegOk);
    store().closeKey(key);
}

TEST_F(SqliteStore, AFailedAtomicChangeLeavesNothingBehind) {
    const RegResult rc = store().applyAtomically([&] {
        RegKey key = create(kHkeyCurrentUser, "Software\\Half");
        setText(key, "v", "x");
        store().closeKey(key);
        return kRegInvalidParameter;
    });
    EXPECT_EQ(rc, kRegInvalidParameter);
    RegKey key = 0;
    EXPECT_EQ(store().openKey(kHkeyCurrentUser, "Software\\Half", kKeyRead, key), kRegFileNotFound);
}

TEST_F(SqliteStore, ASecondConnectionSeesEveryChangeAtOnce) {
    auto other = SqliteRegistryStore::open(store().path());
    ASSERT_EQ(other.status, SqliteRegistryStore::OpenStatus::Opened);
    RegKey key = create(kHkeyCurrentUser, "Software\\Shared");
    setText(key, "v", "first");

    RegKey seen = 0;
    ASSERT_EQ(other.store->openKey(kHkeyCurrentUser, "software\\shared", kKeyRead, seen), kRegOk);
    std::uint8_t buffer[16] = {};
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(other.store->queryValue(seen, "V", nullptr, buffer, &size), kRegOk);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), "first");
    setText(key, "v", "second");
    size = sizeof buffer;
    ASSERT_EQ(other.store->queryValue(seen, "V", nullptr, buffer, &size), kRegOk);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), size), "second");
    // What the other connection found missing, or found at all, is asked again after a change.
    size = sizeof buffer;
    EXPECT_EQ(other.store->queryValue(seen, "neu", nullptr, buffer, &size), kRegFileNotFound);
    setText(key, "neu", "da");
    size = sizeof buffer;
    EXPECT_EQ(other.store->queryValue(seen, "neu", nullptr, buffer, &size), kRegOk);
    other.store->closeKey(seen);
    store().closeKey(key);
    ASSERT_EQ(other.store->openKey(kHkeyCurrentUser, "Software\\Shared", kKeyRead, seen), kRegOk);
    other.store->closeKey(seen);
    EXPECT_EQ(store().deleteKey(kHkeyCurrentUser, "Software\\Shared"), kRegOk);
    EXPECT_EQ(other.store->openKey(kHkeyCurrentUser, "Software\\Shared", kKeyRead, seen), kRegFileNotFound);
}

TEST(StoreRecovery, ADamagedFileIsKeptAsideAndAFreshStoreIsUsed) {
    test::TempFolder folder;
    const std::string path = folder.file("registry.db");
    {
        std::ofstream(path) << "this is no database, but somebody's data";
    }
    const StoreOpening opening = openStoreFile(path, {});
    ASSERT_NE(opening.store, nullptr);
    EXPECT_NE(opening.notice.find("beschädigt"), std::string::npos) << opening.notice;
    EXPECT_NE(opening.notice.find(opening.keptAside), std::string::npos) << "the user learns where it is";
    std::ifstream kept(opening.keptAside);
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "this is no database, but somebody's data");
    EXPECT_EQ(takeRegistryNotice(), opening.notice);
    EXPECT_EQ(takeRegistryNotice(), "") << "handed out once";

    RegKey key = 0;
    EXPECT_EQ(opening.store->createKey(kHkeyCurrentUser, "Software\\Works", kKeyAllAccess, key), kRegOk);
    opening.store->closeKey(key);
}

TEST(StoreRecovery, ADatabaseOfAnotherProgramIsKeptAsideUnchanged) {
    test::TempFolder folder;
    const std::string path = folder.file("registry.db");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES ('keep me');", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    const StoreOpening opening = openStoreFile(path, {});
    takeRegistryNotice();
    ASSERT_NE(opening.store, nullptr);
    ASSERT_FALSE(opening.keptAside.empty());
    ASSERT_EQ(sqlite3_open(opening.keptAside.c_str(), &db), SQLITE_OK);
    std::string text;
    sqlite3_exec(db, "SELECT text FROM notes", [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0];
        return 0;
    }, &text, nullptr);
    sqlite3_close(db);
    EXPECT_EQ(text, "keep me");
}

TEST(StoreRecovery, AFolderThatCannotHoldTheFileStillGivesAWorkingStore) {
    test::TempFolder folder;
    const std::string blocker = folder.file("plain-file");
    std::ofstream(blocker) << "x";
    const StoreOpening opening = openStoreFile(blocker + "/registry.db", {});
    ASSERT_NE(opening.store, nullptr);
    EXPECT_NE(opening.notice.find("nur bis zum Programmende"), std::string::npos) << opening.notice;
    takeRegistryNotice();
    RegKey key = 0;
    EXPECT_EQ(opening.store->createKey(kHkeyCurrentUser, "Software", kKeyAllAccess, key), kRegOk);
    opening.store->closeKey(key);
}

// A command-line tool gets no store instead of one in memory, and the reason to report itself.
TEST(StoreRecovery, AToolThatCannotUseTheFileGetsNoStoreAndTheReason) {
    test::TempFolder folder;
    const std::string blocker = folder.file("plain-file");
    std::ofstream(blocker) << "x";
    const StoreOpening opening = openStoreFile(blocker + "/registry.db", {}, WhenUnusable::GiveUp);
    EXPECT_EQ(opening.store, nullptr);
    EXPECT_NE(opening.notice.find("kann nicht geöffnet werden"), std::string::npos) << opening.notice;
    EXPECT_EQ(opening.notice.find("Speicher"), std::string::npos) << opening.notice;
    EXPECT_EQ(takeRegistryNotice(), "") << "the tool reports it, not the windows";
}

}  // namespace
}  // namespace zw
