// The writes behind the control-panel and display-page buttons, in order, against the list
// the window promises (written out here independently of the tables).
#include "tips/control_panel_parts.h"
#include "tips/display_page_locks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zw {
namespace {

using Op = RegistryWrite::Operation;

const std::string kDontLoad = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\don't load";
const std::string kNameSpace = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ControlPanel\\NameSpace\\";

// One write as "op hive key|value=data" for readable comparisons.
std::string describe(const RegistryWrite& w)
{
    const char* ops[] = {"SetString", "SetDword", "SetBinary", "DeleteValue", "DeleteKey"};
    std::string s = std::string(ops[static_cast<int>(w.operation)]) + " " + std::to_string(w.hive) + " " + w.key;
    if (w.operation != Op::DeleteKey)
        s += "|" + w.value;
    if (w.operation == Op::SetString)
        s += "=" + w.text;
    if (w.operation == Op::SetDword)
        s += "=" + std::to_string(w.number);
    return s;
}

std::vector<std::string> describe(const std::vector<RegistryWrite>& writes)
{
    std::vector<std::string> out;
    for (const RegistryWrite& w : writes)
        out.push_back(describe(w));
    return out;
}

const std::vector<std::string> kFiles = {"desk.cpl",  "nusrmgr.cpl", "timedate.cpl", "powercfg.cpl", "joy.cpl",
                                         "hdwwiz.cpl", "inetcpl.cpl", "main.cpl",     "intl.cpl",     "appwiz.cpl",
                                         "mmsys.cpl", "sapi.cpl",    "sysdm.cpl",    "telephon.cpl", "irprops.cpl"};
const std::vector<std::pair<std::string, std::string>> kFolders = {
    {"{6DFD7C5C-2451-11d3-A299-00C04F8EF6AF}", "Folder Options"},
    {"{7007ACC7-3202-11D1-AAD2-00805FC1270E}", "Netzwerkverbindungen"},
    {"{D20EA4E1-3957-11d2-A40B-0C5020524152}", "Schriftarten"},
    {"{D20EA4E1-3957-11d2-A40B-0C5020524153}", "Verwaltung"},
    {"{D6277990-4C6A-11CF-8D87-00AA0060F5BF}", "Geplante Tasks"},
    {"{E211B736-43FD-11D1-9EFB-0000F8757FCD}", "Scanner und Kameras"},
    {"{0DF44EAA-FF21-4412-828E-260A8728E7F1}", "Taskbar and Start Menu"},
};

TEST(ControlPanelParts, EachButtonHidesAndShowsItsOwnPart)
{
    const char* captions[] = {"Anzeige",           "Benutzerkonten",     "Datum und Uhrzeit",      "Energieoptionen",
                              "Gamecontroller",    "Hardware",           "Internetoptionen",       "Maus und Tastatur",
                              "Region und Sprache", "Software",          "Sounds und Audiogeräte", "Sprachein- / ausgabe",
                              "System",            "Telefon und Modem",  "Ordner Optionen",        "Netzwerkverbindungen",
                              "Schriftarten",      "Verwaltung",         "Geplante Tasks",         "Scanner und Kameras"};
    const auto& parts = controlPanelParts();
    for (std::size_t i = 0; i < 20; ++i) {
        SCOPED_TRACE(captions[i]);
        EXPECT_EQ(parts[i].caption, captions[i]);
        if (i < 14) {
            EXPECT_EQ(describe(hidePartWrites(parts[i])), std::vector{"SetString 2 " + kDontLoad + "|" + kFiles[i] + "="});
            EXPECT_EQ(describe(showPartWrites(parts[i])), std::vector{"DeleteValue 2 " + kDontLoad + "|" + kFiles[i]});
        } else {
            const auto& [id, name] = kFolders[i - 14];
            EXPECT_EQ(describe(hidePartWrites(parts[i])), std::vector{"DeleteKey 2 " + kNameSpace + id});
            EXPECT_EQ(describe(showPartWrites(parts[i])), std::vector{"SetString 2 " + kNameSpace + id + "|=" + name});
        }
    }
    EXPECT_TRUE(parts[20].caption.empty());
    EXPECT_TRUE(parts[21].caption.empty());
}

TEST(ControlPanelParts, HideAllAndShowAllRunInTheirOwnOrder)
{
    std::vector<std::string> hide, show;
    for (const std::string& file : kFiles)
        hide.push_back("SetString 2 " + kDontLoad + "|" + file + "=");
    for (const auto& [id, name] : kFolders) {
        hide.push_back("DeleteKey 2 " + kNameSpace + id);
        show.push_back("SetString 2 " + kNameSpace + id + "|=" + name);
    }
    for (const std::string& file : kFiles)
        show.push_back("DeleteValue 2 " + kDontLoad + "|" + file);
    EXPECT_EQ(describe(hideAllWrites()), hide);
    EXPECT_EQ(describe(showAllWrites()), show);
}

TEST(DisplayPageLocks, LockWritesOneUnlockWritesZeroBelowTheLocalMachine)
{
    const std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    const struct {
        const char* page;
        const char* lock;
        const char* unlock;
        const char* value;
    } rows[] = {{"Designs und Darstellung", "Command1", "Command2", "NoDispAppearancePage"},
                {"Hintergrund", "Command3", "Command4", "NoDispBackgroundPage"},
                {"Bildschirmschoner", "Command5", "Command6", "NoDispScrSavPage"},
                {"Einstellungen", "Command7", "Command8", "NoDispSettingsPage"},
                {"Anzeige Komplett", "Command9", "Command10", "NoDispCPL"}};
    ASSERT_EQ(displayPageLocks().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const DisplayPageLock& row = displayPageLocks()[i];
        EXPECT_EQ(row.page, rows[i].page);
        EXPECT_EQ(row.lockButton, rows[i].lock);
        EXPECT_EQ(row.unlockButton, rows[i].unlock);
        EXPECT_EQ(describe(displayLockWrite(row, true)), "SetDword 2 " + key + "|" + rows[i].value + "=1");
        EXPECT_EQ(describe(displayLockWrite(row, false)), "SetDword 2 " + key + "|" + rows[i].value + "=0");
    }
}

}  // namespace
}  // namespace zw
