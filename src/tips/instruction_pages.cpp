#include "tips/instruction_pages.h"

#include <utility>

namespace zw {

namespace {

using Kind = PageBlock::Kind;

constexpr std::uint32_t kLightYellow = 0xFFFFC0;  // &H00C0FFFF&

PageBlock block(Kind kind, const char* name, std::string text, int height)
{
    PageBlock b;
    b.kind = kind;
    b.name = name;
    b.text = std::move(text);
    b.heightTwips = height;
    return b;
}

PageBlock prose(const char* name, const char* text, int height)
{
    return block(Kind::Prose, name, text, height);
}

PageBlock command(const char* name, const char* text, std::uint32_t background, int height = 285, bool multiLine = false)
{
    PageBlock b = block(Kind::Command, name, text, height);
    b.background = background;
    b.multiLine = multiLine;
    return b;
}

PageBlock link(const char* name, const char* text, const char* commandLine, int windowStyle)
{
    PageBlock b = block(Kind::Link, name, text, 255);
    b.commandLine = commandLine;
    b.windowStyle = windowStyle;
    return b;
}

std::vector<InstructionPage> build()
{
    std::vector<InstructionPage> pages;

    pages.push_back({"tricks_systemprogramme", "Versteckte Systemprogramme", " Versteckte Systemprogramme deinstallieren",
                     "Command1", 8400, 6600,
                     {prose("Label1",
                            "Um Platz auf der Festplatte zu gewinnen, können Sie Zubehör von Windows entfernen. Die Liste "
                            "unter \"Software\" / \"Windows Komponenten hinzufügen/entfernen\" ist allerdings "
                            "unvollständig: einige Komponenten hält Windows versteckt.",
                            960),
                      prose("Label2",
                            "Öffnen Sie die Datei \"sysoc.inf\" im Ordner \"C:\\Windows\\inf\" mit einem Editor und "
                            "ersetzen Sie jedes \"hide\" durch nichts (Bearbeiten / Ersetzen).",
                            720),
                      prose("Label3",
                            "Nach dem Speichern werden die bisher versteckten Komponenten in der Systemsteuerung "
                            "aufgeführt und lassen sich dort deinstallieren.",
                            720)},
                     false});

    pages.push_back({"tricks_verbindungtrennen", "Internetverbindung schnell trennen",
                     "Internetverbindung mit einem Klick trennen", "Command1", 8400, 6600,
                     {prose("Label1",
                            "Legen Sie eine Verknüpfung zur Datei \"rasdial.exe\" im Ordner \"C:\\WINDOWS\\SYSTEM32\" an "
                            "und erweitern Sie in ihren Eigenschaften das Ziel um \"/disconnect\":",
                            720),
                      command("Text1", "C:\\WINDOWS\\system32\\rasdial.exe /disconnect", kLightYellow),
                      prose("Label2",
                            "Verschieben Sie die Verknüpfung auf den Desktop. Wer mag, gibt ihr noch ein passendes Symbol "
                            "und eine Tastenkombination - ein Doppelklick trennt dann die Verbindung zum Internet.",
                            960)},
                     false});

    pages.push_back({"tricks_sendto", "Send To", "Mit \"Send To\" schneller arbeiten", "Command1", 8400, 6600,
                     {prose("Label1",
                            "Legen Sie eine Verknüpfung zu einem Ordner, den Sie oft brauchen (oder zu Ihrem Editor), in "
                            "den Ordner \"C:\\Dokumente und Einstellungen\\USERNAME\\SendTo\".",
                            720),
                      prose("Label2",
                            "Sie erscheint danach im Menü \"Senden an\", das ein Rechtsklick auf jede Datei öffnet - so "
                            "ist jede Datei mit zwei Klicks dort, wo sie hin soll.",
                            720)},
                     false});

    pages.push_back({"tricks_ruhezustand", "Ruhezustand", "Aktivieren des Ruhezustands", "Command1", 8400, 6600,
                     {prose("Label1",
                            "Im Ruhezustand bleiben alle Programme geladen, während der Computer ausgeschaltet ist; beim "
                            "nächsten Einschalten geht es genau dort weiter. Dafür braucht Windows etwa 500 MB Platz "
                            "auf der Festplatte.",
                            960),
                      prose("Label2", "Öffnen Sie die", 255),
                      link("Label8", "Energieoptionen.", "Rundll32.exe shell32.dll, Control_RunDLL powercfg.cpl", 2),
                      prose("Label3",
                            "Setzen Sie auf der Seite \"Ruhezustand\" das Häkchen bei \"aktivieren\". Halten Sie im "
                            "Dialog zum Herunterfahren die Umschalttaste gedrückt, wird aus \"Standby\" der Ruhezustand.",
                            960)},
                     false});

    {
        const PageBlock red = block(
            Kind::Red, "Label4",
            "multi(0)disk(0)rdisk(0)partition(2)\\WINXP=\"Microsoft Windows XP Professional\" /fastdetect", 255);
        pages.push_back({"tricks_keinbootscreen", "No Gui Boot", "Boot ohne Bootscreen", "Command3", 8400, 7200,
                         {prose("Label1",
                                "Das Logo beim Start von Windows ist nur Werbung und bremst den Start zusätzlich.",
                                480),
                          prose("Label2",
                                "Lassen Sie sich im Explorer die geschützten Systemdateien und alle Dateien anzeigen und "
                                "schalten Sie die Anzeige der Dateiendungen ein:",
                                720),
                          link("Label5", "Explorer", "explorer.exe", 1),
                          prose("Label3",
                                "Öffnen Sie die Datei \"C:\\boot.ini\" und suchen Sie unter \"[operating systems]\" "
                                "die rot gezeigte Zeile:",
                                720),
                          red,
                          prose("Label6",
                                "Hängen Sie hinter \"/fastdetect\" den Text \" /noguiboot\" an (mit dem Leerzeichen "
                                "davor) und speichern Sie die Datei.",
                                720)},
                     false});
    }

    pages.push_back({"tricks_keineSucheNachFreigaben", "Keine Suche nach Freigaben",
                     "Schneller booten ohne Suche nach Freigaben", "Command1", 8400, 6600,
                     {prose("Label1",
                            "Bei jedem Start sucht Windows im Netzwerk nach freigegebenen Ordnern und Druckern - das "
                            "kostet Zeit.",
                            720),
                      prose("Label2",
                            "Öffnen Sie den \"Arbeitsplatz\", dann \"Extras / Ordneroptionen / Ansicht\", und entfernen "
                            "Sie das Häkchen bei \"Automatisch nach Netzwerkordnern und Druckern suchen\".",
                            960)},
                     false});

    pages.push_back({"tricks_AdminPasswort", "Admin Passwort", "Sicherheitslücke: Administrator Passwort", "Command3",
                     8400, 7200,
                     {prose("Label1",
                            "Die Home Edition legt ein Administrator-Konto an, ohne nach einem Passwort zu fragen. Jeder "
                            "kann sich damit über den abgesicherten Modus (F8 beim Start) anmelden.",
                            960),
                      prose("Label2", "Starten Sie die", 255),
                      link("Label6", "DOS Eingabeaufforderung", "cmd.exe", 1),
                      prose("Label3",
                            "und tippen Sie die folgende Zeile ein, wobei Sie \"Passwort\" durch das gewünschte Passwort "
                            "ersetzen. Drücken Sie dann die Eingabetaste:",
                            720),
                      command("Text1", "net user administrator Passwort", 0xFFFFFF)},
                     false});

    pages.push_back({"tricks_rechnersperren", "Rechner Sperren", "Rechner mit Doppelklick sperren", "Command1", 8400, 6600,
                     {prose("Label1",
                            "Klicken Sie mit der rechten Maustaste auf den Desktop und wählen Sie \"neu / Verknüpfung\". "
                            "Als Speicherort geben Sie ein:",
                            720),
                      command("Text1", "rundll32.exe user32.dll,LockWorkStation", kLightYellow),
                      prose("Label2",
                            "Geben Sie der Verknüpfung einen Namen und, wenn Sie mögen, ein anderes Symbol. Ein "
                            "Doppelklick darauf sperrt den Rechner.",
                            720)},
                     false});

    pages.push_back({"tricks_indexdat", "Index.dat", "Sicherheitsloch \"Index.dat\"", "Command", 8400, 7200,
                     {prose("Label1",
                            "Im Cache-Ordner des Browsers liegt auch die Datei \"Index.dat\", die jede besuchte Seite "
                            "auflistet. Die temporären Dateien zu löschen reicht deshalb nicht.",
                            960),
                      prose("Label2",
                            "Schreiben Sie die beiden Zeilen unten in eine neue Textdatei, ersetzen Sie \"USER\" durch "
                            "Ihren Benutzernamen, speichern Sie sie als \"index.cmd\" und verschieben Sie sie in den "
                            "Autostart-Ordner.",
                            960),
                      command("Text1",
                              "RD /S /Q \"C:\\Dokumente und Einstellungen\\USER\\Lokale Einstellungen\\Temporary Internet "
                              "Files\"\r\nRD /S /Q \"C:\\Dokumente und Einstellungen\\USER\\Lokale "
                              "Einstellungen\\Verlauf\"\r\n",
                              0xFFFFFF, 960, true)},
                     false});

    pages.push_back({"tricks_indexserver", "Index Server", "Index-Server deaktivieren", "Command", 8400, 6600,
                     {prose("Label1",
                            "Der Indexdienst kostet beim Indizieren mehr Zeit, als er bei der Suche wieder einspart.",
                            480),
                      prose("Label2",
                            "Öffnen Sie die Eigenschaften des Laufwerks und entfernen Sie das Häkchen bei \"Laufwerk für "
                            "schnelle Dateisuche indizieren\". Das Übernehmen dauert einen Moment.",
                            960)},
                     false});

    pages.push_back({"tricks_keinautostart", "Boot ohne Autostart", "Boot ohne die Autostart Gruppe", "Command3", 8400,
                     6600,
                     {prose("Label1",
                            "Halten Sie beim Start von Windows die Umschalttaste gedrückt, werden die Programme der "
                            "Autostart-Gruppe nicht gestartet.",
                            720),
                      prose("Label2",
                            "Fragt Windows nach einem Passwort: geben Sie es ein, halten Sie die Umschalttaste gedrückt "
                            "und klicken Sie auf OK.",
                            720)},
                     false});

    InstructionPage messenger{"tricks_messenger", "", "Microsoft Messenger deinstallieren", "Command3", 8400, 6600,
                              {prose("Label1",
                                     "Der Messenger verlangt ständig nach einer Passport-Anmeldung und meldet sich mit "
                                     "Pop-ups.",
                                     720),
                               prose("Label2", "Bleiben Sie jetzt ganz ruhig! Hier wird Ihnen geholfen :-)", 480)},
                              true};
    pages.push_back(std::move(messenger));
    return pages;
}

}  // namespace

const std::vector<InstructionPage>& instructionPages()
{
    static const std::vector<InstructionPage> pages = build();
    return pages;
}

std::string messengerUninstallCommand(std::string_view windowsFolder)
{
    return "RunDll32 advpack.dll,LaunchINFSection " + std::string(windowsFolder) + "INF\\msmsgs.inf,BLC.Remove";
}

}  // namespace zw
