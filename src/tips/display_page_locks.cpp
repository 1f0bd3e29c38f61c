#include "tips/display_page_locks.h"

#include <string>

namespace zw {

namespace {

constexpr std::array<DisplayPageLock, 5> kLocks = {{
    {"Designs und Darstellung", "Command1", "Command2", "NoDispAppearancePage"},
    {"Hintergrund", "Command3", "Command4", "NoDispBackgroundPage"},
    {"Bildschirmschoner", "Command5", "Command6", "NoDispScrSavPage"},
    {"Einstellungen", "Command7", "Command8", "NoDispSettingsPage"},
    {"Anzeige Komplett", "Command9", "Command10", "NoDispCPL"},
}};

}  // namespace

const std::array<DisplayPageLock, 5>& displayPageLocks()
{
    return kLocks;
}

RegistryWrite displayLockWrite(const DisplayPageLock& row, bool lock)
{
    return setDword(2, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", std::string(row.value), lock ? 1 : 0);
}

}  // namespace zw
