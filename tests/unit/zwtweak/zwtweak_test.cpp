// zwtweak: the records from the command line, on the active store.
#include "../toggles/toggle_store.h"

#include "tools/zwtweak/zwtweak_commands.h"
#include "tweak/registry.h"

#include <gtest/gtest.h>

#include <sstream>

namespace zw::test {
namespace {

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result zwtweak(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int code = zwtweak::run(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

const std::string kAdvanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";

TEST(Zwtweak, ListShowsEveryRecordWithItsState)
{
    ToggleStore store;
    Registry::SetDwordValue(1, kAdvanced, "EnableBalloonTips", 0);
    Registry::SetStringValue(1, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState",
                             "Use Search Asst", "yes");
    Registry::DeleteValue(2, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update", "AUOptions");

    const Result r = zwtweak({"list"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    const auto got = lines(r.out);
    ASSERT_EQ(got.size(), 20u);
    EXPECT_EQ(got.front(), "reg_balloontips\tBalloontips deaktivieren\tApplied");
    auto has = [&](const std::string& line) { return std::find(got.begin(), got.end(), line) != got.end(); };
    EXPECT_TRUE(has("reg_klassischesuche\tKlassische Suche aktivieren\tDefault"));
    EXPECT_TRUE(has("tricks_AutoUpdate\tAutomatische Updates deaktivieren\tunknown"));
    EXPECT_TRUE(has("tricks_laufwerkeverstecken\tAlle Laufwerke verstecken\tunknown"));
}

TEST(Zwtweak, ApplyAndRestoreWriteTheRecordAndReportTheNewState)
{
    ToggleStore store;
    Result r = zwtweak({"apply", "reg_balloontips"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "reg_balloontips\tBalloontips deaktivieren\tApplied\n");
    EXPECT_EQ(Registry::GetValueText(1, kAdvanced, "EnableBalloonTips"), "0");

    r = zwtweak({"restore", "reg_balloontips"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "reg_balloontips\tBalloontips deaktivieren\tDefault\n");
    EXPECT_EQ(Registry::GetValueText(1, kAdvanced, "EnableBalloonTips"), "1");
}

TEST(Zwtweak, BadRequestsAreClearErrors)
{
    ToggleStore store;
    struct Case {
        std::vector<std::string> args;
        int code;
        const char* errorContains;
    };
    const Case cases[] = {
        {{"apply", "reg_gibtsnicht"}, 1, "unbekannter Eintrag \"reg_gibtsnicht\""},
        {{"restore", "REG_BALLOONTIPS"}, 1, "unbekannter Eintrag"},
        {{"restore", "tricks_alexa"}, 1, "tricks_alexa kann nicht wiederhergestellt werden"},
        {{}, 2, "Aufruf: zwtweak list"},
        {{"apply"}, 2, "Aufruf:"},
        {{"list", "extra"}, 2, "Aufruf:"},
        {{"toggle", "reg_wsh"}, 2, "Aufruf:"},
    };
    const auto before = Registry::GetValueText(1, kAdvanced, "EnableBalloonTips");
    for (const Case& c : cases) {
        const Result r = zwtweak(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_NE(r.err.find(c.errorContains), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(Registry::GetValueText(1, kAdvanced, "EnableBalloonTips"), before);
}

TEST(Zwtweak, AWriteThatFailsEndsWithAnErrorAndTheRealState)
{
    ToggleStore store;
    const std::string scriptHost = "SOFTWARE\\Microsoft\\Windows Script Host\\Settings";
    Registry::SetStringValue(2, scriptHost, "Enabled", "1");
    Registry::DeleteValue(2, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation");
    if (!store.denyWrites(2))
        GTEST_SKIP() << "a restricted user cannot be reproduced on the " << testStoreName() << " store";
    Result r = zwtweak({"apply", "reg_wsh"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("reg_wsh: nicht alle Werte konnten geschrieben werden"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "reg_wsh\tWindows Scripting Host deaktivieren\tunknown\n") << "what the poll reads now";

    // Deleting what is already absent reaches the wanted state, also where writing is denied.
    r = zwtweak({"restore", "reg_MFT"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
}

}  // namespace
}  // namespace zw::test
