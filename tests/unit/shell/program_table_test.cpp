// The stand-ins for the design's command lines: every line the windows start has a row, and a
// line resolves to the first local candidate on the path, else Wine, else the message.
#include "platform/program_table.h"

#include <gtest/gtest.h>

#include <set>

namespace zw::platform {
namespace {

// Every command line and console document the windows hand to the program start or the shell.
const char* const kDesignLines[] = {
    "rasdial.exe /disconnect", "rundll32.exe user32.dll,LockWorkStation", "cmd.exe", "control.exe",
    "Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl", "write.exe", "notepad.exe", "mspaint.exe", "calc.exe",
    "taskmgr.exe", "mplay32.exe", "sndvol32.exe", "sndrec32.exe", "regedt32.exe", "diskmgmt.msc", "cleanmgr.exe",
    "dfrg.msc", "devmgmt.msc", "compmgmt.msc", "services.msc", "perfmon.msc", "Restore\\rstrui.exe", "dxdiag.exe",
    "verifier.exe", "fsmgmt.msc", "ddeshare.exe", "lusrmgr.msc", "winmsd.exe", "ntmsmgr.msc", "eventvwr.msc",
    "certmgr.msc", "mstsc.exe", "clipbrd.exe", "magnify.exe", "iexpress.exe", "eudcedit.exe", "ciadv.msc",
    "winchat.exe", "regsvr32 /u zipfldr.dll", "regsvr32 zipfldr.dll",
    "Rundll32.exe shell32.dll, Control_RunDLL sysdm.cpl", "explorer.exe",
    "Rundll32.exe shell32.dll, Control_RunDLL powercfg.cpl",
    "RunDll32 advpack.dll,LaunchINFSection C:\\WINDOWS\\INF\\msmsgs.inf,BLC.Remove",
};

TEST(ProgramTable, EveryDesignLineHasARow) {
    for (const char* line : kDesignLines) EXPECT_NE(findEquivalent(line), nullptr) << line;
}

TEST(ProgramTable, NormalisesCaseFoldersExeAndTheBlankAfterAComma) {
    EXPECT_EQ(normalizeCommandLine("Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl"),
              "rundll32 shell32.dll,control_rundll inetcpl.cpl");
    EXPECT_EQ(normalizeCommandLine("C:\\WINDOWS\\system32\\CMD.EXE"), "cmd");
    EXPECT_EQ(normalizeCommandLine("Restore\\rstrui.exe"), "restore\\rstrui");
    EXPECT_EQ(normalizeCommandLine("  rasdial.exe   /disconnect "), "rasdial /disconnect");
    EXPECT_EQ(splitCommandLine("\"my editor\" a  b"), (std::vector<std::string>{"my editor", "a", "b"}));
}

struct Case {
    const char* line;
    std::set<std::string> path;  // programs found on the search path
    Resolution::Kind kind;
    std::vector<std::string> argv;
};

TEST(ProgramTable, ResolvesToTheFirstCandidateThenWineThenNothing) {
    using K = Resolution::Kind;
    const Case cases[] = {
        {"cmd.exe", {"xterm", "konsole"}, K::Local, {"konsole"}},
        {"cmd.exe", {"x-terminal-emulator", "xterm"}, K::Local, {"x-terminal-emulator"}},
        {"calc.exe", {"xcalc"}, K::Local, {"xcalc"}},
        {"Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl", {"gnome-control-center"}, K::Local,
         {"gnome-control-center", "network"}},
        {"rundll32.exe user32.dll,LockWorkStation", {"xdg-screensaver", "loginctl"}, K::Local, {"loginctl", "lock-session"}},
        {"Restore\\rstrui.exe", {"timeshift-gtk"}, K::Local, {"timeshift-gtk"}},
        {"services.msc", {"x-terminal-emulator"}, K::Local, {"x-terminal-emulator", "-e", "systemctl", "--type=service"}},
        {"regsvr32 /u zipfldr.dll", {"wine", "xterm"}, K::Wine, {"wine", "regsvr32", "/u", "zipfldr.dll"}},
        {"dfrg.msc", {"xterm"}, K::Unavailable, {}},
        {"winchat.exe", {}, K::Unavailable, {}},
        {"someprogram -x", {"someprogram"}, K::Local, {"someprogram", "-x"}},
        {"someprogram -x", {}, K::Unavailable, {}},
    };
    for (const Case& c : cases) {
        const Resolution r = resolveCommandLine(c.line, [&](const std::string& p) { return c.path.count(p) != 0; });
        EXPECT_EQ(r.kind, c.kind) << c.line;
        EXPECT_EQ(r.argv, c.argv) << c.line;
    }
}

TEST(ProgramTable, MessageNamesTheProgramAndItsCommandLine) {
    const Resolution none = resolveCommandLine("dfrg.msc", [](const std::string&) { return false; });
    EXPECT_EQ(unavailableMessage(none, "dfrg.msc"),
              "Das Programm \xE2\x80\x9E" "Defragmentierung\xE2\x80\x9C (dfrg.msc) ist auf diesem System nicht verf\xC3\xBCgbar.");
    const Resolution messenger = resolveCommandLine("RunDll32 advpack.dll,LaunchINFSection /w/INF/msmsgs.inf,BLC.Remove",
                                                    [](const std::string&) { return false; });
    EXPECT_EQ(messenger.title, "Windows Messenger Deinstallation");
}

}  // namespace
}  // namespace zw::platform
