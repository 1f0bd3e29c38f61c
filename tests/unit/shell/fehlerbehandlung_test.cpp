// FileExists and RegisterComponent on real files and real libraries.
#include "shell/fehlerbehandlung.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zw::Fehlerbehandlung {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() / ("zw-shell-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                             "-" + std::to_string(std::rand()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

TEST(FileExists, TellsFilesFromFoldersAndMissingPaths) {
    TempFolder folder;
    std::ofstream(folder.file("empty.ocx")).close();
    std::ofstream(folder.file("full.ocx")) << "content";
    fs::create_directory(folder.file("folder.ocx"));
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {folder.file("empty.ocx"), true},  {folder.file("full.ocx"), true},   {folder.file("folder.ocx"), false},
        {folder.file("missing.ocx"), false}, {"", false}, {folder.file("full.ocx/inside"), false},
    };
    for (const Case& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

void setMarkFile(const std::string& path) {
#ifdef _WIN32
    _putenv_s("ZW_TEST_COMPONENT_MARK", path.c_str());
#else
    if (path.empty()) {
        ::unsetenv("ZW_TEST_COMPONENT_MARK");
    } else {
        ::setenv("ZW_TEST_COMPONENT_MARK", path.c_str(), 1);
    }
#endif
}

std::string readAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RegisterComponent, RunsTheEntryPointOnItsThreadAndReportsItEnded) {
    TempFolder folder;
    const std::string mark = folder.file("mark.txt");
    setMarkFile(mark);
    EXPECT_TRUE(RegisterComponent(RETURNING_COMPONENT, true));
    EXPECT_TRUE(RegisterComponent(RETURNING_COMPONENT, false));
    EXPECT_EQ(readAll(mark), "register;unregister;");
    setMarkFile("");
}

TEST(RegisterComponent, MissingLibraryOrEntryPointIsFalse) {
    EXPECT_FALSE(RegisterComponent("/nonexistent/folder/Fetchling.so", true));
    EXPECT_FALSE(RegisterComponent(EXPORTLESS_COMPONENT, true));
    EXPECT_FALSE(RegisterComponent(HANGING_COMPONENT, false)) << "it has no DllUnregisterServer";
    TempFolder folder;
    std::ofstream(folder.file("junk.ocx")) << "not a library";
    EXPECT_FALSE(RegisterComponent(folder.file("junk.ocx"), true));
}

TEST(RegisterComponent, RegistrationThatNeverEndsIsFalseAfterTheWaitAndKeepsRunning) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(RegisterComponentWithin(HANGING_COMPONENT, true, 300));
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    // The library stays loaded under the running thread; a second attempt behaves the same.
    EXPECT_FALSE(RegisterComponentWithin(HANGING_COMPONENT, true, 50));
}

}  // namespace
}  // namespace zw::Fehlerbehandlung
