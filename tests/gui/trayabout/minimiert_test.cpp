#include "shell_fixture.h"

#include "tweak/registry.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>

namespace zw::test {
namespace {

using shell::Minimiert;

constexpr const char* kWshKey = "SOFTWARE\\Microsoft\\Windows Script Host\\Settings";

class MinimiertTest : public ShellFixture {
protected:
    bool mainWindowShown()
    {
        auto* form1 = loaded(QStringLiteral("Form1"));
        return form1 && form1->isVisible();
    }
    QString scriptHostText() { return QString::fromStdString(Registry::GetValueText(2, kWshKey, "Enabled")); }
};

TEST_F(MinimiertTest, MinimierenPutsTheIconUpUnloadsTheMainWindowAndStaysInvisible)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    EXPECT_TRUE(tray->iconShown());
    EXPECT_FALSE(tray->isVisible());
    EXPECT_EQ(tray->windowTitle(), "Form2");
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Minimiert"});
}

TEST_F(MinimiertTest, MenuShowsEveryItemInOrder)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QStringList shown;
    for (QAction* action : tray->menu()->actions()) {
        shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (QMenu* sub = action->menu()) {
            for (QAction* inner : sub->actions())
                shown << QStringLiteral("  ") + inner->text();
        }
    }
    EXPECT_EQ(shown, (QStringList{"Nix... :-]", "-", "http://www.zunderwerk.de/", "-", "Info", "Internet trennen",
                                  "Rechner [Sperren]", "Quick Tweaks", "  DLL Cache leeren", "  Script Host aktivieren",
                                  "  Script Host deaktivieren", "Tools", "  DOS Eingabe", "  Systemsteuerung",
                                  "  Internet Optionen", "Programm anzeigen", "-", "&Beenden"}));
}

TEST_F(MinimiertTest, ProgramItemsStartTheirCommandLineWithTheirWindowStyle)
{
    struct Case {
        const char* item;
        const char* commandLine;
        int style;
    };
    const Case cases[] = {
        {"inetoff", "rasdial.exe /disconnect", 2},
        {"lock", "rundll32.exe user32.dll,LockWorkStation", 2},
        {"toolsDOS", "cmd.exe", 1},
        {"toolssys", "control.exe", 1},
        {"toolsInet", "Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl", 2},
    };
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    for (const Case& c : cases) {
        fakes.launcher.started.clear();
        tray->item(QString::fromLatin1(c.item))->trigger();
        ASSERT_EQ(fakes.launcher.started.size(), 1) << c.item;
        EXPECT_EQ(fakes.launcher.started[0].commandLine, QString::fromLatin1(c.commandLine));
        EXPECT_EQ(fakes.launcher.started[0].windowStyle, c.style) << c.item;
    }
    // The menu stays and so does the icon.
    EXPECT_TRUE(tray->iconShown());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(MinimiertTest, ItemsWithoutActionDoNothingAndTheScriptOpensFromTheProgramFolder)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    tray->item("mnNix")->trigger();
    tray->item("mnWebsite")->trigger();
    EXPECT_TRUE(fakes.launcher.started.isEmpty());
    EXPECT_TRUE(fakes.launcher.opened.isEmpty());
    EXPECT_TRUE(fakes.launcher.urls.isEmpty());

    tray->item("dlls")->trigger();
    EXPECT_EQ(fakes.launcher.opened,
              QStringList{QDir::toNativeSeparators(fakes.folders.program + "/Data/RAM/RAMdefrag/above128.vbs")});
}

TEST_F(MinimiertTest, ScriptHostItemsWriteTheTextAndTheMarksFollowTheRegistry)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QAction* on = tray->item("wsh1");
    QAction* off = tray->item("wsh0");

    off->trigger();
    EXPECT_EQ(scriptHostText(), "0");
    EXPECT_TRUE(off->isChecked());
    EXPECT_FALSE(on->isChecked());

    on->trigger();
    EXPECT_EQ(scriptHostText(), "1");
    EXPECT_TRUE(on->isChecked());
    EXPECT_FALSE(off->isChecked());
}

TEST_F(MinimiertTest, MarksPolledByTheTimerForTheFourKindsOfValue)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QAction* on = tray->item("wsh1");
    QAction* off = tray->item("wsh0");
    const auto marks = [&] { return std::pair{on->isChecked(), off->isChecked()}; };

    // Missing at the start: both clear.
    QTest::qWait(60);
    EXPECT_EQ(marks(), (std::pair{false, false}));

    Registry::SetStringValue(2, kWshKey, "Enabled", "0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks() == std::pair{false, true}; }, 2000));

    Registry::SetStringValue(2, kWshKey, "Enabled", "1");
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks() == std::pair{true, false}; }, 2000));

    Registry::SetDwordValue(2, kWshKey, "Enabled", 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks() == std::pair{false, true}; }, 2000));
    Registry::SetDwordValue(2, kWshKey, "Enabled", 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return marks() == std::pair{true, false}; }, 2000));

    // Missing again, and other text: the marks stay as they were.
    Registry::DeleteValue(2, kWshKey, "Enabled");
    QTest::qWait(60);
    EXPECT_EQ(marks(), (std::pair{true, false}));
    Registry::SetStringValue(2, kWshKey, "Enabled", "ja");
    QTest::qWait(60);
    EXPECT_EQ(marks(), (std::pair{true, false}));
}

TEST_F(MinimiertTest, WithoutTheRightToWriteTheMarkDoesNotMove)
{
    Registry::SetStringValue(2, kWshKey, "Enabled", "1");
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    tray->menu()->popup({});  // the marks are polled when the menu opens
    tray->menu()->hide();
    ASSERT_TRUE(tray->item("wsh1")->isChecked());

    // A restricted user: nothing can be written below HKEY_LOCAL_MACHINE (nor read, as reading
    // asks for write access too).
    store_->setWriteDenied(platform::kHkeyLocalMachine, true);
    tray->item("wsh0")->trigger();
    QTest::qWait(60);
    EXPECT_TRUE(tray->item("wsh1")->isChecked());
    EXPECT_FALSE(tray->item("wsh0")->isChecked());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
    store_->setWriteDenied(platform::kHkeyLocalMachine, false);
    EXPECT_EQ(scriptHostText(), "1");
}

TEST_F(MinimiertTest, IconEventsDispatchByTheirNumber)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(Minimiert::mouseMessageFor(QSystemTrayIcon::DoubleClick), 515);
    EXPECT_EQ(Minimiert::mouseMessageFor(QSystemTrayIcon::Context), 517);

    tray->iconCallback(Minimiert::mouseMessageFor(QSystemTrayIcon::Trigger));  // single left click
    tray->iconCallback(0x200);
    runQueued();
    EXPECT_FALSE(tray->menu()->isVisible());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Minimiert"});

    tray->iconCallback(517);
    EXPECT_TRUE(tray->menu()->isVisible());
    tray->menu()->hide();
}

TEST_F(MinimiertTest, LeftOrRightDoubleClickBringsTheMainWindowBackAndRemovesTheIcon)
{
    for (const int message : {515, 518}) {
        Minimiert* tray = minimize();
        ASSERT_NE(tray, nullptr);
        QPointer<Minimiert> guard(tray);
        tray->iconCallback(message);
        runQueued();
        EXPECT_TRUE(guard.isNull()) << message;
        EXPECT_TRUE(mainWindowShown()) << message;
        EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
    }
}

TEST_F(MinimiertTest, ProgrammAnzeigenShowsAFreshMainWindow)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    tray->item("maxi")->trigger();
    runQueued();
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
    EXPECT_TRUE(mainWindowShown());
}

TEST_F(MinimiertTest, BeendenAnsweredNoRemovesTheIconAndEndsTheProgram)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QSignalSpy ended(&navigator, &shell::Navigator::lastWindowUnloaded);
    QPointer<Minimiert> guard(tray);
    fakes.dialogs.answers.push_back(MsgAnswer::No);
    tray->item("mnExit")->trigger();
    runQueued();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    const RecordedMessage& question = fakes.dialogs.messages[0];
    EXPECT_EQ(question.text, "Es wurden eventuell Änderungen an ihrem System vorgenommen, die einen Neustart "
                             "erfordern. Wollen Sie jetzt rebooten?");
    EXPECT_EQ(question.title, "Windows neustarten?");
    EXPECT_EQ(question.icon, MsgIcon::None);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(shutdownDialogOwners.empty());
    EXPECT_TRUE(navigator.loadedNames().isEmpty());
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(MinimiertTest, BeendenAnsweredYesOpensTheShutDownDialogOwnedByTheWindow)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QWidget* owner = nullptr;
    bool iconWhileAsking = true;
    const shell::ScopedShutdownDialog recorder([&](QWidget* w) {
        owner = w;
        iconWhileAsking = tray->iconShown();
        return true;
    });
    fakes.dialogs.answers.push_back(MsgAnswer::Yes);
    tray->item("mnExit")->trigger();
    EXPECT_EQ(owner, tray);
    EXPECT_FALSE(iconWhileAsking);
    runQueued();
    EXPECT_TRUE(navigator.loadedNames().isEmpty());
}

TEST_F(MinimiertTest, InfoFromTheMenuThenOkBringsTheMainWindowAndTheIconGoes)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QPointer<Minimiert> guard(tray);
    tray->item("mnMsgShow")->trigger();
    auto* info = loaded(QStringLiteral("Info"));
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(tray->iconShown());  // the icon stays while the about window is open

    info->findChild<QPushButton*>("Command1")->click();
    runQueued();
    EXPECT_TRUE(mainWindowShown());
    // The main window's housekeeping removes the tray window within half a second.
    EXPECT_TRUE(QTest::qWaitFor([&] { return guard.isNull(); }, 3000));
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
}

TEST_F(MinimiertTest, ASecondMinimierenAfterComingBackAddsANewIcon)
{
    Minimiert* first = minimize();
    ASSERT_NE(first, nullptr);
    QPointer<Minimiert> firstGuard(first);
    first->iconCallback(515);
    runQueued();
    ASSERT_TRUE(firstGuard.isNull());

    Minimiert* second = minimize();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->iconShown());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Minimiert"});
}

TEST_F(MinimiertTest, ClosingTheInvisibleWindowFromOutsideIsRefused)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(tray->close());
    runQueued();
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Minimiert"});
    EXPECT_TRUE(tray->iconShown());
}

class StandInTest : public MinimiertTest {
protected:
    StandInTest() { Minimiert::setNotificationAreaOverride(false); }
    ~StandInTest() override { Minimiert::setNotificationAreaOverride(std::nullopt); }
};

TEST_F(StandInTest, WithoutANotificationAreaAStandInWindowKeepsTheProgramReachable)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    QWidget* standIn = tray->standIn();
    ASSERT_NE(standIn, nullptr);
    EXPECT_TRUE(standIn->isVisible());
    EXPECT_EQ(standIn->windowTitle(), "Zunderwerk");
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(standIn->geometry()));
    EXPECT_TRUE(tray->iconShown());

    auto* menuButton = standIn->findChild<QPushButton*>("cmdMenu");
    ASSERT_NE(menuButton, nullptr);
    menuButton->click();
    EXPECT_TRUE(tray->menu()->isVisible());
    tray->menu()->hide();

    standIn->findChild<QPushButton*>("cmdShow")->click();
    runQueued();
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
}

TEST_F(StandInTest, ClosingTheStandInBringsTheProgramBack)
{
    Minimiert* tray = minimize();
    ASSERT_NE(tray, nullptr);
    ASSERT_NE(tray->standIn(), nullptr);
    tray->standIn()->close();
    runQueued();
    EXPECT_TRUE(mainWindowShown());
    EXPECT_EQ(navigator.loadedNames(), QStringList{"Form1"});
}

}  // namespace
}  // namespace zw::test
