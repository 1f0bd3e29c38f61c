// Starting the program on the store file it finds: a damaged file is kept aside, the user is
// told once the main window is up, and the program works on a fresh store.
#include "support/event_waits.h"
#include "support/fake_services.h"
#include "support/window_steps.h"

#include "app/all_windows.h"
#include "app/program_setup.h"
#include "platform/default_hive.h"
#include "platform/registry_access.h"
#include "platform/sqlite_registry_store.h"
#include "platform/store_recovery.h"
#include "shell/navigator.h"
#include "shell/tool_window.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zw::test {
namespace {

const char* kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

class StartTest : public ::testing::Test {
protected:
    StartTest() {
        previousPath_ = qgetenv("ZUNDERWERK_REGISTRY");
        qputenv("ZUNDERWERK_REGISTRY", storePath().toLocal8Bit());
        platform::takeRegistryNotice();  // nothing left over from before
        app::registerAllWindows(navigator);
    }
    ~StartTest() override {
        if (previousPath_.isNull()) qunsetenv("ZUNDERWERK_REGISTRY");
        else qputenv("ZUNDERWERK_REGISTRY", previousPath_);
    }
    QString storePath() const { return folder.filePath(QStringLiteral("registry.db")); }

    // A store file the program wrote, then damaged behind the file header: SQLite still sees
    // its own file, but the tables are garbage.
    QByteArray damagedStoreFile() {
        {
            auto opened = platform::SqliteRegistryStore::open(storePath().toStdString(), platform::seedDefaultHive);
            EXPECT_TRUE(opened.store) << opened.detail;
        }
        // The program leaves its latest changes in the write-ahead log beside the file; a plain
        // connection folds them into the file on closing, so that the file alone is the store.
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(storePath().toLocal8Bit().constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        EXPECT_FALSE(QFile::exists(storePath() + "-wal"));
        QFile file(storePath());
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        EXPECT_GT(bytes.size(), 4096) << "the seeded store spans several pages";
        for (qsizetype i = 100; i < bytes.size(); ++i) bytes[i] = static_cast<char>("Zunderwerk? "[i % 12]);
        file.seek(0);
        file.write(bytes);
        return bytes;
    }
    // Reads one value through a connection of its own, from the file itself.
    QString storedText(const char* key, const char* name) {
        platform::ScopedRegistry fileOnly(platform::SqliteRegistryStore::open(storePath().toStdString(), {}).store);
        return QString::fromStdString(Registry::GetValueText(1, key, name));
    }
    void click(shell::ToolWindow* window, const char* name) {
        if (auto* button = namedChild<QAbstractButton>(window, name)) button->click();
    }

    QTemporaryDir folder;
    FakeServices fakes;
    platform::ScopedRegistry noStoreYet{nullptr};  // the program opens the one at storePath()
    shell::Navigator navigator;

private:
    QByteArray previousPath_;
};

TEST_F(StartTest, ADamagedStoreIsReportedOnceAfterTheMainWindowAndAFreshStoreIsUsed) {
    const QByteArray damaged = damagedStoreFile();

    ASSERT_TRUE(app::showMainWindow(navigator));
    shell::ToolWindow* hub = navigator.loaded(QStringLiteral("Form1"));
    ASSERT_TRUE(hub);
    EXPECT_TRUE(hub->isVisible());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << "the box comes once the main window is up";

    ASSERT_TRUE(waitUntil([&] { return !fakes.dialogs.messages.isEmpty(); }));
    settle();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1) << "told once";
    const RecordedMessage& box = fakes.dialogs.messages[0];
    EXPECT_EQ(box.title, "Zunderwerk");
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(box.text.contains(QStringLiteral("beschädigt"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(storePath())) << box.text.toStdString();

    // The damaged file is kept aside as it was, where the box says.
    const QStringList kept = QDir(folder.path()).entryList({QStringLiteral("registry.db.damaged-*")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(box.text.contains(folder.filePath(kept[0]))) << box.text.toStdString();
    QFile keptFile(folder.filePath(kept[0]));
    ASSERT_TRUE(keptFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(keptFile.readAll(), damaged);

    // The program works on the fresh store: the typical request writes into the new file.
    EXPECT_EQ(storedText(kAdvanced, "HideFileExt"), "1") << "seeded with the default values";
    EXPECT_EQ(storedText(kAdvanced, "EnableBalloonTips"), "");
    click(hub, "cmdSystemTuning");
    shell::ToolWindow* regedit = navigator.loaded(QStringLiteral("Regedit"));
    ASSERT_TRUE(regedit);
    click(regedit, "Command2");  // "How To" of "Balloontips deaktivieren..."
    shell::ToolWindow* toggle = navigator.loaded(QStringLiteral("reg_balloontips"));
    ASSERT_TRUE(toggle);
    ASSERT_TRUE(waitUntil([&] { return namedChild<QWidget>(toggle, "Command1")->isEnabled(); }));
    click(toggle, "Command1");  // "Deaktivieren"
    ASSERT_EQ(fakes.dialogs.messages.size(), 2);
    EXPECT_EQ(fakes.dialogs.messages[1].text, "Registry Wert wurde erfolgreich gesetzt!");
    EXPECT_EQ(storedText(kAdvanced, "EnableBalloonTips"), "0");
}

TEST_F(StartTest, ASoundStoreStartsWithoutAWord) {
    ASSERT_TRUE(app::showMainWindow(navigator));
    settle();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(storePath())) << "a new store file was made";
}

TEST_F(StartTest, ASecondCopyShowsNothingAndSaysNothing) {
    damagedStoreFile();
    fakes.instance.answer = platform::InstanceService::Claim::AnotherRunning;
    EXPECT_FALSE(app::showMainWindow(navigator));
    settle();
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    EXPECT_FALSE(navigator.loaded(QStringLiteral("Form1")));
    EXPECT_TRUE(QDir(folder.path()).entryList({QStringLiteral("registry.db.damaged-*")}).isEmpty())
        << "the store of the copy that runs is not touched";
}

}  // namespace
}  // namespace zw::test
