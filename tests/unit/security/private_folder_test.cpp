// The program's own folders: made for the user alone, tightened when others could reach them,
// refused when they are a link or someone else's; files written there never follow a link and
// never wait on a pipe; components are never loaded from a folder that is not the user's own.
#include "temp_folder.h"

#include "platform/file_write.h"
#include "platform/private_folder.h"
#include "platform/store_recovery.h"
#include "shell/component_repair.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace zw {
namespace {

using namespace platform;
namespace fs = std::filesystem;

unsigned modeOf(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0u;
}

// A user id that is not ours, for a folder someone else owns (needs the right to hand files over).
constexpr uid_t kOtherUser = 65534;

TEST(PrivateFolder, MadeTightenedOrRefused) {
    test::TempFolder temp;
    const std::string target = temp.file("target");
    fs::create_directory(target);
    ::chmod(target.c_str(), 0755);

    struct Case {
        const char* name;
        std::function<void(const std::string&)> prepare;
        bool create;
        FolderState state;
        unsigned modeAfter;  // of the name itself (lstat); 0: nothing there
    };
    const Case cases[] = {
        {"missing", [](const std::string&) {}, false, FolderState::Missing, 0},
        {"made", [](const std::string&) {}, true, FolderState::Created, 0700},
        {"private", [](const std::string& p) { fs::create_directory(p); ::chmod(p.c_str(), 0700); }, false,
         FolderState::Private, 0700},
        {"0755", [](const std::string& p) { fs::create_directory(p); ::chmod(p.c_str(), 0755); }, true,
         FolderState::Tightened, 0700},
        {"0777 sticky", [](const std::string& p) { fs::create_directory(p); ::chmod(p.c_str(), 01777); }, false,
         FolderState::Tightened, 0700},
        {"0500", [](const std::string& p) { fs::create_directory(p); ::chmod(p.c_str(), 0500); }, false,
         FolderState::Private, 0700},
        {"link", [&](const std::string& p) { fs::create_directory_symlink(target, p); }, true, FolderState::Link, 0777},
        {"file", [](const std::string& p) { std::ofstream(p) << "x"; ::chmod(p.c_str(), 0644); }, true,
         FolderState::NotAFolder, 0644},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = temp.file(c.name);
        c.prepare(path);
        const FolderCheck check = securePrivateFolder(path, c.create);
        EXPECT_EQ(check.state, c.state);
        EXPECT_EQ(check.folder, path);
        EXPECT_EQ(modeOf(path), c.modeAfter);
        EXPECT_EQ(check.usable(), check.problem().empty());
    }
    EXPECT_EQ(modeOf(target), 0755u) << "the folder behind a link is left as it is";
    EXPECT_NE(securePrivateFolder(temp.file("link"), false).problem().find("ist ein Verweis auf einen anderen Ort"),
              std::string::npos);

    // A chain stops at its first refusal.
    const FolderCheck chain = securePrivateFolders({temp.file("private"), temp.file("link"), temp.file("0755")}, false);
    EXPECT_EQ(chain.state, FolderState::Link);
    EXPECT_EQ(chain.folder, temp.file("link"));
}

TEST(PrivateFolder, AnotherUsersFolderIsRefusedAndLeftAsItIs) {
    test::TempFolder temp;
    const std::string foreign = temp.file("foreign");
    fs::create_directory(foreign);
    ::chmod(foreign.c_str(), 0777);
    if (::chown(foreign.c_str(), kOtherUser, kOtherUser) != 0) GTEST_SKIP() << "cannot give a folder to another user here";
    const FolderCheck check = securePrivateFolder(foreign, true);
    EXPECT_EQ(check.state, FolderState::ForeignOwner);
    EXPECT_NE(check.problem().find("gehört einem anderen Benutzer"), std::string::npos) << check.problem();
    EXPECT_EQ(modeOf(foreign), 0777u);
}

TEST(FileWrite, NeverThroughALinkNorIntoAPipe) {
    test::TempFolder temp;
    const std::string victim = temp.file("victim");
    std::ofstream(victim) << "unverändert";
    const std::string link = temp.file("link");
    fs::create_symlink(victim, link);
    for (const FileWrite how : {FileWrite::Replace, FileWrite::CreateNew}) {
        EXPECT_FALSE(writeFileNoFollow(link, "neu", how, true));
        EXPECT_FALSE(writeFileNoFollow(link, "neu", how, false));
    }
    EXPECT_EQ(test::fileBytes(victim), "unverändert");

    // A pipe at the name would hold a writer until someone reads: refused at once instead.
    const std::string pipe = temp.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(writeFileNoFollow(pipe, "neu", FileWrite::Replace, true));

    // CreateNew never takes an existing file; Replace empties it and keeps it private.
    const std::string file = temp.file("file");
    std::ofstream(file) << "alt und lang";
    ::chmod(file.c_str(), 0644);
    EXPECT_FALSE(writeFileNoFollow(file, "neu", FileWrite::CreateNew, false));
    EXPECT_EQ(test::fileBytes(file), "alt und lang");
    EXPECT_TRUE(writeFileNoFollow(file, "neu", FileWrite::Replace, true));
    EXPECT_EQ(test::fileBytes(file), "neu");
    EXPECT_EQ(modeOf(file), 0600u);
}

TEST(PrivateFolder, AStoreFolderMadeForTheRegistryIsTheUsersAlone) {
    test::TempFolder temp;
    const std::string folder = temp.file("neu") + "/Zunderwerk";
    const auto opening = openStoreFile(folder + "/registry.db", {});
    ASSERT_TRUE(opening.store);
    EXPECT_TRUE(opening.notice.empty()) << opening.notice;
    EXPECT_EQ(modeOf(folder), 0700u);
    // A folder that was there before is the user's choice and stays as it is.
    const std::string shared = temp.file("shared");
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 0755);
    ASSERT_TRUE(openStoreFile(shared + "/registry.db", {}).store);
    EXPECT_EQ(modeOf(shared), 0755u);
}

// The start-up repair with a recording registration: which files it would load.
struct Repair {
    std::vector<std::string> registered;
    void run(const std::string& program, const std::string& windows) {
        shell::repairComponents({program, windows + "/"}, [this](const std::string& path, bool) {
            registered.push_back(path);
            return true;
        });
    }
};

TEST(PrivateFolder, TheRepairLoadsNothingFromASystemFolderThatIsNotTheUsersOwn) {
    test::TempFolder temp;
    const std::string program = temp.file("program");
    fs::create_directory(program);
    std::ofstream(program + "/COMDLG32.OCX") << "control";
    std::ofstream(program + "/" + std::string(shell::kFetchlingFile)) << "component";
    const std::string planted = temp.file("planted");
    fs::create_directory(planted);
    std::ofstream(planted + "/MSCOMCTL.OCX") << "someone else's";

    // SYSTEM is a link to a folder with a planted control file: only the download component from
    // the program folder is registered, and nothing is copied through the link.
    const std::string windows = temp.file("WINDOWS");
    fs::create_directory(windows);
    fs::create_directory_symlink(planted, windows + "/SYSTEM");
    Repair linked;
    linked.run(program, windows);
    EXPECT_EQ(linked.registered, std::vector<std::string>{program + "/" + std::string(shell::kFetchlingFile)});
    EXPECT_FALSE(fs::exists(planted + "/COMDLG32.OCX"));

    // A SYSTEM folder of the user's that others could write to is tightened, then used.
    fs::remove(windows + "/SYSTEM");
    fs::create_directory(windows + "/SYSTEM");
    ::chmod((windows + "/SYSTEM").c_str(), 0777);
    ::chmod(windows.c_str(), 0755);
    Repair tightened;
    tightened.run(program, windows);
    EXPECT_EQ(modeOf(windows), 0700u);
    EXPECT_EQ(modeOf(windows + "/SYSTEM"), 0700u);
    EXPECT_EQ(tightened.registered, (std::vector<std::string>{program + "/" + std::string(shell::kFetchlingFile),
                                                              windows + "/SYSTEM/COMDLG32.OCX"}));
}

}  // namespace
}  // namespace zw
