// The ZIP folder switch and the page-file advice page act through system programs: their
// command lines and the advice page's table. Plain C++, no Qt.
#pragma once

#include <array>
#include <cstdint>

namespace zw {

// Started minimised with the focus (window style 2), never waited for.
inline constexpr int kSystemProgramWindowStyle = 2;
inline constexpr const char* kZipFoldersOff = "regsvr32 /u zipfldr.dll";
inline constexpr const char* kZipFoldersOn = "regsvr32 zipfldr.dll";
// The blank after the comma is part of the command line.
inline constexpr const char* kSystemPropertiesCommand = "Rundll32.exe shell32.dll, Control_RunDLL sysdm.cpl";

// One row of the page-file recommendation: a heading and the initial and maximum size
// labels, which keep their leading blank and runs of blanks.
struct PageFileRecommendation {
    const char* headingName;
    const char* heading;
    const char* initialName;
    const char* initial;
    const char* maximumName;
    const char* maximum;
};

inline constexpr std::array<PageFileRecommendation, 3> kPageFileRecommendations = {{
    {"Label13", "Standard User (Texte schreiber):", "Label6", " Anfangsgröße (MB):             300", "Label7",
     " Maximale Größe (MB):          300"},
    {"Label14", "Spieler ( CS Gamer :-] ):", "Label8", " Anfangsgröße (MB):             800", "Label9",
     " Maximale Größe (MB):          800"},
    {"Label15", "Power User:", "Label10", " Anfangsgröße (MB):           1100", "Label11",
     " Maximale Größe (MB):        1100"},
}};

// Colours of the table as 0xRRGGBB: blue headings, values on light yellow.
inline constexpr std::uint32_t kRecommendationHeadingColour = 0x0000FF;
inline constexpr std::uint32_t kRecommendationValueBackground = 0xFFFF80;

}  // namespace zw
