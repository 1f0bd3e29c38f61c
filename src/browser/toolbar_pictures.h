// The browser's toolbar pictures: three text values under the user's toolbar key, each the full
// path of a bitmap (or the empty text), and the template pictures of the Data folder.
// Plain C++, no Qt.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zw::browser {

inline constexpr std::string_view kToolbarKey = "Software\\Microsoft\\Internet Explorer\\Toolbar";

enum class ToolbarPicture { Background, Logo, Animation };

// One row of the window: its setting, its path box, its preset and its buttons.
struct ToolbarPictureRow {
    ToolbarPicture picture;
    std::string_view valueName;   // "BackBitmap", "SmallBitmap", "SmBrandBitmap"
    std::string_view pathBox;     // txtBg, txtSmall, txtAni
    std::string_view browse;      // browse1..3
    std::string_view noPicture;   // bg0, small0, ani0
    std::string_view preset;      // file below the program folder shown before the first mirror
    std::string_view mirrorTimer; // Timer1..3
};

const std::array<ToolbarPictureRow, 3>& toolbarPictureRows();
const ToolbarPictureRow& toolbarPictureRow(ToolbarPicture picture);

// One motif of the templates: its logo button and file, its animation button and file.
struct ToolbarMotif {
    std::string_view logoButton;      // small1..6
    std::string_view logoFile;        // "Data\Pics\fireball.bmp"
    std::string_view animationButton; // ani1..6
    std::string_view animationFile;   // "Data\Pics\fireball_ani.bmp"
};

const std::array<ToolbarMotif, 6>& toolbarMotifs();

// The folder of the templates below the program folder.
inline constexpr std::string_view kTemplateFolder = "Data\\Pics\\";

// What the mirror shows: the setting's path, or nothing while it is empty or missing.
std::optional<std::string> readToolbarPicture(ToolbarPicture picture);
// Writes the path (the empty text after "Kein Bild !") as the setting's value.
void writeToolbarPicture(ToolbarPicture picture, std::string_view path);

// "?": where the templates are, with `templateFolder` the program folder + "\Data\Pics\".
std::string templateFolderNotice(std::string_view templateFolder);

}  // namespace zw::browser
