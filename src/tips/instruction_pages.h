// The instruction pages of Tips und Tricks as data: each page's texts top to bottom, the
// command lines shown for copying, and the link labels that start a system program.
// Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct PageBlock {
    enum class Kind {
        Prose,    // an explanatory label
        Command,  // a text box to read and copy (read-only); `background` 0xRRGGBB
        Link,     // a blue link label that starts `commandLine` with `windowStyle`
        Red,      // a label in red (a line to look for)
    };
    Kind kind = Kind::Prose;
    std::string name;        // objectName
    std::string text;
    int heightTwips = 255;
    std::uint32_t background = 0xFFFFFF;
    bool multiLine = false;
    std::string commandLine;
    int windowStyle = 1;  // 1 normal with the focus, 2 minimised with the focus
};

struct InstructionPage {
    std::string name;
    std::string caption;
    std::string title;
    std::string closeButton;
    int widthTwips = 8400;
    int heightTwips = 6600;
    std::vector<PageBlock> blocks;
    bool uninstallButton = false;  // tricks_messenger's Command1 "Deinstallieren"
};

const std::vector<InstructionPage>& instructionPages();

// The command line that uninstalls the Windows messenger; `windowsFolder` ends in a separator
// (WinDir's GetWindowsFolder adds one).
std::string messengerUninstallCommand(std::string_view windowsFolder);

inline constexpr std::string_view kOperationDone = "Die Operation wurde durchgeführt!";

}  // namespace zw
