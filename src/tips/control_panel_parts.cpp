#include "tips/control_panel_parts.h"

#include <string>

namespace zw {

namespace {

constexpr HiveCode kMachine = 2;
constexpr const char* kDontLoadKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\don't load";
constexpr const char* kNameSpaceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ControlPanel\\NameSpace\\";

constexpr auto D = PanelMechanism::DontLoad;
constexpr auto N = PanelMechanism::NameSpace;

constexpr std::array<ControlPanelPart, 22> kParts = {{
    {"Anzeige", D, "desk.cpl", ""},
    {"Benutzerkonten", D, "nusrmgr.cpl", ""},
    {"Datum und Uhrzeit", D, "timedate.cpl", ""},
    {"Energieoptionen", D, "powercfg.cpl", ""},
    {"Gamecontroller", D, "joy.cpl", ""},
    {"Hardware", D, "hdwwiz.cpl", ""},
    {"Internetoptionen", D, "inetcpl.cpl", ""},
    {"Maus und Tastatur", D, "main.cpl", ""},
    {"Region und Sprache", D, "intl.cpl", ""},
    {"Software", D, "appwiz.cpl", ""},
    {"Sounds und Audiogeräte", D, "mmsys.cpl", ""},
    {"Sprachein- / ausgabe", D, "sapi.cpl", ""},
    {"System", D, "sysdm.cpl", ""},
    {"Telefon und Modem", D, "telephon.cpl", ""},
    {"Ordner Optionen", N, "{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}", "Folder Options"},
    {"Netzwerkverbindungen", N, "{7007ACC7-3202-11D1-AAD2-00805FC1270E}", "Netzwerkverbindungen"},
    {"Schriftarten", N, "{D20EA4E1-3957-11d2-A40B-0C5020524152}", "Schriftarten"},
    {"Verwaltung", N, "{D20EA4E1-3957-11d2-A40B-0C5020524153}", "Verwaltung"},
    {"Geplante Tasks", N, "{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", "Geplante Tasks"},
    {"Scanner und Kameras", N, "{E211B736-43FD-11D1-9EFB-0000F8757FCD}", "Scanner und Kameras"},
    {"", D, "irprops.cpl", ""},
    {"", N, "{0DF44EAA-FF21-4412-828E-260A8728E7F1}", "Taskbar and Start Menu"},
}};

std::string nameSpaceKey(const ControlPanelPart& part)
{
    return kNameSpaceKey + std::string(part.target);
}

std::vector<RegistryWrite> allWrites(PanelMechanism first, std::vector<RegistryWrite> (*writes)(const ControlPanelPart&))
{
    std::vector<RegistryWrite> out;
    for (PanelMechanism pass : {first, first == D ? N : D})
        for (const ControlPanelPart& part : kParts)
            if (part.mechanism == pass)
                for (RegistryWrite& w : writes(part))
                    out.push_back(std::move(w));
    return out;
}

}  // namespace

const std::array<ControlPanelPart, 22>& controlPanelParts()
{
    return kParts;
}

std::vector<RegistryWrite> hidePartWrites(const ControlPanelPart& part)
{
    if (part.mechanism == D)
        return {setString(kMachine, kDontLoadKey, std::string(part.target), "")};
    return {deleteKey(kMachine, nameSpaceKey(part))};
}

std::vector<RegistryWrite> showPartWrites(const ControlPanelPart& part)
{
    if (part.mechanism == D)
        return {deleteValue(kMachine, kDontLoadKey, std::string(part.target))};
    return {setString(kMachine, nameSpaceKey(part), "", std::string(part.displayName))};
}

std::vector<RegistryWrite> hideAllWrites()
{
    return allWrites(D, hidePartWrites);
}

std::vector<RegistryWrite> showAllWrites()
{
    return allWrites(N, showPartWrites);
}

}  // namespace zw
