#include "tuning/tuning_toggles.h"

namespace zw {

namespace {

constexpr HiveCode HKCR = 0;
constexpr HiveCode HKCU = 1;
constexpr HiveCode HKLM = 2;
constexpr ToggleState Applied = ToggleState::Applied;
constexpr ToggleState Default = ToggleState::Default;

// The fields every System Tuning toggle shares.
RegistryToggle tuning(std::string name, std::string caption, std::string title, std::string applyCaption,
                      int width, int height, std::vector<std::string> labels)
{
    RegistryToggle t;
    t.name = std::move(name);
    t.opener = "Regedit";
    t.caption = std::move(caption);
    t.title = std::move(title);
    t.applyCaption = std::move(applyCaption);
    t.widthTwips = width;
    t.heightTwips = height;
    t.labels = std::move(labels);
    t.decorativePicture = true;
    return t;
}

// Names the value whose text decides the state.
RegistryToggle withProbe(RegistryToggle t, HiveCode hive, std::string key, std::string value)
{
    t.probe = Probe{hive, std::move(key), std::move(value)};
    return t;
}

std::vector<RegistryToggle> build()
{
    std::vector<RegistryToggle> all;

    {
        const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
        auto t = withProbe(tuning("reg_balloontips", "Balloontips", "Balloontips deaktivieren", "Deaktivieren", 6975, 4440,
                                  {"Windows meldet sich gern mit kleinen Sprechblasen über der Taskleiste zu Wort, "
                                   "zum Beispiel mit der Einladung zur Windows-Tour.",
                                   "Wer auf diese Hinweise verzichten kann, schaltet sie hier ab."}),
                           HKCU, key, "EnableBalloonTips");
        t.applyWrites = {setDword(HKCU, key, "EnableBalloonTips", 0)};
        t.restoreWrites = {setDword(HKCU, key, "EnableBalloonTips", 1)};
        t.rule = {numberIs(0, Applied), numberIs(1, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SystemFileAssociations\\image\\ShellEx\\ContextMenuHandlers\\ShellImagePreview";
        const std::string viewer = "{e84fda7c-1d6a-45f6-b725-cb260c236066}";
        auto t = withProbe(tuning("reg_bildbetrachter", "XP Bildbetrachter", "XP Bildbetrachter ausschalten", "Ausschalten",
                                  7095, 4485,
                                  {"Der eingebaute Bild- und Faxbetrachter ist instabil und langsam, bietet kaum "
                                   "Funktionen und rechnet die Bilder beim Anzeigen um.",
                                   "Schalten Sie ihn aus, wenn Sie Ihre Bilder lieber mit einem anderen Programm "
                                   "betrachten."}),
                           HKCR, key, "");
        t.applyWrites = {deleteKey(HKCR, key)};
        t.restoreWrites = {setString(HKCR, key, "", viewer)};
        t.rule = {textIs(viewer, Default)};
        t.otherwise = Applied;
        all.push_back(std::move(t));
    }
    {
        const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
        auto t = withProbe(tuning("reg_brennfunktion", "Brenn Funktion ausschalten", "XP's Brenn Funktion deaktivieren",
                                  "Deaktivieren", 6975, 5070,
                                  {"Die eingebaute Brennfunktion nützt erfahrenen Anwendern wenig: Sie kann keine "
                                   "Multisession-CDs schreiben und bietet kaum Einstellungen.",
                                   "Hier können Sie diese Funktion deaktivieren:"}),
                           HKCU, key, "NoCDBurning");
        t.applyWrites = {setDword(HKCU, key, "NoCDBurning", 1)};
        t.restoreWrites = {setDword(HKCU, key, "NoCDBurning", 0)};
        t.rule = {numberIs(1, Applied), numberIs(0, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
        auto t = withProbe(tuning("reg_cacheoptimierung", "Cache Optimierung", "Allgemeine Cach Optimierung", "Optimieren",
                                  6495, 4470,
                                  {"Systeme auf NT-Basis arbeiten schneller, wenn der Dateicache anders eingestellt ist.",
                                   "Allerdings sind die Standard Werte nicht Optimal. Ändern Sie dies:"}),
                           HKLM, key, "DisablePagingExecutive");
        t.applyWrites = {setString(HKLM, key, "DisablePagingExecutive", "1"), setString(HKLM, key, "LargeSystemCache", "1")};
        t.restoreWrites = {setString(HKLM, key, "DisablePagingExecutive", "0"), setString(HKLM, key, "LargeSystemCache", "0")};
        t.rule = {numberIs(1, Applied), numberIs(0, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer";
        auto t = withProbe(tuning("reg_dlls", "DLL Dateien entladen", "DLL Dateien aus dem Speicher entladen", "Entladen",
                                  7080, 4260,
                                  {"Wenn ein Programm beendet ist, bleiben seine DLL-Dateien trotzdem im Speicher "
                                   "liegen und belegen dort unnötig Platz.",
                                   "Lassen Sie Windows die DLL-Dateien sofort wieder entladen."}),
                           HKLM, key, "AlwaysUnloadDll");
        t.applyWrites = {setString(HKLM, key, "AlwaysUnloadDll", "1")};
        t.restoreWrites = {setString(HKLM, key, "AlwaysUnloadDll", "0")};
        t.rule = {numberIs(1, Applied), numberIs(0, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
                                "DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}";
        auto t = withProbe(tuning("reg_gemeinsamedokumente", "Gemeinsame Dokumente", "\"Gemeinsame Dokumente\" entfernen",
                                  "Deaktivieren", 6600, 4395,
                                  {"Unter \"Arbeitsplatz\" zeigt Windows die Ordner der gemeinsamen Dokumente an, "
                                   "die viele nie benutzen.",
                                   "Hier entfernen Sie diese Ordner aus dem Arbeitsplatz."}),
                           HKLM, key, "Standard");
        t.applyWrites = {deleteKey(HKLM, key)};
        t.restoreWrites = {setString(HKLM, key, "Standard", "1")};
        t.rule = {numberIs(1, Default)};
        t.otherwise = Applied;
        all.push_back(std::move(t));
    }
    {
        const std::string current = "SYSTEM\\CurrentControlSet\\Services\\Cdrom";
        const std::string set1 = "SYSTEM\\ControlSet001\\Services\\Cdrom";
        const std::string set2 = "SYSTEM\\ControlSet002\\Services\\Cdrom";
        auto t = withProbe(tuning("reg_keincdromautostart", "CD-ROM Autostart", "Autostart des CD-ROM Laufwerks deaktivieren",
                                  "Deaktivieren", 6960, 5055,
                                  {"Sobald Sie eine CD einlegen, startet Windows deren Installation oder Film oder "
                                   "fragt, was geschehen soll.",
                                   "Hier können Sie Die Autostart Funktion deaktivieren:"}),
                           HKLM, current, "Autorun");
        t.applyWrites = {setDword(HKLM, current, "Autorun", 0), setDword(HKLM, set1, "Autorun", 0),
                         setDword(HKLM, set2, "Autorun", 0)};
        t.restoreWrites = {setDword(HKLM, current, "Autorun", 1), setDword(HKLM, set1, "Autorun", 1),
                           setDword(HKLM, set2, "Autorun", 1)};
        t.rule = {numberIs(0, Applied), numberIs(1, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting";
        auto t = withProbe(tuning("reg_keinFehlerbericht", "KeinFehlerbericht mehr", "Fehlerberichterstattung deaktivieren",
                                  "Deaktivieren", 7935, 5070,
                                  {"Nach jedem Absturz fragt Windows, ob es einen Fehlerbericht senden soll. Das "
                                   "nervt, und mit dem Bericht verlassen Daten über Ihr System den Rechner.",
                                   "Verhindern Sie dies!"}),
                           HKLM, key, "DoReport");
        t.applyWrites = {setDword(HKLM, key, "DoReport", 0), setDword(HKLM, key, "ShowUI", 0)};
        t.restoreWrites = {setDword(HKLM, key, "DoReport", 1), setDword(HKLM, key, "ShowUI", 1)};
        t.rule = {numberIs(0, Applied), numberIs(1, Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState";
        auto t = withProbe(tuning("reg_klassischesuche", "Klassische Suche", "Klassische Suche aktivieren", "Aktivieren",
                                  7080, 4695,
                                  {"Die Suche mit dem animierten Assistenten ist nicht jedermanns Sache.",
                                   "Holen Sie sich die schlichte Suche der vorigen Windows-Generation zurück."}),
                           HKCU, key, "Use Search Asst");
        t.applyWrites = {setString(HKCU, key, "Use Search Asst", "no")};
        t.restoreWrites = {setString(HKCU, key, "Use Search Asst", "yes")};
        t.rule = {textIs("no", Applied), textIs("yes", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SYSTEM\\CurrentControlSet\\Control\\FileSystem";
        auto t = withProbe(tuning("reg_MFT", "MFT Datei", "MFT Datei bei NTFS vergrößern", "Vergrößern (2x)", 6855, 5850,
                                  {"Die Master File Table (MFT) ist das Inhaltsverzeichnis eines NTFS-Laufwerks: "
                                   "Zu jeder Datei steht dort ein Eintrag.",
                                   "Der Platz, den Windows ihr von Haus aus reserviert, ist begrenzt. Ist er voll, "
                                   "wird die MFT zerstückelt und das Laufwerk langsamer.",
                                   "Wer NTFS benutzt und sehr viele Dateien hat, sollte die MFT vergrößern."}),
                           HKLM, key, "NtfsMftZoneReservation");
        t.applyWrites = {setDword(HKLM, key, "NtfsMftZoneReservation", 2)};
        t.restoreWrites = {deleteValue(HKLM, key, "NtfsMftZoneReservation")};
        t.rule = {textIs("2", Applied), textIs("", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
        auto t = withProbe(tuning("reg_shutdownProblem", "Shutdown Tuning", "Shutdown Problem lösen", "Aktivieren", 7320,
                                  4605,
                                  {"Manche Rechner bleiben nach dem Herunterfahren eingeschaltet oder starten neu, "
                                   "statt sich auszuschalten.",
                                   "Diese Einstellung kann dabei helfen."}),
                           HKLM, key, "PowerdownAfterShutdown");
        t.applyWrites = {setString(HKLM, key, "PowerdownAfterShutdown", "1")};
        t.restoreWrites = {setString(HKLM, key, "PowerdownAfterShutdown", "0")};
        t.rule = {textIs("1", Applied), textIs("0", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Dfrg\\BootOptimizeFunction";
        auto t = withProbe(tuning("reg_startdateien", "Startdateien", "Startdateien defragmentieren", "Defragmentieren",
                                  6375, 4455,
                                  {"Windows startet schneller, wenn die Defragmentierung die Startdateien an den "
                                   "Anfang der Festplatte legt."}),
                           HKLM, key, "Enable");
        t.applyWrites = {setString(HKLM, key, "Enable", "Y")};
        t.restoreWrites = {setString(HKLM, key, "Enable", "N")};
        t.rule = {textIs("Y", Applied), textIs("N", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
        auto t = withProbe(tuning("reg_wenigspace", "Wenig Disc Space", "Meldung über wenig Disc Space deaktivieren",
                                  "Deaktivieren", 6735, 4680,
                                  {"Wird ein Laufwerk voll, warnt Windows immer wieder mit derselben Meldung.",
                                   "Diese Warnungen lassen sich hier abschalten."}),
                           HKCU, key, "NoLowDiskSpaceChecks");
        t.applyWrites = {setDword(HKCU, key, "NoLowDiskSpaceChecks", 1)};
        t.restoreWrites = {setDword(HKCU, key, "NoLowDiskSpaceChecks", 0)};
        t.rule = {textIs("1", Applied), textIs("0", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows Script Host\\Settings";
        auto t = withProbe(tuning("reg_wsh", "Windows Script Host", "Windows Scripting Host deaktivieren", "Deaktivieren",
                                  7215, 4620,
                                  {"Der Windows Script Host ist ein Sicherheitsloch, das die meisten Anwender nie "
                                   "brauchen.",
                                   "Script-Viren verbreiten sich über ihn. Schalten Sie ihn ab!"}),
                           HKLM, key, "Enabled");
        t.applyWrites = {setString(HKLM, key, "Enabled", "0")};
        t.restoreWrites = {setString(HKLM, key, "Enabled", "1")};
        t.rule = {textIs("0", Applied), textIs("1", Default)};
        all.push_back(std::move(t));
    }
    return all;
}

}  // namespace

const std::vector<RegistryToggle>& tuningToggles()
{
    static const std::vector<RegistryToggle> records = build();
    return records;
}

}  // namespace zw
