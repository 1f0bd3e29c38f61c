// The toolbar picture settings: what the mirror sees, what a write leaves, the notice text.
#include "registry_test_store.h"

#include "browser/toolbar_pictures.h"
#include "tweak/registry.h"

namespace zw::test {
namespace {

using browser::ToolbarPicture;

using ToolbarPictures = RegistryStoreTest;

TEST_F(ToolbarPictures, RowsFollowTheirSettings)
{
    const auto& rows = browser::toolbarPictureRows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(rows[i].picture), i);
    EXPECT_EQ(browser::toolbarPictureRow(ToolbarPicture::Background).valueName, "BackBitmap");
    EXPECT_EQ(browser::toolbarPictureRow(ToolbarPicture::Logo).valueName, "SmallBitmap");
    EXPECT_EQ(browser::toolbarPictureRow(ToolbarPicture::Animation).valueName, "SmBrandBitmap");
}

TEST_F(ToolbarPictures, MirrorSeesOnlyAPath)
{
    EXPECT_FALSE(browser::readToolbarPicture(ToolbarPicture::Logo)) << "no key";
    browser::writeToolbarPicture(ToolbarPicture::Logo, "/pics/a.bmp");
    EXPECT_EQ(browser::readToolbarPicture(ToolbarPicture::Logo), "/pics/a.bmp");
    EXPECT_FALSE(browser::readToolbarPicture(ToolbarPicture::Animation)) << "other values stay unset";

    // "Kein Bild !": the value stays, with empty data, and the mirror leaves the box alone.
    browser::writeToolbarPicture(ToolbarPicture::Logo, "");
    EXPECT_FALSE(browser::readToolbarPicture(ToolbarPicture::Logo));
    platform::RegKey key = 0;
    ASSERT_EQ(Registry::OpenKey(1, browser::kToolbarKey, key), platform::kRegOk);
    platform::RegType type = platform::kRegNone;
    std::uint32_t size = 99;
    EXPECT_EQ(store().queryValue(key, "SmallBitmap", &type, nullptr, &size), platform::kRegOk);
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(size, 0u);
    Registry::CloseKey(key);
}

TEST_F(ToolbarPictures, NoticeNamesTheFolderInQuotes)
{
    EXPECT_EQ(browser::templateFolderNotice("C:\\Zunderwerk\\Data\\Pics\\"),
              "Im Ordner \"C:\\Zunderwerk\\Data\\Pics\\\" befinden sich ein paar Vorlagen. Bitte lassen Sie diesen "
              "Ordner unverändert! Sie können allerdings ohne Probleme eigene Bilder in den Ordner verschieben!");
}

}  // namespace
}  // namespace zw::test
