#include "shell_fixture.h"

#include "link_label.h"

#include <QKeyEvent>
#include <QLabel>

namespace zw::test {
namespace {

class InfoTest : public ShellFixture {
protected:
    shell::ToolWindow* openFromHub() { return ShellFixture::openFromHub("cmdInfo", QStringLiteral("Info")); }
};

TEST_F(InfoTest, ShowsItsTextsAndTheProductsAddresses)
{
    shell::ToolWindow* info = openFromHub();
    ASSERT_NE(info, nullptr);
    const auto text = [&](const char* name) {
        auto* label = info->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(info->windowTitle(), "Info");
    EXPECT_EQ(text("lblCaption"), "About Zunderwerk v. 2.0");
    EXPECT_EQ(text("Label8"), "Der Zunderwerk ist ein Programm, das Standard Registry Werte optimiert, mehr "
                              "Systemperformance herausholt und Ihnen Tips und Tricks zum Optimalen und kompfortablen "
                              "Umgang mit Windows XP näher bringt.");
    EXPECT_EQ(text("Label2"), "Bei Fragen, Kritik oder sonstigen Anregungen, können Sie mich gerne kontaktieren:");
    EXPECT_EQ(text("Label9"), "Homepage:");
    EXPECT_EQ(text("Label10"), "E-Mail:");
    EXPECT_EQ(text("Label3"), "http://www.zunderwerk.de/");
    EXPECT_EQ(text("Label7"), "kontakt@zunderwerk.de");
    for (const char* name : {"Label11", "Label4", "Label5", "Label6"})
        EXPECT_FALSE(text(name).isEmpty()) << name;
    EXPECT_EQ(info->findChild<QLabel*>("Label3")->toolTip(), "Visit my Homepage...?!?");
    EXPECT_EQ(info->findChild<QLabel*>("Label7")->toolTip(), "Write E-Mail...?!?");
    EXPECT_TRUE(info->isTopmost());
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(InfoTest, LinksOpenTheWebSiteAndANewMessageAndPutThePointerBack)
{
    shell::ToolWindow* info = openFromHub();
    ASSERT_NE(info, nullptr);
    auto* website = info->findChild<QLabel*>("Label3");
    auto* mail = info->findChild<QLabel*>("Label7");
    QTest::mouseClick(website, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(mail, Qt::RightButton);  // only the left button clicks
    EXPECT_EQ(fakes.launcher.urls,
              (QStringList{"http://www.zunderwerk.de/", "mailto:kontakt@zunderwerk.de?subject=Zunderwerk"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Without a browser or mail program nothing is shown and the pointer comes back all the same.
    fakes.launcher.urlResult = false;
    QTest::mouseClick(website, Qt::LeftButton);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(InfoTest, OkBeepsAndReturnsToTheSameMainWindow)
{
    shell::ToolWindow* info = openFromHub();
    ASSERT_NE(info, nullptr);
    QPointer<QWidget> guard(info);
    info->findChild<QPushButton*>("Command1")->click();
    runQueued();
    EXPECT_EQ(fakes.tones.tones, (std::vector<Tone>{{1000, 100}}));
    EXPECT_TRUE(guard.isNull());
    ASSERT_FALSE(mainWindow.isNull());
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
}

TEST_F(InfoTest, EscReturnsWithoutATone)
{
    shell::ToolWindow* info = openFromHub();
    ASSERT_NE(info, nullptr);
    QPointer<QWidget> guard(info);
    info->activateWindow();
    auto* ok = info->findChild<QPushButton*>("Command1");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    runQueued();
    EXPECT_TRUE(fakes.tones.tones.empty());
    EXPECT_TRUE(guard.isNull());
    ASSERT_FALSE(mainWindow.isNull());
    EXPECT_TRUE(mainWindow->isVisible());
}

}  // namespace
}  // namespace zw::test
