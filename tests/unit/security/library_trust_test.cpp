// Component libraries whose code would run as the user: one that someone else owns or may
// change, or may swap in its folder, is never loaded (and its registration never runs).
#include "temp_folder.h"

#include "platform/component_loader.h"
#include "platform/shared_library.h"
#include "shell/fehlerbehandlung.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace zw {
namespace {

namespace fs = std::filesystem;

TEST(LibraryTrust, OnlyTheUsersOwnUnchangeableLibrariesAreLoaded) {
    test::TempFolder temp;
    const std::string mark = temp.file("mark");
    ::setenv("ZW_TEST_COMPONENT_MARK", mark.c_str(), 1);

    // Each case: a folder and a copy of a component whose registration leaves a mark.
    struct Case {
        const char* name;
        unsigned folderMode;
        unsigned fileMode;
        bool otherOwner;
        bool throughLink;  // the path names a link in the folder, the file lies in a private one
        bool loads;
    };
    const Case cases[] = {
        {"private", 0700, 0755, false, false, true},
        {"shared read-only", 0755, 0644, false, false, true},
        {"sticky shared folder", 01777, 0644, false, false, true},
        {"writable by all", 0755, 0666, false, false, false},
        {"writable by the group", 0755, 0664, false, false, false},
        {"folder writable by all", 0777, 0644, false, false, false},
        {"another user's file", 0755, 0644, true, false, false},
        {"link in a folder writable by all", 0777, 0755, false, true, false},
    };
    const std::string privateFolder = temp.file("private-files");
    fs::create_directory(privateFolder);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = temp.file(c.name);
        fs::create_directory(folder);
        const std::string copy = (c.throughLink ? privateFolder : folder) + "/" + c.name + ".so";
        fs::copy_file(RETURNING_COMPONENT, copy);
        ::chmod(copy.c_str(), c.fileMode);
        if (c.otherOwner && ::chown(copy.c_str(), 65534, 65534) != 0) {
            ADD_FAILURE() << "cannot give a file to another user here";
            continue;
        }
        const std::string path = c.throughLink ? folder + "/link.so" : copy;
        if (c.throughLink) fs::create_symlink(copy, path);
        ::chmod(folder.c_str(), c.folderMode);

        fs::remove(mark);
        const platform::SharedLibrary library(path);
        EXPECT_EQ(library.loaded(), c.loads) << library.error();
        EXPECT_EQ(Fehlerbehandlung::RegisterComponent(path, true), c.loads);
        EXPECT_EQ(platform::registerServer(path, true) == com::kOk, c.loads);
        EXPECT_EQ(test::fileBytes(mark), c.loads ? "register;register;" : "") << "registration code ran";
    }
    ::unsetenv("ZW_TEST_COMPONENT_MARK");
}

}  // namespace
}  // namespace zw
