#include "launcher_entries.h"

#include <array>

namespace zw::shell {
namespace {

constexpr auto Run = LaunchKind::Run;
constexpr auto Open = LaunchKind::Open;

const std::array<std::string_view, 4> kTabs{"Standard Tools", "System / Diagnose", "Information Tools", "Misc Tools"};

// clang-format off
const std::array kEntries{
    // Standard Tools
    LauncherEntry{0, "Command33", "WordPad", 0, 0, Run, "write.exe", "libreoffice-writer x-office-document", "write"},
    LauncherEntry{0, "Command28", "NotePad", 0, 1, Run, "notepad.exe", "accessories-text-editor text-editor", "notepad"},
    LauncherEntry{0, "Command26", "Microsoft Paint", 0, 2, Run, "mspaint.exe", "applications-graphics kolourpaint", "mspaint"},
    LauncherEntry{0, "Command36", "Taschenrechner", 0, 3, Run, "calc.exe", "accessories-calculator", "calc"},
    LauncherEntry{0, "Command1", "Task-Manager", 0, 4, Run, "taskmgr.exe", "utilities-system-monitor", "taskmgr"},
    LauncherEntry{0, "Command25", "Medienwiedergabe", 1, 0, Run, "mplay32.exe", "multimedia-player applications-multimedia", "mplay32"},
    LauncherEntry{0, "Command30", "Lautstärkeregelung", 1, 1, Run, "sndvol32.exe", "multimedia-volume-control audio-volume-high", "sndvol32"},
    LauncherEntry{0, "Command29", "Audiorecorder", 1, 2, Run, "sndrec32.exe", "audio-input-microphone", "sndrec32"},
    LauncherEntry{0, "Command4", "Registrierungs-Editor", 1, 3, Run, "regedt32.exe", "dconf-editor preferences-other", "regedt32"},
    LauncherEntry{0, "Command2", "Eingabeaufforderung", 1, 4, Run, "cmd.exe", "utilities-terminal", "cmd"},
    // System / Diagnose
    LauncherEntry{1, "Command9", "Datenträgerverwaltung", 0, 0, Open, "diskmgmt.msc", "gnome-disks drive-harddisk", "diskmgmt"},
    LauncherEntry{1, "Command3", "Datenträgerbereinigung", 0, 1, Run, "cleanmgr.exe", "user-trash-full user-trash", "cleanmgr"},
    LauncherEntry{1, "Command11", "Defragmentierung", 0, 2, Open, "dfrg.msc", "view-sort-ascending", "dfrg"},
    LauncherEntry{1, "Command10", "Geräte-Manager", 0, 3, Open, "devmgmt.msc", "preferences-desktop-peripherals input-keyboard", "devmgmt"},
    LauncherEntry{1, "Command8", "Computerverwaltung", 0, 4, Open, "compmgmt.msc", "computer", "compmgmt"},
    LauncherEntry{1, "Command34", "Systemsteuerung", 0, 5, Run, "control.exe", "preferences-system", "control"},
    LauncherEntry{1, "Command19", "Diensteverwaltung", 1, 0, Open, "services.msc", "system-run applications-system", "services"},
    LauncherEntry{1, "Command17", "Leistungsmonitor", 1, 1, Open, "perfmon.msc", "org.gnome.SystemMonitor x-office-spreadsheet", "perfmon"},
    LauncherEntry{1, "Command18", "Systemwiederherstellung", 1, 2, Run, "Restore\\rstrui.exe", "document-revert edit-undo", "rstrui"},
    LauncherEntry{1, "Command5", "Direct-X Diagnose", 1, 3, Run, "dxdiag.exe", "video-display applications-games", "dxdiag"},
    LauncherEntry{1, "Command31", "Treiber Überprüfung", 1, 4, Run, "verifier.exe", "emblem-default", "verifier"},
    // Information Tools
    LauncherEntry{2, "Command13", "Freigegebene Ordner", 0, 0, Open, "fsmgmt.msc", "folder-remote folder-publicshare", "fsmgmt"},
    LauncherEntry{2, "Command21", "DDE Freigaben", 0, 1, Run, "ddeshare.exe", "network-workgroup", "ddeshare"},
    LauncherEntry{2, "Command15", "Benutzer und Gruppen", 0, 2, Open, "lusrmgr.msc", "system-users", "lusrmgr"},
    LauncherEntry{2, "Command37", "Systeminformationen", 0, 3, Run, "winmsd.exe", "dialog-information help-about", "winmsd"},
    LauncherEntry{2, "Command16", "Wechselmedien", 1, 0, Open, "ntmsmgr.msc", "drive-removable-media media-optical", "ntmsmgr"},
    LauncherEntry{2, "Command12", "Ereignisanzeige", 1, 1, Open, "eventvwr.msc", "text-x-log logviewer", "eventvwr"},
    LauncherEntry{2, "Command6", "Zertifikat-Manager", 1, 2, Open, "certmgr.msc", "application-certificate security-high", "certmgr"},
    // Misc Tools
    LauncherEntry{3, "Command27", "Remote PC Verbindung", 0, 0, Run, "mstsc.exe", "preferences-desktop-remote-desktop network-server", "mstsc"},
    LauncherEntry{3, "Command14", "Zwischenspeicher", 0, 1, Open, "clipbrd.exe", "edit-paste", "clipbrd"},
    LauncherEntry{3, "Command24", "Bildschirmlupe", 0, 2, Run, "magnify.exe", "zoom-in", "magnify"},
    LauncherEntry{3, "Command23", "Self Extraction", 0, 3, Run, "iexpress.exe", "package-x-generic", "iexpress"},
    LauncherEntry{3, "Command22", "Zeichen Editor", 1, 0, Run, "eudcedit.exe", "preferences-desktop-font", "eudcedit"},
    LauncherEntry{3, "Command7", "Indexdienst", 1, 1, Open, "ciadv.msc", "edit-find system-search", "ciadv"},
    LauncherEntry{3, "Command32", "Win Chat", 1, 2, Run, "winchat.exe", "internet-group-chat user-available", "winchat"},
};
// clang-format on

constexpr std::array kColumnTwips{360, 4560};
constexpr std::array kRowTwips{600, 1440, 2280, 3120, 3960, 4800};
constexpr int kLabelRightTwips = 840;
constexpr int kLabelDownTwips = 120;

}  // namespace

std::span<const std::string_view> launcherTabs() { return kTabs; }
std::span<const LauncherEntry> launcherEntries() { return kEntries; }

TwipPoint launcherButtonPlace(const LauncherEntry& entry)
{
    return {kColumnTwips.at(static_cast<std::size_t>(entry.column)), kRowTwips.at(static_cast<std::size_t>(entry.row))};
}

TwipPoint launcherLabelPlace(const LauncherEntry& entry)
{
    const auto button = launcherButtonPlace(entry);
    return {button.x + kLabelRightTwips, button.y + kLabelDownTwips};
}

int launcherLabelRoomTwips(const LauncherEntry& entry, int tabWidthTwips)
{
    const int end = entry.column == 0 ? kColumnTwips[1] : tabWidthTwips;
    return end - launcherLabelPlace(entry).x;
}

}  // namespace zw::shell
