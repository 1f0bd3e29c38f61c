#include "read_file.h"
#include "update_rules.h"

#include <gtest/gtest.h>

#include <random>
#include <filesystem>

using namespace zw::online;

TEST(UpdateRules, VersionIsComparedWhole)
{
    struct Case { const char* server; VersionVerdict verdict; };
    const Case cases[] = {
        {"2.0", VersionVerdict::UpToDate},
        {"2.0\r\n", VersionVerdict::NewVersion},
        {"2.0\n", VersionVerdict::NewVersion},
        {"2.1", VersionVerdict::NewVersion},
        {"1.9", VersionVerdict::NewVersion},   // no numeric comparison
        {"<html>404</html>", VersionVerdict::NewVersion},
        {"", VersionVerdict::NoAnswer},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(judgeVersion("2.0", c.server), c.verdict) << c.server;
    }
}

TEST(UpdateRules, MessagesJoinTheirPartsExactly)
{
    EXPECT_EQ(newVersionMessage("2.0", "2.1"),
              "Ihre aktuelle Version (2.0) ist veraltet! Laden Sie die neue Version (2.1) jetzt vom Server!");
    EXPECT_EQ(errorWithAddress("http://w"),
              "Es ist ein Fehler aufgetreten! Dies liegt entweder an einer fehlerhaften Internetverbindung, "
              "oder Serverproblemen. Die aktuelle Version ist ebenfalls im Internet unter http://w erhältlich.");
    EXPECT_EQ(progressStatus(300, 1000), "300 Bytes von 1000");
}

TEST(UpdateRules, InfoKindsAreExactWords)
{
    EXPECT_EQ(infoKindIcon("vbInformation"), InfoIcon::Information);
    EXPECT_EQ(infoKindIcon("vbCritical"), InfoIcon::Critical);
    EXPECT_EQ(infoKindIcon("vbExclamation"), InfoIcon::Exclamation);
    EXPECT_EQ(infoKindIcon("vbQuestion"), InfoIcon::Question);
    for (const char* unknown : {"vbinformation", "VBCRITICAL", "", "vbInformation\n", "vbOKOnly"}) {
        EXPECT_FALSE(infoKindIcon(unknown).has_value()) << unknown;
    }
}

TEST(UpdateRules, ShortOrFailedDownloadIsNotComplete)
{
    EXPECT_TRUE(downloadComplete(true, 1000, 1000));
    EXPECT_TRUE(downloadComplete(true, 1234, 0));     // no announced size: nothing to hold against
    EXPECT_FALSE(downloadComplete(true, 999, 1000));
    EXPECT_FALSE(downloadComplete(true, 0, 1000));
    EXPECT_FALSE(downloadComplete(false, 1000, 1000));
}

TEST(UpdateRules, ServerTextIsUtf8OrCodePage1252)
{
    EXPECT_EQ(decodeServerText("Gr\xc3\xbc\xc3\x9f" "e"), "Grüße");
    EXPECT_EQ(decodeServerText("Gr\xfc\xdf" "e \x80 \x93x\x94"), "Grüße € “x”");
    EXPECT_EQ(decodeServerText("\xc3"), "Ã");               // cut sequence
    EXPECT_EQ(decodeServerText("\xed\xa0\x80"), "í\xc2\xa0€");   // surrogate is not UTF-8
    EXPECT_EQ(decodeServerText("\xc0\xaf"), "À¯");               // overlong form is not UTF-8
    EXPECT_EQ(decodeServerText("\xf4\x90\x80\x80"), "ô\xc2\x90€€");  // beyond U+10FFFF
    EXPECT_EQ(decodeServerText("\xf0\x9f\x94\xa5!"), "\xf0\x9f\x94\xa5!");  // four bytes are fine
    EXPECT_EQ(decodeServerText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(ReadFile, ReadsAllBytesOrNothing)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zw_readfile_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "update.txt").string();
    const std::string bytes("2.0\r\n\0\xff", 7);
    ASSERT_TRUE(WriteFileBytes(path, "a much longer text that is replaced"));
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    EXPECT_EQ(ReadFile(path), bytes);
    EXPECT_EQ(ReadFile((dir / "missing.txt").string()), "");
    EXPECT_EQ(ReadFile(dir.string()), "");
    EXPECT_FALSE(WriteFileBytes((dir / "no" / "such" / "folder").string(), "x"));
    std::filesystem::remove_all(dir);
}

#ifndef _WIN32
TEST(ReadFile, WrittenFilesArePrivateAndNoLinkIsFollowed)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zw_writefile_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    const auto path = dir / "servermsg.txt";
    ASSERT_TRUE(WriteFileBytes(path.string(), "x"));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    // A link placed at the name of a look-up file: the write fails, its target stays as it was.
    const auto victim = dir / "victim.txt";
    ASSERT_TRUE(WriteFileBytes(victim.string(), "keep"));
    const auto link = dir / "update.txt";
    std::filesystem::create_symlink(victim, link);
    EXPECT_FALSE(WriteFileBytes(link.string(), "server text"));
    EXPECT_EQ(ReadFile(victim.string()), "keep");
    std::filesystem::remove_all(dir);
}
#endif
