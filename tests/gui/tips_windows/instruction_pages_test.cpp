// The instruction pages: every page opens from the catalogue with its title and returns there;
// the link labels start their command lines with their window styles; the command boxes hold
// their lines exactly; tricks_messenger builds its command line from the Windows folder and
// reports in every case.
#include "tip_window_fixture.h"

#include "shell/link_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace zw::test {
namespace {

using InstructionPage = TipWindowTest;

TEST_F(InstructionPage, EveryPageShowsItsTitleAndReturnsToTheCatalogue)
{
    const struct {
        const char* name;
        const char* title;
        const char* close;
    } pages[] = {
        {"tricks_systemprogramme", " Versteckte Systemprogramme deinstallieren", "Command1"},
        {"tricks_verbindungtrennen", "Internetverbindung mit einem Klick trennen", "Command1"},
        {"tricks_sendto", "Mit \"Send To\" schneller arbeiten", "Command1"},
        {"tricks_ruhezustand", "Aktivieren des Ruhezustands", "Command1"},
        {"tricks_keinbootscreen", "Boot ohne Bootscreen", "Command3"},
        {"tricks_keineSucheNachFreigaben", "Schneller booten ohne Suche nach Freigaben", "Command1"},
        {"tricks_AdminPasswort", "Sicherheitslücke: Administrator Passwort", "Command3"},
        {"tricks_rechnersperren", "Rechner mit Doppelklick sperren", "Command1"},
        {"tricks_indexdat", "Sicherheitsloch \"Index.dat\"", "Command"},
        {"tricks_indexserver", "Index-Server deaktivieren", "Command"},
        {"tricks_keinautostart", "Boot ohne die Autostart Gruppe", "Command3"},
        {"tricks_messenger", "Microsoft Messenger deinstallieren", "Command3"},
    };
    for (const auto& p : pages) {
        SCOPED_TRACE(p.name);
        open(QString::fromUtf8(p.name));
        ASSERT_TRUE(window);
        EXPECT_EQ(window->captionLabel()->text(), QString::fromUtf8(p.title));
        EXPECT_EQ(child(QString::fromUtf8(p.close))->text(), "Schließen");
        EXPECT_FALSE(onTop());
        closeReturnsToTricks(QString::fromUtf8(p.close));
    }
    EXPECT_TRUE(fakes.launcher.started.isEmpty());
    EXPECT_TRUE(fakes.dialogs.messages.isEmpty());
}

TEST_F(InstructionPage, LinksStartTheirProgramsWithTheirWindowStyles)
{
    const struct {
        const char* page;
        const char* label;
        const char* text;
        const char* commandLine;
        int style;
    } links[] = {
        {"tricks_AdminPasswort", "Label6", "DOS Eingabeaufforderung", "cmd.exe", 1},
        {"tricks_keinbootscreen", "Label5", "Explorer", "explorer.exe", 1},
        {"tricks_ruhezustand", "Label8", "Energieoptionen.", "Rundll32.exe shell32.dll, Control_RunDLL powercfg.cpl", 2},
    };
    for (const auto& l : links) {
        SCOPED_TRACE(l.page);
        fakes.launcher.started.clear();
        open(QString::fromUtf8(l.page));
        auto* label = child<shell::LinkLabel>(QString::fromUtf8(l.label));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), QString::fromUtf8(l.text));
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(label, Qt::LeftButton);
        ASSERT_EQ(fakes.launcher.started.size(), 1);
        EXPECT_EQ(fakes.launcher.started[0].commandLine, QString::fromUtf8(l.commandLine));
        EXPECT_EQ(fakes.launcher.started[0].windowStyle, l.style);
        EXPECT_TRUE(window->isVisible()) << "the page stays open";
        window->closeWindow();
        flushDeletes();
    }
}

TEST_F(InstructionPage, CommandBoxesHoldTheirLinesExactlyAndCannotBeEdited)
{
    const struct {
        const char* page;
        const char* text;
    } lines[] = {
        {"tricks_verbindungtrennen", "C:\\WINDOWS\\system32\\rasdial.exe /disconnect"},
        {"tricks_AdminPasswort", "net user administrator Passwort"},
        {"tricks_rechnersperren", "rundll32.exe user32.dll,LockWorkStation"},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.page);
        open(QString::fromUtf8(l.page));
        auto* box = child<QLineEdit>(QStringLiteral("Text1"));
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text(), QString::fromUtf8(l.text));
        EXPECT_TRUE(box->isReadOnly());
        window->closeWindow();
        flushDeletes();
    }
    open(QStringLiteral("tricks_indexdat"));
    auto* box = child<QPlainTextEdit>(QStringLiteral("Text1"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->toPlainText(),
              "RD /S /Q \"C:\\Dokumente und Einstellungen\\USER\\Lokale Einstellungen\\Temporary Internet Files\"\n"
              "RD /S /Q \"C:\\Dokumente und Einstellungen\\USER\\Lokale Einstellungen\\Verlauf\"\n");
}

TEST_F(InstructionPage, MessengerUninstallBuildsItsLineFromTheWindowsFolderAndAlwaysReports)
{
    fakes.folders.windows = QStringLiteral("D:\\WIN");
#ifdef _WIN32
    const QString folder = QStringLiteral("D:\\WIN\\");
#else
    const QString folder = QStringLiteral("D:\\WIN/");
#endif
    open(QStringLiteral("tricks_messenger"));
    ASSERT_TRUE(window);
    setOnTop();
    auto* uninstall = child(QStringLiteral("Command1"));
    EXPECT_EQ(uninstall->text(), "Deinstallieren");
    uninstall->click();
    ASSERT_EQ(fakes.launcher.started.size(), 1);
    EXPECT_EQ(fakes.launcher.started[0].commandLine,
              "RunDll32 advpack.dll,LaunchINFSection " + folder + "INF\\msmsgs.inf,BLC.Remove");
    EXPECT_EQ(fakes.launcher.started[0].windowStyle, 1);
    ASSERT_EQ(fakes.dialogs.messages.size(), 1);
    EXPECT_EQ(fakes.dialogs.messages[0].text, "Die Operation wurde durchgeführt!");
    EXPECT_EQ(fakes.dialogs.messages[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(fakes.dialogs.messages[0].title, "Zunderwerk");
    EXPECT_TRUE(onTop()) << "On Top is not touched";
}

}  // namespace
}  // namespace zw::test
