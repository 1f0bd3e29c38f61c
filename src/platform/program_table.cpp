#include "program_table.h"

#include <algorithm>
#include <cctype>

namespace zw::platform {
namespace {

// Terminals, settings centres and other recurring candidate groups.
#define ZW_TERMINALS "x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "mate-terminal", \
                     "lxterminal", "qterminal", "xterm"
#define ZW_SETTINGS "gnome-control-center", "systemsettings", "xfce4-settings-manager", "mate-control-center", \
                    "lxqt-config", "cinnamon-settings"
#define ZW_MONITORS "gnome-system-monitor", "plasma-systemmonitor", "ksysguard", "xfce4-taskmanager", \
                    "mate-system-monitor", "lxtask", "qps"
#define ZW_SYSINFO "hardinfo", "kinfocenter", "gnome-control-center info-overview", "xfce4-about"

const std::vector<LocalEquivalent>& table() {
    static const std::vector<LocalEquivalent> rows = {
        // Standard programs (System Utilities launcher, instruction pages, quick menu)
        {"cmd", false, "Eingabeaufforderung", {ZW_TERMINALS}},
        {"control", false, "Systemsteuerung", {ZW_SETTINGS}},
        {"write", false, "WordPad", {"libreoffice --writer", "abiword", "calligrawords"}},
        {"notepad", false, "Editor", {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
                                      "featherpad", "leafpad"}},
        {"mspaint", false, "Microsoft Paint", {"pinta", "kolourpaint", "mtpaint", "gimp"}},
        {"calc", false, "Taschenrechner", {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk",
                                           "xcalc"}},
        {"taskmgr", false, "Task-Manager", {ZW_MONITORS}},
        {"mplay32", false, "Medienwiedergabe", {"totem", "vlc", "mpv --player-operation-mode=pseudo-gui", "celluloid",
                                                "parole", "dragon"}},
        {"sndvol32", false, "Lautstärkeregelung", {"pavucontrol", "pavucontrol-qt", "gnome-control-center sound",
                                                    "mate-volume-control", "xfce4-mixer", "kmix"}},
        {"sndrec32", false, "Audiorecorder", {"gnome-sound-recorder", "audacity"}},
        {"regedt32", false, "Registrierungs-Editor", {"dconf-editor"}},
        {"cleanmgr", false, "Datenträgerbereinigung", {"bleachbit", "baobab", "filelight"}},
        {"restore\\rstrui", false, "Systemwiederherstellung", {"timeshift-launcher", "timeshift-gtk", "deja-dup"}},
        {"rstrui", false, "Systemwiederherstellung", {"timeshift-launcher", "timeshift-gtk", "deja-dup"}},
        {"dxdiag", false, "Direct-X Diagnose", {ZW_SYSINFO}},
        {"verifier", false, "Treiber Überprüfung", {}},
        {"ddeshare", false, "DDE Freigaben", {}},
        {"winmsd", false, "Systeminformationen", {ZW_SYSINFO}},
        {"mstsc", false, "Remote PC Verbindung", {"remmina", "krdc", "vinagre", "gnome-connections", "xfreerdp"}},
        {"clipbrd", false, "Zwischenspeicher", {"copyq show", "diodon", "parcellite", "gpaste-client ui"}},
        {"magnify", false, "Bildschirmlupe", {"kmag", "magnus", "xzoom"}},
        {"iexpress", false, "Self Extraction", {}},
        {"eudcedit", false, "Zeichen Editor", {"fontforge", "gucharmap", "kcharselect"}},
        {"winchat", false, "Win Chat", {}},
        {"explorer", false, "Explorer", {"nautilus", "dolphin", "thunar", "pcmanfm", "pcmanfm-qt", "caja", "nemo"}},
        // Console documents (opened through the shell)
        {"diskmgmt.msc", false, "Datenträgerverwaltung", {"gnome-disks", "partitionmanager", "gparted"}},
        {"dfrg.msc", false, "Defragmentierung", {}},
        {"devmgmt.msc", false, "Geräte-Manager", {ZW_SYSINFO}},
        {"compmgmt.msc", false, "Computerverwaltung", {ZW_SYSINFO}},
        {"services.msc", false, "Diensteverwaltung", {"systemadm", "x-terminal-emulator -e systemctl --type=service"}},
        {"perfmon.msc", false, "Leistungsmonitor", {ZW_MONITORS}},
        {"fsmgmt.msc", false, "Freigegebene Ordner", {"system-config-samba"}},
        {"lusrmgr.msc", false, "Benutzer und Gruppen", {"gnome-control-center user-accounts", "users-admin", "kuser",
                                                         "systemsettings kcm_users"}},
        {"ntmsmgr.msc", false, "Wechselmedien", {"gnome-disks", "partitionmanager"}},
        {"eventvwr.msc", false, "Ereignisanzeige", {"gnome-logs", "ksystemlog"}},
        {"certmgr.msc", false, "Zertifikat-Manager", {"seahorse", "kleopatra"}},
        {"ciadv.msc", false, "Indexdienst", {"recoll"}},
        // Control-panel parts and system actions
        {"rundll32 shell32.dll,control_rundll inetcpl.cpl", false, "Internetoptionen",
         {"gnome-control-center network", "systemsettings kcm_proxy", "xfce4-settings-manager", ZW_SETTINGS}},
        {"rundll32 shell32.dll,control_rundll sysdm.cpl", false, "Systemeigenschaften",
         {"gnome-control-center about", "systemsettings kcm_about-distro", ZW_SYSINFO}},
        {"rundll32 shell32.dll,control_rundll powercfg.cpl", false, "Energieoptionen",
         {"gnome-control-center power", "systemsettings kcm_powerdevilprofilesconfig", "xfce4-power-manager-settings",
          "mate-power-preferences"}},
        {"rundll32 user32.dll,lockworkstation", false, "Rechner sperren",
         {"loginctl lock-session", "xdg-screensaver lock", "xflock4", "dm-tool lock"}},
        {"rasdial /disconnect", false, "Internet trennen", {"nmcli networking off"}},
        {"regsvr32 /u zipfldr.dll", false, "ZIP-Ordner ausschalten", {}},
        {"regsvr32 zipfldr.dll", false, "ZIP-Ordner wiederherstellen", {}},
        {"rundll32 advpack.dll,launchinfsection", true, "Windows Messenger Deinstallation", {}},
    };
    return rows;
}

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string baseName(std::string_view program) {
    const auto slash = program.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? program : program.substr(slash + 1));
}

}  // namespace

std::span<const LocalEquivalent> localEquivalents() { return table(); }

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> parts;
    std::string current;
    bool quoted = false, any = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any) parts.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) parts.push_back(current);
    return parts;
}

std::string normalizeCommandLine(std::string_view commandLine) {
    std::vector<std::string> parts = splitCommandLine(lower(commandLine));
    if (parts.empty()) return {};
    std::string& program = parts.front();
    // A path keeps only its name, except the one relative form the design uses on its own.
    if (program != "restore\\rstrui.exe" && program != "restore\\rstrui") program = baseName(program);
    if (endsWith(program, ".exe")) program.resize(program.size() - 4);
    std::string out;
    for (const std::string& part : parts) {
        if (!out.empty() && out.back() != ',') out += ' ';
        out += part;
    }
    return out;
}

const LocalEquivalent* findEquivalent(std::string_view commandLine) {
    const std::string key = normalizeCommandLine(commandLine);
    for (const LocalEquivalent& row : table()) {
        if (row.prefix ? key.starts_with(row.key) : key == row.key) return &row;
    }
    return nullptr;
}

Resolution resolveCommandLine(std::string_view commandLine, const std::function<bool(const std::string&)>& onPath) {
    Resolution result;
    const std::vector<std::string> words = splitCommandLine(commandLine);
    if (words.empty()) return result;
    result.title = baseName(words.front());
    if (const LocalEquivalent* row = findEquivalent(commandLine)) {
        result.title = std::string(row->title);
        for (std::string_view candidate : row->candidates) {
            std::vector<std::string> argv = splitCommandLine(candidate);
            if (!argv.empty() && onPath(argv.front())) {
                result.kind = Resolution::Kind::Local;
                result.argv = std::move(argv);
                return result;
            }
        }
    } else if (words.front().find('\\') == std::string::npos && onPath(words.front())) {
        result.kind = Resolution::Kind::Local;
        result.argv = words;
        return result;
    }
    if (onPath("wine")) {
        result.kind = Resolution::Kind::Wine;
        result.argv.push_back("wine");
        result.argv.insert(result.argv.end(), words.begin(), words.end());
    }
    return result;
}

std::string unavailableMessage(const Resolution& resolution, std::string_view commandLine) {
    return "Das Programm \xE2\x80\x9E" + resolution.title + "\xE2\x80\x9C (" + std::string(commandLine) +
           ") ist auf diesem System nicht verf\xC3\xBCgbar.";
}

}  // namespace zw::platform
