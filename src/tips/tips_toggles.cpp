#include "tips/tips_toggles.h"

namespace zw {

namespace {

constexpr HiveCode HKCU = 1;
constexpr HiveCode HKLM = 2;
constexpr ToggleState Applied = ToggleState::Applied;
constexpr ToggleState Default = ToggleState::Default;

// The fields every Tips und Tricks toggle shares.
RegistryToggle tip(std::string name, std::string caption, std::string title, std::string applyCaption, int width,
                   int height, std::vector<std::string> labels)
{
    RegistryToggle t;
    t.name = std::move(name);
    t.opener = "Tricks";
    t.caption = std::move(caption);
    t.title = std::move(title);
    t.applyCaption = std::move(applyCaption);
    t.widthTwips = width;
    t.heightTwips = height;
    t.labels = std::move(labels);
    return t;
}

std::vector<RegistryToggle> build()
{
    std::vector<RegistryToggle> all;

    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\WindowsUpdate\\Auto Update";
        auto t = tip("tricks_AutoUpdate", "Automatische Updates", "Automatische Updates deaktivieren", "Deaktivieren",
                     7920, 4875,
                     {"Mit den automatischen Updates hat der Hersteller freien Zugang zu Ihrem System, und "
                      "niemand sieht, welche Daten dabei hinein- und hinausgehen.",
                      "Behalten Sie lieber selbst die Kontrolle. SIE SIND DER ADMIN!"});
        t.probe = Probe{HKLM, key, "AUOptions"};
        t.applyWrites = {setDword(HKLM, key, "AUOptions", 1), setDword(HKLM, key, "AUState", 7)};
        t.restoreWrites = {setDword(HKLM, key, "AUOptions", 3), setDword(HKLM, key, "AUState", 2)};
        t.rule = {textIs("1", Applied), textIs("3", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore";
        const std::string sr = "SYSTEM\\CurrentControlSet\\Services\\sr\\Parameters";
        auto t = tip("tricks_SystemWiederherstellung", "Systemwiederherstellung",
                     "Systemwiederherstellung eventuell deaktivieren", "Deaktivieren", 8055, 4650,
                     {"Die Systemwiederherstellung ist nützlich und sollte nicht leichtfertig abgeschaltet "
                      "werden.",
                      "Sie belegt aber viel Platz auf der Festplatte, oft mehr als ein Gigabyte. Wenn Sie den "
                      "Platz brauchen, schalten Sie sie hier ab."});
        t.probe = Probe{HKLM, key, "DisableSR"};
        t.applyWrites = {setDword(HKLM, key, "DisableSR", 1), setDword(HKLM, sr, "FirstRun", 1)};
        t.restoreWrites = {setDword(HKLM, key, "DisableSR", 0), setDword(HKLM, sr, "FirstRun", 0)};
        t.rule = {textIs("1", Applied), textIs("0", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "SYSTEM\\CurrentControlSet\\Control\\Terminal Server";
        auto t = tip("tricks_RemoteUnterstützung", "Remoteunterstützung", "Remoteunterstüzung deaktivieren",
                     "Deaktivieren", 7935, 4635,
                     {"Über die Remoteunterstützung kann ein Fremder Ihren Rechner steuern. Gedacht ist das "
                      "für Reparaturen durch Fachleute.",
                      "Doch jeder Dienst, der am Internet hängt, ist ein mögliches Sicherheitsloch."});
        t.probe = Probe{HKLM, key, "fAllowToGetHelp"};
        t.applyWrites = {setDword(HKLM, key, "fAllowToGetHelp", 0)};
        t.restoreWrites = {setDword(HKLM, key, "fAllowToGetHelp", 1)};
        t.rule = {textIs("0", Applied), textIs("1", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key = "Software\\Microsoft\\Internet Explorer\\Main";
        auto t = tip("tricks_AutoImageResize", "IE: Bilder nicht automatisch verkleinern",
                     "IE: Bilder nicht automatisch verkleinern", "Deaktivieren", 7920, 5025,
                     {"Der Internet Explorer verkleinert große Bilder, bis sie ins Fenster passen, und "
                      "verzerrt sie dabei manchmal bis zur Unkenntlichkeit.",
                      "Hier können Sie diese Funktion abschalten."});
        t.probe = Probe{HKCU, key, "Enable AutoImageResize"};
        t.applyWrites = {setString(HKCU, key, "Enable AutoImageResize", "no")};
        t.restoreWrites = {setString(HKCU, key, "Enable AutoImageResize", "yes")};
        t.rule = {textIs("no", Applied), textIs("yes", Default)};
        all.push_back(std::move(t));
    }
    {
        const std::string key =
            "SOFTWARE\\Microsoft\\Internet Explorer\\Extensions\\{c95fe080-8f5d-11d2-a20b-00aa003c157a}";
        auto t = tip("tricks_alexa", "Alexa", "Alexa ausschalten", "Alexa ausschalten !", 8295, 6960,
                     {"Neuere Versionen des Internet Explorers enthalten eine Funktion namens Alexa, die "
                      "Benutzerprofile überträgt. Gesammelt werden:",
                      "1. das Betriebssystem", "2. der Browser", "3. die vollständigen Adressen der besuchten Seiten",
                      "4. die Uhrzeit", "5. die IP-Adresse",
                      "6. ein Cookie mit einer eindeutigen Nummer",
                      "Hier können Sie diese Funktion ausschalten."});
        t.probe = Probe{HKLM, key, "Icon"};
        t.applyWrites = {deleteKey(HKLM, key)};
        t.rule = {textIs(",4", Default)};
        t.otherwise = Applied;
        all.push_back(std::move(t));
    }
    {
        const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
        auto t = tip("tricks_laufwerkeverstecken", "Laufwerke verstecken", "Alle Laufwerke verstecken", "Verstecken",
                     8055, 5550,
                     {"Warum man alle Laufwerke verstecken sollte? Einen Grund dafür finden Sie bestimmt selbst."});
        t.restoreCaption = "Anzeigen";
        t.buttonFrame = " Laufwerke:";
        t.notice = "Sie müssen Windows neu starten, damit diese Option aktiv wird!";
        t.applyWrites = {setDword(HKCU, key, "NoDrives", 0x3FFFFFFF)};
        t.restoreWrites = {deleteValue(HKCU, key, "NoDrives")};
        all.push_back(std::move(t));
    }
    return all;
}

}  // namespace

const std::vector<RegistryToggle>& tipsToggles()
{
    static const std::vector<RegistryToggle> records = build();
    return records;
}

}  // namespace zw
