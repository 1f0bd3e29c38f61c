// What stands in for the Windows programs that the windows start, off Windows: one table from
// each command line (or console document) the program uses to the local programs that do the
// same job, best first. Plain C++, no Qt.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zw::platform {

struct LocalEquivalent {
    std::string_view key;                          // normalised command line (normalizeCommandLine)
    bool prefix;                                   // key matches the start of the line (arguments vary)
    std::string_view title;                        // German name of the program, for the message
    std::vector<std::string_view> candidates;      // local command lines, best first; may be empty
};

// The whole table.
std::span<const LocalEquivalent> localEquivalents();

// Lower case; program name without folder and ".exe"; blanks squeezed, none after a comma.
// "Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl" -> "rundll32 shell32.dll,control_rundll inetcpl.cpl"
std::string normalizeCommandLine(std::string_view commandLine);

// The table row for a command line or document, or null.
const LocalEquivalent* findEquivalent(std::string_view commandLine);

// Splits a command line at blanks, keeping "double-quoted parts" together.
std::vector<std::string> splitCommandLine(std::string_view commandLine);

struct Resolution {
    enum class Kind { Local, Wine, Unavailable };
    Kind kind = Kind::Unavailable;
    std::vector<std::string> argv;  // what to start (program first) for Local and Wine
    std::string title;              // the program's German name (or its file name) for a message
};

// Decides what starts for a command line: the first local candidate found on the search path;
// for a line outside the table the program itself when it exists here; else Wine when `wine`
// is on the path; else nothing. `onPath` tells whether a program name can be found.
Resolution resolveCommandLine(std::string_view commandLine, const std::function<bool(const std::string&)>& onPath);

// The German message for a program that cannot be started here.
std::string unavailableMessage(const Resolution& resolution, std::string_view commandLine);

}  // namespace zw::platform
