#include "tuning/tuning_toggles.h"

namespace zw {

namespace {

constexpr ToggleState Applied = ToggleState::Applied;
constexpr ToggleState Default = ToggleState::Default;
constexpr std::optional<ToggleState> none;

// Every System Tuning toggle returns to Regedit and shows the decorative picture.
ToggleWindowTexts window(std::string name, std::string caption, std::string title, std::string applyCaption,
                         int width, int height)
{
    return {std::move(name), "Regedit", std::move(caption), std::move(title), std::move(applyCaption), width, height};
}

std::vector<RegistryToggle> build()
{
    const std::string policies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
    const Probe balloon{HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced", "EnableBalloonTips"};
    const Probe viewer{HKCR, "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview", ""};
    const std::string viewerId = "{e84fda7c-1d6a-45f6-b725-cb260c236066}";
    const Probe burning{HKCU, policies, "NoCDBurning"};
    const std::string memory = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    const Probe paging{HKLM, memory, "DisablePagingExecutive"};
    const Probe largeCache{HKLM, memory, "LargeSystemCache"};
    const Probe unloadDll{HKLM, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer", "AlwaysUnloadDll"};
    const Probe shared{HKLM,
                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
                       "DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}",
                       "Standard"};
    const Probe autorun{HKLM, "SYSTEM\\CurrentControlSet\\Services\\Cdrom", "Autorun"};
    const Probe autorun1{HKLM, "SYSTEM\\ControlSet001\\Services\\Cdrom", "Autorun"};
    const Probe autorun2{HKLM, "SYSTEM\\ControlSet002\\Services\\Cdrom", "Autorun"};
    const std::string reporting = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
    const Probe doReport{HKLM, reporting, "DoReport"};
    const Probe showUi{HKLM, reporting, "ShowUI"};
    const Probe searchAsst{HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState", "Use Search Asst"};
    const Probe mft{HKLM, "SYSTEM\\CurrentControlSet\\Control\\FileSystem", "NtfsMftZoneReservation"};
    const Probe powerdown{HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "PowerdownAfterShutdown"};
    const Probe bootOptimize{HKLM, "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction", "Enable"};
    const Probe lowDisk{HKCU, policies, "NoLowDiskSpaceChecks"};
    const Probe scriptHost{HKLM, "SOFTWARE\\Microsoft\\Windows Script Host\\Settings", "Enabled"};

    std::vector<RegistryToggle> all = {
        makeToggle(window("reg_balloontips", "Balloontips", "Balloontips deaktivieren", "Deaktivieren", 6975, 4440),
                   balloon, {setDword(balloon, 0)}, {setDword(balloon, 1)},
                   {numberIs(0, Applied), numberIs(1, Default)}, none,
                   {"Windows meldet sich gern mit kleinen Sprechblasen über der Taskleiste zu Wort, zum "
                    "Beispiel mit der Einladung zur Windows-Tour.",
                    "Wer auf diese Hinweise verzichten kann, schaltet sie hier ab."}),
        makeToggle(window("reg_bildbetrachter", "XP Bildbetrachter", "XP Bildbetrachter ausschalten", "Ausschalten",
                          7095, 4485),
                   viewer, {deleteKey(viewer)}, {setString(viewer, viewerId)}, {textIs(viewerId, Default)}, Applied,
                   {"Der eingebaute Bild- und Faxbetrachter ist instabil und langsam, bietet kaum Funktionen "
                    "und rechnet die Bilder beim Anzeigen um.",
                    "Schalten Sie ihn aus, wenn Sie Ihre Bilder lieber mit einem anderen Programm betrachten."}),
        makeToggle(window("reg_brennfunktion", "Brenn Funktion ausschalten", "XP's Brenn Funktion deaktivieren",
                          "Deaktivieren", 6975, 5070),
                   burning, {setDword(burning, 1)}, {setDword(burning, 0)},
                   {numberIs(1, Applied), numberIs(0, Default)}, none,
                   {"Die eingebaute Brennfunktion nützt erfahrenen Anwendern wenig: Sie kann keine "
                    "Multisession-CDs schreiben und bietet kaum Einstellungen.",
                    "Hier können Sie diese Funktion deaktivieren:"}),
        makeToggle(window("reg_cacheoptimierung", "Cache Optimierung", "Allgemeine Cach Optimierung", "Optimieren",
                          6495, 4470),
                   paging, {setString(paging, "1"), setString(largeCache, "1")},
                   {setString(paging, "0"), setString(largeCache, "0")},
                   {numberIs(1, Applied), numberIs(0, Default)}, none,
                   {"Systeme auf NT-Basis arbeiten schneller, wenn der Dateicache anders eingestellt ist.",
                    "Allerdings sind die Standard Werte nicht Optimal. Ändern Sie dies:"}),
        makeToggle(window("reg_dlls", "DLL Dateien entladen", "DLL Dateien aus dem Speicher entladen", "Entladen",
                          7080, 4260),
                   unloadDll, {setString(unloadDll, "1")}, {setString(unloadDll, "0")},
                   {numberIs(1, Applied), numberIs(0, Default)}, none,
                   {"Wenn ein Programm beendet ist, bleiben seine DLL-Dateien trotzdem im Speicher liegen "
                    "und belegen dort unnötig Platz.",
                    "Lassen Sie Windows die DLL-Dateien sofort wieder entladen."}),
        makeToggle(window("reg_gemeinsamedokumente", "Gemeinsame Dokumente", "\"Gemeinsame Dokumente\" entfernen",
                          "Deaktivieren", 6600, 4395),
                   shared, {deleteKey(shared)}, {setString(shared, "1")}, {numberIs(1, Default)}, Applied,
                   {"Unter \"Arbeitsplatz\" zeigt Windows die Ordner der gemeinsamen Dokumente an, die viele "
                    "nie benutzen.",
                    "Hier entfernen Sie diese Ordner aus dem Arbeitsplatz."}),
        makeToggle(window("reg_keincdromautostart", "CD-ROM Autostart", "Autostart des CD-ROM Laufwerks deaktivieren",
                          "Deaktivieren", 6960, 5055),
                   autorun, {setDword(autorun, 0), setDword(autorun1, 0), setDword(autorun2, 0)},
                   {setDword(autorun, 1), setDword(autorun1, 1), setDword(autorun2, 1)},
                   {numberIs(0, Applied), numberIs(1, Default)}, none,
                   {"Sobald Sie eine CD einlegen, startet Windows deren Installation oder Film oder fragt, "
                    "was geschehen soll.",
                    "Hier können Sie Die Autostart Funktion deaktivieren:"}),
        makeToggle(window("reg_keinFehlerbericht", "KeinFehlerbericht mehr", "Fehlerberichterstattung deaktivieren",
                          "Deaktivieren", 7935, 5070),
                   doReport, {setDword(doReport, 0), setDword(showUi, 0)}, {setDword(doReport, 1), setDword(showUi, 1)},
                   {numberIs(0, Applied), numberIs(1, Default)}, none,
                   {"Nach jedem Absturz fragt Windows, ob es einen Fehlerbericht senden soll. Das nervt, und "
                    "mit dem Bericht verlassen Daten über Ihr System den Rechner.",
                    "Verhindern Sie dies!"}),
        makeToggle(window("reg_klassischesuche", "Klassische Suche", "Klassische Suche aktivieren", "Aktivieren", 7080,
                          4695),
                   searchAsst, {setString(searchAsst, "no")}, {setString(searchAsst, "yes")},
                   {textIs("no", Applied), textIs("yes", Default)}, none,
                   {"Die Suche mit dem animierten Assistenten ist nicht jedermanns Sache.",
                    "Holen Sie sich die schlichte Suche der vorigen Windows-Generation zurück."}),
        makeToggle(window("reg_MFT", "MFT Datei", "MFT Datei bei NTFS vergrößern", "Vergrößern (2x)", 6855, 5850),
                   mft, {setDword(mft, 2)}, {deleteValue(mft)}, {textIs("2", Applied), textIs("", Default)}, none,
                   {"Die Master File Table (MFT) ist das Inhaltsverzeichnis eines NTFS-Laufwerks: Zu jeder "
                    "Datei steht dort ein Eintrag.",
                    "Der Platz, den Windows ihr von Haus aus reserviert, ist begrenzt. Ist er voll, wird die "
                    "MFT zerstückelt und das Laufwerk langsamer.",
                    "Wer NTFS benutzt und sehr viele Dateien hat, sollte die MFT vergrößern."}),
        makeToggle(window("reg_shutdownProblem", "Shutdown Tuning", "Shutdown Problem lösen", "Aktivieren", 7320, 4605),
                   powerdown, {setString(powerdown, "1")}, {setString(powerdown, "0")},
                   {textIs("1", Applied), textIs("0", Default)}, none,
                   {"Manche Rechner bleiben nach dem Herunterfahren eingeschaltet oder starten neu, statt sich "
                    "auszuschalten.",
                    "Diese Einstellung kann dabei helfen."}),
        makeToggle(window("reg_startdateien", "Startdateien", "Startdateien defragmentieren", "Defragmentieren", 6375,
                          4455),
                   bootOptimize, {setString(bootOptimize, "Y")}, {setString(bootOptimize, "N")},
                   {textIs("Y", Applied), textIs("N", Default)}, none,
                   {"Windows startet schneller, wenn die Defragmentierung die Startdateien an den Anfang der "
                    "Festplatte legt."}),
        makeToggle(window("reg_wenigspace", "Wenig Disc Space", "Meldung über wenig Disc Space deaktivieren",
                          "Deaktivieren", 6735, 4680),
                   lowDisk, {setDword(lowDisk, 1)}, {setDword(lowDisk, 0)}, {textIs("1", Applied), textIs("0", Default)},
                   none,
                   {"Wird ein Laufwerk voll, warnt Windows immer wieder mit derselben Meldung.",
                    "Diese Warnungen lassen sich hier abschalten."}),
        makeToggle(window("reg_wsh", "Windows Script Host", "Windows Scripting Host deaktivieren", "Deaktivieren", 7215,
                          4620),
                   scriptHost, {setString(scriptHost, "0")}, {setString(scriptHost, "1")},
                   {textIs("0", Applied), textIs("1", Default)}, none,
                   {"Der Windows Script Host ist ein Sicherheitsloch, das die meisten Anwender nie brauchen.",
                    "Script-Viren verbreiten sich über ihn. Schalten Sie ihn ab!"}),
    };
    for (RegistryToggle& t : all)
        t.decorativePicture = true;
    return all;
}

}  // namespace

const std::vector<RegistryToggle>& tuningToggles()
{
    static const std::vector<RegistryToggle> records = build();
    return records;
}

}  // namespace zw
