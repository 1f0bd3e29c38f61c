#include "shell_fixture.h"

#include "launcher_entries.h"
#include "public_variables.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

namespace zw::test {
namespace {

class ToolsTest : public ShellFixture {
protected:
    shell::Tools* openFromHub() { return ShellFixture::openFromHub<shell::Tools>("cmdXPUtilities", QStringLiteral("tools")); }
};

TEST_F(ToolsTest, EveryButtonStartsItsProgramOrOpensItsConsoleAndTheLauncherStays)
{
    // button, tab, label, "run <command line>" or "open <document>"
    const char* expected[][4] = {
        {"Command33", "Standard Tools", "WordPad", "run write.exe"},
        {"Command28", "Standard Tools", "NotePad", "run notepad.exe"},
        {"Command26", "Standard Tools", "Microsoft Paint", "run mspaint.exe"},
        {"Command36", "Standard Tools", "Taschenrechner", "run calc.exe"},
        {"Command1", "Standard Tools", "Task-Manager", "run taskmgr.exe"},
        {"Command25", "Standard Tools", "Medienwiedergabe", "run mplay32.exe"},
        {"Command30", "Standard Tools", "Lautstärkeregelung", "run sndvol32.exe"},
        {"Command29", "Standard Tools", "Audiorecorder", "run sndrec32.exe"},
        {"Command4", "Standard Tools", "Registrierungs-Editor", "run regedt32.exe"},
        {"Command2", "Standard Tools", "Eingabeaufforderung", "run cmd.exe"},
        {"Command9", "System / Diagnose", "Datenträgerverwaltung", "open diskmgmt.msc"},
        {"Command3", "System / Diagnose", "Datenträgerbereinigung", "run cleanmgr.exe"},
        {"Command11", "System / Diagnose", "Defragmentierung", "open dfrg.msc"},
        {"Command10", "System / Diagnose", "Geräte-Manager", "open devmgmt.msc"},
        {"Command8", "System / Diagnose", "Computerverwaltung", "open compmgmt.msc"},
        {"Command34", "System / Diagnose", "Systemsteuerung", "run control.exe"},
        {"Command19", "System / Diagnose", "Diensteverwaltung", "open services.msc"},
        {"Command17", "System / Diagnose", "Leistungsmonitor", "open perfmon.msc"},
        {"Command18", "System / Diagnose", "Systemwiederherstellung", "run Restore\\rstrui.exe"},
        {"Command5", "System / Diagnose", "Direct-X Diagnose", "run dxdiag.exe"},
        {"Command31", "System / Diagnose", "Treiber Überprüfung", "run verifier.exe"},
        {"Command13", "Information Tools", "Freigegebene Ordner", "open fsmgmt.msc"},
        {"Command21", "Information Tools", "DDE Freigaben", "run ddeshare.exe"},
        {"Command15", "Information Tools", "Benutzer und Gruppen", "open lusrmgr.msc"},
        {"Command37", "Information Tools", "Systeminformationen", "run winmsd.exe"},
        {"Command16", "Information Tools", "Wechselmedien", "open ntmsmgr.msc"},
        {"Command12", "Information Tools", "Ereignisanzeige", "open eventvwr.msc"},
        {"Command6", "Information Tools", "Zertifikat-Manager", "open certmgr.msc"},
        {"Command27", "Misc Tools", "Remote PC Verbindung", "run mstsc.exe"},
        {"Command14", "Misc Tools", "Zwischenspeicher", "open clipbrd.exe"},
        {"Command24", "Misc Tools", "Bildschirmlupe", "run magnify.exe"},
        {"Command23", "Misc Tools", "Self Extraction", "run iexpress.exe"},
        {"Command22", "Misc Tools", "Zeichen Editor", "run eudcedit.exe"},
        {"Command7", "Misc Tools", "Indexdienst", "open ciadv.msc"},
        {"Command32", "Misc Tools", "Win Chat", "run winchat.exe"},
    };
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->findChildren<QPushButton*>(QRegularExpression("^Command\\d+$")).size(), 35);
    QTabWidget* tabs = tools->tabs();
    for (const auto& row : expected) {
        const QString name = QString::fromUtf8(row[0]);
        auto* button = tools->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << row[0];
        const int tab = tabs->indexOf(button->parentWidget());
        EXPECT_EQ(tabs->tabText(tab), QString::fromUtf8(row[1])) << row[0];
        auto* label = tools->findChild<QLabel*>("lbl" + name);
        ASSERT_NE(label, nullptr) << row[0];
        EXPECT_EQ(label->text(), QString::fromUtf8(row[2]));
        EXPECT_TRUE(label->font().bold());
        EXPECT_FALSE(button->icon().isNull()) << row[0];

        tabs->setCurrentIndex(tab);
        fakes.launcher.started.clear();
        fakes.launcher.opened.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        QString did;
        if (fakes.launcher.started.size() == 1 && fakes.launcher.started[0].windowStyle == 1)
            did = "run " + fakes.launcher.started[0].commandLine;
        if (fakes.launcher.opened.size() == 1)
            did += "open " + fakes.launcher.opened[0];
        EXPECT_EQ(did, QString::fromUtf8(row[3])) << row[0];
    }
    EXPECT_TRUE(tools->isVisible());
    EXPECT_FALSE(mainWindow->isVisible());
}

TEST_F(ToolsTest, TwoClicksStartTwoInstances)
{
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    auto* calc = tools->findChild<QPushButton*>("Command36");
    calc->click();
    calc->click();
    ASSERT_EQ(fakes.launcher.started.size(), 2);
    EXPECT_EQ(fakes.launcher.started[1].commandLine, "calc.exe");
}

TEST_F(ToolsTest, EscWithAFocusedButtonReturnsToTheMainWindowAndTheNextOpeningStartsOnTheFirstTab)
{
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->windowTitle(), "System Utilities");
    EXPECT_EQ(tools->tabs()->currentIndex(), 0);
    tools->tabs()->setCurrentIndex(2);
    QPointer<QWidget> guard(tools);
    tools->activateWindow();
    auto* button = tools->findChild<QPushButton*>("Command13");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Escape);
    runQueued();
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(fakes.launcher.started.isEmpty());
    ASSERT_FALSE(mainWindow.isNull());
    EXPECT_TRUE(mainWindow->isVisible());

    shell::Tools* again = openFromHub();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->tabs()->currentIndex(), 0);
}

TEST_F(ToolsTest, SchliessenReturnsToTheMainWindow)
{
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    tools->findChild<QPushButton*>("cmdSchließen")->click();
    runQueued();
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
    EXPECT_TRUE(mainWindow->isVisible());
}

TEST_F(ToolsTest, ThePagesOfTheTabControlDragTheWindowTheTabsSwitch)
{
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    QSignalSpy drags(tools, &shell::ToolWindow::dragStarted);
    QWidget* page = tools->tabs()->currentWidget();
    QTest::mousePress(page, Qt::LeftButton, {}, QPoint(page->width() / 2, page->height() - 5));
    QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(page->width() / 2, page->height() - 5));
    EXPECT_EQ(drags.count(), 1);

    QTabBar* bar = tools->tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(3).center());
    EXPECT_EQ(tools->tabs()->currentIndex(), 3);
    EXPECT_EQ(drags.count(), 1);
}

TEST_F(ToolsTest, AFailingLoadRepairsTheComponentsWithoutTheDownloadComponent)
{
    // A program folder with a control file and no Data folder: the owl's picture cannot load.
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    QFile control(program.filePath("COMDLG32.OCX"));
    ASSERT_TRUE(control.open(QIODevice::WriteOnly));
    control.write("control");
    control.close();
    fakes.folders.program = program.path();
    modPublicVariables::OwlFlag = true;
    shell::Tools* tools = qobject_cast<shell::Tools*>(navigator.show(QStringLiteral("tools")));
    modPublicVariables::OwlFlag = false;
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(QFile::exists(fakes.folders.windows + "/SYSTEM/COMDLG32.OCX"));
}

TEST_F(ToolsTest, ASuccessfulLoadRepairsNothing)
{
    shell::Tools* tools = openFromHub();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(QDir(fakes.folders.windows + "/SYSTEM").isEmpty());
}

}  // namespace
}  // namespace zw::test
