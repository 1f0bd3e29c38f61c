// The ZIP folder switch and the page-file advice start system programs minimised; the advice
// page returns to the Tips und Tricks catalogue.
#include "window_fixture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace zw::test {
namespace {

using SystemProgramWindow = TuningWindow;

TEST_F(SystemProgramWindow, ZipButtonsClearOnTopAndRunTheRegistrationTool)
{
    window = open("reg_zipfunktion");
    for (const char* button : {"Command1", "Command1", "Command2"}) {
        setOnTop();
        child(button)->click();
        EXPECT_FALSE(child<QCheckBox>("Check1")->isChecked());
    }
    ASSERT_EQ(fakes.launcher.started.size(), 3);
    EXPECT_EQ(fakes.launcher.started[0].commandLine, "regsvr32 /u zipfldr.dll");
    EXPECT_EQ(fakes.launcher.started[1].commandLine, "regsvr32 /u zipfldr.dll");
    EXPECT_EQ(fakes.launcher.started[2].commandLine, "regsvr32 zipfldr.dll");
    for (const StartedProgram& s : fakes.launcher.started)
        EXPECT_EQ(s.windowStyle, 2);
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty()) << "the registration tool reports for itself";
    EXPECT_EQ(enabledPattern({"Command1", "Command2"}), "11");
}

TEST_F(SystemProgramWindow, PageFileAdviceShowsTheTableAndItsLinkKeepsOnTop)
{
    window = open("reg_auslagerungsdatei2", QStringLiteral("Tricks"));
    ASSERT_TRUE(window);
    const struct {
        const char* name;
        const char* text;
    } labels[] = {
        {"Label13", "Standard User (Texte schreiber):"},   {"Label6", " Anfangsgröße (MB):             300"},
        {"Label7", " Maximale Größe (MB):          300"},  {"Label14", "Spieler ( CS Gamer :-] ):"},
        {"Label8", " Anfangsgröße (MB):             800"}, {"Label9", " Maximale Größe (MB):          800"},
        {"Label15", "Power User:"},                        {"Label10", " Anfangsgröße (MB):           1100"},
        {"Label11", " Maximale Größe (MB):        1100"},
    };
    for (const auto& l : labels)
        EXPECT_EQ(child<QLabel>(l.name)->text().toStdString(), l.text);
    EXPECT_TRUE(child<QLabel>("Label13")->styleSheet().contains("#0000ff"));
    EXPECT_TRUE(child<QLabel>("Label6")->styleSheet().contains("#ffff80"));

    setOnTop();
    QTest::mouseClick(child<QLabel>("Label3"), Qt::LeftButton);
    ASSERT_EQ(fakes.launcher.started.size(), 1);
    EXPECT_EQ(fakes.launcher.started[0].commandLine, "Rundll32.exe shell32.dll, Control_RunDLL sysdm.cpl");
    EXPECT_EQ(fakes.launcher.started[0].windowStyle, 2);
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(window->isTopmost());

    EXPECT_EQ(child("Command1")->text(), "Fertig");
    child("Command1")->click();
    flushDeletes();
    EXPECT_FALSE(window);
    ASSERT_TRUE(navigator.loaded("Tricks"));
    EXPECT_TRUE(navigator.loaded("Tricks")->isVisible());
    EXPECT_FALSE(navigator.loaded("Regedit"));
}

}  // namespace
}  // namespace zw::test
