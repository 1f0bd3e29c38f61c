#include "browser/toolbar_pictures.h"

#include "tweak/registry.h"

namespace zw::browser {

namespace {

constexpr HiveCode kCurrentUser = 1;

constexpr std::array<ToolbarPictureRow, 3> kRows{{
    {ToolbarPicture::Background, "BackBitmap", "txtBg", "browse1", "bg0", "Data\\Pics\\bg2.bmp", "Timer1"},
    {ToolbarPicture::Logo, "SmallBitmap", "txtSmall", "browse2", "small0", "Data\\Pics\\spiderman.bmp", "Timer2"},
    {ToolbarPicture::Animation, "SmBrandBitmap", "txtAni", "browse3", "ani0", "Data\\Pics\\spiderman_ani.bmp", "Timer3"},
}};

constexpr std::array<ToolbarMotif, 6> kMotifs{{
    {"small1", "Data\\Pics\\fireball.bmp", "ani1", "Data\\Pics\\fireball_ani.bmp"},
    {"small2", "Data\\Pics\\cs.bmp", "ani2", "Data\\Pics\\cs_ani.bmp"},
    {"small3", "Data\\Pics\\hl.bmp", "ani3", "Data\\Pics\\hl_ani.bmp"},
    {"small4", "Data\\Pics\\skull.bmp", "ani4", "Data\\Pics\\skull_ani.bmp"},
    {"small5", "Data\\Pics\\spiderman.bmp", "ani5", "Data\\Pics\\spiderman_ani.bmp"},
    {"small6", "Data\\Pics\\z.bmp", "ani6", "Data\\Pics\\z_ani.bmp"},
}};

}  // namespace

const std::array<ToolbarPictureRow, 3>& toolbarPictureRows() { return kRows; }

const ToolbarPictureRow& toolbarPictureRow(ToolbarPicture picture)
{
    return kRows[static_cast<std::size_t>(picture)];
}

const std::array<ToolbarMotif, 6>& toolbarMotifs() { return kMotifs; }

std::optional<std::string> readToolbarPicture(ToolbarPicture picture)
{
    std::string path = Registry::GetValueText(kCurrentUser, kToolbarKey, toolbarPictureRow(picture).valueName);
    if (path.empty())
        return std::nullopt;
    return path;
}

void writeToolbarPicture(ToolbarPicture picture, std::string_view path)
{
    Registry::SetStringValue(kCurrentUser, kToolbarKey, toolbarPictureRow(picture).valueName, path);
}

std::string templateFolderNotice(std::string_view templateFolder)
{
    std::string text = "Im Ordner \"";
    text += templateFolder;
    text += "\" befinden sich ein paar Vorlagen. Bitte lassen Sie diesen Ordner unverändert! Sie können allerdings "
            "ohne Probleme eigene Bilder in den Ordner verschieben!";
    return text;
}

}  // namespace zw::browser
