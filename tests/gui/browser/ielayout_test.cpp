// The toolbar picture window: presets, the three mirrors, templates, "Browse", "Kein Bild !",
// "?" and the background preview.
#include "browser_fixture.h"

#include "browser/browser_pictures.h"
#include "browser/frm_iebg_preview.h"
#include "browser/toolbar_pictures.h"
#include "shell/program_folder.h"
#include "tweak/registry.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace zw::test {
namespace {

using browser::FrmIEBGPreview;
using browser::kToolbarKey;

class IELayout : public BrowserWindow {
protected:
    ~IELayout() override
    {
        delete FrmIEBGPreview::openPreview();
    }
    QString box(const char* name) { return child<QLineEdit>(name)->text(); }
    QSize preview(const char* name) { return child<QLabel>(name)->pixmap().size(); }
    static QString pic(std::string_view file) { return shell::programFilePath(file); }
    // Lets at least two mirror periods pass.
    static void pastTwoTicks() { settle(1100); }
};

TEST_F(IELayout, WithoutSettingsThePresetsStayAndPreviewsAreEmpty)
{
    open("tricks_IELayout");
    ASSERT_TRUE(window);
    pastTwoTicks();
    EXPECT_EQ(box("txtBg"), pic("Data\\Pics\\bg2.bmp"));
    EXPECT_EQ(box("txtSmall"), pic("Data\\Pics\\spiderman.bmp"));
    EXPECT_EQ(box("txtAni"), pic("Data\\Pics\\spiderman_ani.bmp"));
    EXPECT_TRUE(QFile::exists(box("txtBg")) && QFile::exists(box("txtSmall")) && QFile::exists(box("txtAni")));
    EXPECT_TRUE(preview("Picture1").isEmpty());
    EXPECT_TRUE(preview("Picture2").isEmpty());
    platform::RegKey key = 0;
    EXPECT_NE(Registry::OpenKey(1, kToolbarKey, key), platform::kRegOk) << "nothing is written on loading";
}

TEST_F(IELayout, MirrorsShowTheSettingsInForceAndReplaceTypedText)
{
    Registry::SetStringValue(1, kToolbarKey, "SmBrandBitmap", pic("Data\\Pics\\z_ani.bmp").toStdString());
    Registry::SetStringValue(1, kToolbarKey, "BackBitmap", "/nowhere/missing.bmp");
    open("tricks_IELayout");
    ASSERT_TRUE(waitUntil([&] { return box("txtAni") == pic("Data\\Pics\\z_ani.bmp"); }));
    ASSERT_TRUE(waitUntil([&] { return preview("Picture2") == QSize(22, 220); }));
    EXPECT_EQ(box("txtBg"), "/nowhere/missing.bmp") << "a missing file is mirrored all the same";

    child<QLineEdit>("txtAni")->setText("typed.bmp");
    child<QLineEdit>("txtSmall")->setText("typed-logo.bmp");
    EXPECT_TRUE(waitUntil([&] { return box("txtAni") == pic("Data\\Pics\\z_ani.bmp"); }));
    pastTwoTicks();
    EXPECT_EQ(box("txtSmall"), "typed-logo.bmp") << "with the setting empty the typed text stays";
}

TEST_F(IELayout, TemplateWritesTheFullPathAndThePreviewFollows)
{
    open("tricks_IELayout");
    child("small1")->click();
    EXPECT_EQ(Registry::GetValueText(1, kToolbarKey, "SmallBitmap"), pic("Data\\Pics\\fireball.bmp").toStdString());
    EXPECT_EQ(box("txtSmall"), pic("Data\\Pics\\fireball.bmp"));
    ASSERT_TRUE(waitUntil([&] { return preview("Picture1") == QSize(38, 38); }));
    child("ani4")->click();
    EXPECT_EQ(Registry::GetValueText(1, kToolbarKey, "SmBrandBitmap"), pic("Data\\Pics\\skull_ani.bmp").toStdString());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(IELayout, KeinBildLeavesAnEmptyValueAndTheLastPreview)
{
    open("tricks_IELayout");
    child("small6")->click();
    ASSERT_TRUE(waitUntil([&] { return !preview("Picture1").isEmpty(); }));
    child("small0")->click();
    platform::RegKey key = 0;
    ASSERT_EQ(Registry::OpenKey(1, kToolbarKey, key), platform::kRegOk);
    platform::RegType type = platform::kRegNone;
    std::uint32_t size = 99;
    EXPECT_EQ(store().queryValue(key, "SmallBitmap", &type, nullptr, &size), platform::kRegOk);
    Registry::CloseKey(key);
    EXPECT_EQ(type, platform::kRegSz);
    EXPECT_EQ(size, 0u);
    pastTwoTicks();
    EXPECT_EQ(box("txtSmall"), "");
    EXPECT_EQ(preview("Picture1"), QSize(38, 38));
}

TEST_F(IELayout, BrowseWritesTheChosenFileAndCancelChangesNothing)
{
    open("tricks_IELayout");
    const QString chosen = pic("Data\\Pics\\cs.bmp");
    fakes.dialogs.openAnswers = {chosen};
    child("browse2")->click();
    ASSERT_EQ(fakes.dialogs.openRequests.size(), 1);
    EXPECT_EQ(fakes.dialogs.openRequests[0].filter, "Bitmap (*.bmp)|*.bmp|");
    EXPECT_EQ(box("txtSmall"), chosen);
    EXPECT_EQ(preview("Picture1"), QSize(38, 38)) << "loaded at once";
    EXPECT_EQ(Registry::GetValueText(1, kToolbarKey, "SmallBitmap"), chosen.toStdString());

    for (const char* button : {"browse1", "browse2", "browse3"})
        child(button)->click();  // cancelled: no answers left
    EXPECT_EQ(fakes.dialogs.openRequests.size(), 4);
    EXPECT_EQ(Registry::GetValueText(1, kToolbarKey, "SmallBitmap"), chosen.toStdString());
    EXPECT_EQ(Registry::GetValueText(1, kToolbarKey, "BackBitmap"), "");
    EXPECT_EQ(box("txtSmall"), chosen);
    EXPECT_EQ(box("txtAni"), pic("Data\\Pics\\spiderman_ani.bmp"));
}

TEST_F(IELayout, InfoNamesTheTemplateFolder)
{
    open("tricks_IELayout");
    child("cmdInfo")->click();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              "Im Ordner \"" + pic("Data\\Pics\\") +
                  "\" befinden sich ein paar Vorlagen. Bitte lassen Sie diesen Ordner unverändert! Sie können "
                  "allerdings ohne Probleme eigene Bilder in den Ordner verschieben!");
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Info...");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MsgIcon::Information);
}

TEST_F(IELayout, PreviewShowsTheBoxesPictureOnceUntilClicked)
{
    open("tricks_IELayout");
    browser::useBuiltInPictures();
    const QImage strip = QImage(browser::kDefaultStrip).convertToFormat(QImage::Format_RGB32);
    const auto shown = [] {
        return FrmIEBGPreview::openPreview()->findChild<QLabel*>("Image1")->pixmap().toImage().convertToFormat(
            QImage::Format_RGB32);
    };

    // Typed while the setting is empty: the preview shows that file.
    child<QLineEdit>("txtBg")->setText(pic("Data\\Pics\\skull_ani.bmp"));
    child("cmdPreview")->click();
    FrmIEBGPreview* first = FrmIEBGPreview::openPreview();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->size(), QSize(1028, 118));
    EXPECT_EQ(first->pos(), QPoint(0, 0));
    auto* image = first->findChild<QLabel*>("Image1");
    EXPECT_EQ(image->toolTip(), "Zum schließen einfach klicken!");
    EXPECT_EQ(image->width(), 1028);
    EXPECT_EQ(shown().size(), QSize(22, 220));

    // An open preview is not loaded again.
    child<QLineEdit>("txtBg")->setText(pic("Data\\Pics\\bg2.bmp"));
    child("cmdPreview")->click();
    EXPECT_EQ(FrmIEBGPreview::openPreview(), first);
    EXPECT_EQ(shown().size(), QSize(22, 220));

    // A click closes it; a file that is no picture leaves the built-in strip.
    QTest::mouseClick(image, Qt::LeftButton);
    flushDeletes();
    EXPECT_FALSE(FrmIEBGPreview::openPreview());
    const QString notAPicture = QString::fromUtf8(folder_.file("broken.bmp").c_str());
    QFile broken(notAPicture);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really");
    broken.close();
    for (const QString& file : {notAPicture, QString()}) {
        child<QLineEdit>("txtBg")->setText(file);
        child("cmdPreview")->click();
        EXPECT_EQ(shown(), strip) << file.toStdString();
        delete FrmIEBGPreview::openPreview();
    }
}

}  // namespace
}  // namespace zw::test
