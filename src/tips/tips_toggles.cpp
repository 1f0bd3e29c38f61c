#include "tips/tips_toggles.h"

namespace zw {

namespace {

constexpr ToggleState Applied = ToggleState::Applied;
constexpr ToggleState Default = ToggleState::Default;
constexpr std::optional<ToggleState> none;

// Every Tips und Tricks toggle returns to Tricks.
ToggleWindowTexts window(std::string name, std::string caption, std::string title, std::string applyCaption,
                         int width, int height)
{
    return {std::move(name), "Tricks", std::move(caption), std::move(title), std::move(applyCaption), width, height};
}

std::vector<RegistryToggle> build()
{
    const std::string update = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update";
    const Probe auOptions{HKLM, update, "AUOptions"};
    const Probe auState{HKLM, update, "AUState"};
    const Probe disableSr{HKLM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore", "DisableSR"};
    const Probe firstRun{HKLM, "SYSTEM\\CurrentControlSet\\Services\\sr\\Parameters", "FirstRun"};
    const Probe getHelp{HKLM, "SYSTEM\\CurrentControlSet\\Control\\Terminal Server", "fAllowToGetHelp"};
    const Probe resize{HKCU, "Software\\Microsoft\\Internet Explorer\\Main", "Enable AutoImageResize"};
    const Probe alexa{HKLM, "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}",
                      "Icon"};
    const Probe noDrives{HKCU, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", "NoDrives"};

    std::vector<RegistryToggle> all = {
        makeToggle(window("tricks_AutoUpdate", "Automatische Updates", "Automatische Updates deaktivieren",
                          "Deaktivieren", 7920, 4875),
                   auOptions, {setDword(auOptions, 1), setDword(auState, 7)},
                   {setDword(auOptions, 3), setDword(auState, 2)}, {textIs("1", Applied), textIs("3", Default)}, none,
                   {"Mit den automatischen Updates hat der Hersteller freien Zugang zu Ihrem System, und "
                    "niemand sieht, welche Daten dabei hinein- und hinausgehen.",
                    "Behalten Sie lieber selbst die Kontrolle. SIE SIND DER ADMIN!"}),
        makeToggle(window("tricks_SystemWiederherstellung", "Systemwiederherstellung",
                          "Systemwiederherstellung eventuell deaktivieren", "Deaktivieren", 8055, 4650),
                   disableSr, {setDword(disableSr, 1), setDword(firstRun, 1)},
                   {setDword(disableSr, 0), setDword(firstRun, 0)}, {textIs("1", Applied), textIs("0", Default)}, none,
                   {"Die Systemwiederherstellung ist nützlich und sollte nicht leichtfertig abgeschaltet werden.",
                    "Sie belegt aber viel Platz auf der Festplatte, oft mehr als ein Gigabyte. Wenn Sie den "
                    "Platz brauchen, schalten Sie sie hier ab."}),
        makeToggle(window("tricks_RemoteUnterstützung", "Remoteunterstützung", "Remoteunterstüzung deaktivieren",
                          "Deaktivieren", 7935, 4635),
                   getHelp, {setDword(getHelp, 0)}, {setDword(getHelp, 1)}, {textIs("0", Applied), textIs("1", Default)},
                   none,
                   {"Über die Remoteunterstützung kann ein Fremder Ihren Rechner steuern. Gedacht ist das für "
                    "Reparaturen durch Fachleute.",
                    "Doch jeder Dienst, der am Internet hängt, ist ein mögliches Sicherheitsloch."}),
        makeToggle(window("tricks_AutoImageResize", "IE: Bilder nicht automatisch verkleinern",
                          "IE: Bilder nicht automatisch verkleinern", "Deaktivieren", 7920, 5025),
                   resize, {setString(resize, "no")}, {setString(resize, "yes")},
                   {textIs("no", Applied), textIs("yes", Default)}, none,
                   {"Der Internet Explorer verkleinert große Bilder, bis sie ins Fenster passen, und verzerrt "
                    "sie dabei manchmal bis zur Unkenntlichkeit.",
                    "Hier können Sie diese Funktion abschalten."}),
        // Apply only: no restore writes, so the window has no Restore button.
        makeToggle(window("tricks_alexa", "Alexa", "Alexa ausschalten", "Alexa ausschalten !", 8295, 6960), alexa,
                   {deleteKey(alexa)}, {}, {textIs(",4", Default)}, Applied,
                   {"Neuere Versionen des Internet Explorers enthalten eine Funktion namens Alexa, die "
                    "Benutzerprofile überträgt. Gesammelt werden:",
                    "1. das Betriebssystem", "2. der Browser", "3. die vollständigen Adressen der besuchten Seiten",
                    "4. die Uhrzeit", "5. die IP-Adresse", "6. ein Cookie mit einer eindeutigen Nummer",
                    "Hier können Sie diese Funktion ausschalten."}),
        // No probe: nothing polls and both buttons stay enabled.
        makeToggle(window("tricks_laufwerkeverstecken", "Laufwerke verstecken", "Alle Laufwerke verstecken",
                          "Verstecken", 8055, 5550),
                   std::nullopt, {setDword(noDrives, 0x3FFFFFFF)}, {deleteValue(noDrives)}, {}, none,
                   {"Warum man alle Laufwerke verstecken sollte? Einen Grund dafür finden Sie bestimmt selbst."}),
    };
    RegistryToggle& drives = all.back();
    drives.restoreCaption = "Anzeigen";
    drives.buttonFrame = " Laufwerke:";
    drives.notice = "Sie müssen Windows neu starten, damit diese Option aktiv wird!";
    return all;
}

}  // namespace

const std::vector<RegistryToggle>& tipsToggles()
{
    static const std::vector<RegistryToggle> records = build();
    return records;
}

}  // namespace zw
