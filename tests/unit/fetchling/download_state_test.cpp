#include "fetchling/download_state.h"

#include "../registry/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fetchling {
namespace {

namespace fs = std::filesystem;

class DownloadStateTest : public testing::Test {
protected:
    std::string fileContent() const {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    zw::test::TempFolder folder_;
    const fs::path dir_ = folder_.path();
    const std::string file_ = folder_.file("out.bin");
};

TEST_F(DownloadStateTest, ThreeHundredOfThousandThenSevenHundred) {
    DownloadState s;
    s.begin(file_);
    auto out = s.receive("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n" + std::string(300, 'a'));
    EXPECT_TRUE(out.progress);
    EXPECT_EQ(s.bytesLoaded(), 300);
    EXPECT_EQ(s.announcedSize(), 1000);
    EXPECT_EQ(fileContent(), std::string(300, 'a'));
    out = s.receive(std::string(700, 'b'));
    EXPECT_TRUE(out.progress);
    EXPECT_EQ(s.bytesLoaded(), 1000);
    EXPECT_EQ(s.announcedSize(), 1000);
    EXPECT_EQ(fileContent(), std::string(300, 'a') + std::string(700, 'b'));
}

TEST_F(DownloadStateTest, AnnouncedSizeBelongsToTheObject) {
    DownloadState s;
    s.begin(file_);
    s.receive("HTTP/1.1 200 OK\r\nServer: x\r\n\r\nabc");
    EXPECT_EQ(s.announcedSize(), 0);  // fresh object, no length
    s.begin(file_);
    s.receive("HTTP/1.1 200 OK\r\ncontent-length: 4\r\n\r\nabcd");
    EXPECT_EQ(s.announcedSize(), 4);
    s.begin(file_);
    s.receive("HTTP/1.1 200 OK\r\n\r\nxy");
    EXPECT_EQ(s.announcedSize(), 4);  // kept from the download before
    EXPECT_EQ(s.bytesLoaded(), 2);
    s.begin(file_);
    s.receive("no status line");
    EXPECT_EQ(s.announcedSize(), 0);  // stored whole: no length is known
}

TEST_F(DownloadStateTest, CloseTwiceFinishesOnce) {
    DownloadState s;
    s.begin(file_);
    s.receive("HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_TRUE(s.close().finished);
    EXPECT_FALSE(s.close().finished);
    s.begin(file_);
    EXPECT_TRUE(s.close().finished);  // a new download finishes again
}

TEST_F(DownloadStateTest, NoProgressWhileTheHeaderIsGathered) {
    DownloadState s;
    s.begin(file_);
    EXPECT_FALSE(s.receive("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n").progress);
    EXPECT_FALSE(fs::exists(file_));
    const auto out = s.receive("\r\n");
    EXPECT_TRUE(out.progress);  // the header is complete: the (empty) file exists now
    EXPECT_EQ(s.bytesLoaded(), 0);
    EXPECT_TRUE(fs::exists(file_));
    EXPECT_EQ(fileContent(), "");
}

TEST_F(DownloadStateTest, ShortResponseWithoutStatusLineIsStoredOnClose) {
    DownloadState s;
    s.begin(file_);
    EXPECT_FALSE(s.receive("HTT").progress);  // could still become a status line
    const auto out = s.close();
    EXPECT_TRUE(out.progress);
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(fileContent(), "HTT");
}

TEST_F(DownloadStateTest, FailureRaisesNothingFurther) {
    DownloadState s;
    s.begin(file_);
    EXPECT_TRUE(s.receive("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nxyz\r\n").failed);
    EXPECT_FALSE(s.close().finished);
}

TEST_F(DownloadStateTest, UnwritableFileFailsTheDownload) {
    DownloadState s;
    s.begin((dir_ / "missing" / "out.bin").string());
    EXPECT_TRUE(s.receive("HTTP/1.1 200 OK\r\n\r\nabc").failed);
    EXPECT_TRUE(s.failed());
    EXPECT_FALSE(s.close().finished);
}

// A chunked body cut by the end of the connection before its last chunk is a failure, not a
// finished download; the next download starts without the failure.
TEST_F(DownloadStateTest, ChunkedBodyCutShortFails) {
    DownloadState s;
    s.begin(file_);
    EXPECT_TRUE(s.receive("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab").progress);
    EXPECT_FALSE(s.failed());
    const auto out = s.close();
    EXPECT_TRUE(out.failed);
    EXPECT_FALSE(out.finished);
    EXPECT_TRUE(s.failed());
    EXPECT_FALSE(s.close().finished);
    EXPECT_EQ(fileContent(), "ab");

    s.begin(folder_.file("next.bin"));
    EXPECT_FALSE(s.failed());
    s.receive("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0\r\n\r\n");
    EXPECT_TRUE(s.close().finished);
    EXPECT_FALSE(s.failed());
}

TEST_F(DownloadStateTest, PrepareDeletesAnExistingFileAndLeavesNone) {
    std::ofstream(file_) << "old";
    EXPECT_FALSE(prepareLocalFile(file_));
    EXPECT_FALSE(fs::exists(file_));
}

TEST_F(DownloadStateTest, PrepareReportsWhatCannotBeCreated) {
    EXPECT_TRUE(prepareLocalFile((dir_ / "missing" / "out.bin").string()));
    EXPECT_TRUE(prepareLocalFile(dir_.string()));  // a folder is never deleted
    EXPECT_TRUE(fs::is_directory(dir_));
    EXPECT_TRUE(prepareLocalFile(""));
}

}  // namespace
}  // namespace fetchling
