#include "tuning/tuning_extra_windows.h"

#include "shell/navigator.h"
#include "tuning/reg_disccache.h"
#include "tuning/reg_outlook_splash.h"
#include "tuning/reg_ram_defrag.h"
#include "tuning/reg_shutdown_tuning.h"
#include "tuning/reg_system_programs.h"
#include "tuning/reg_value_entry.h"

namespace zw::tuning {

void registerSpecialWindows(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("reg_disccache"), [] { return new RegDisccache; });
    navigator.add(QStringLiteral("reg_RAMdefragmentieren"), [] { return new RegRamDefragmentieren; });
    navigator.add(QStringLiteral("reg_shutdownTuning"), [] { return new RegShutdownTuning; });
    navigator.add(QStringLiteral("reg_MaxConnections"), [] { return new RegValueEntry(RegValueEntry::maxConnections()); });
    navigator.add(QStringLiteral("reg_Menügeschwindigkeit"), [] { return new RegValueEntry(RegValueEntry::menuSpeed()); });
    navigator.add(QStringLiteral("reg_OutlookSplash"), [] { return new RegOutlookSplash; });
    navigator.add(QStringLiteral("reg_zipfunktion"), [] { return new RegZipfunktion; });
    navigator.add(QStringLiteral("reg_auslagerungsdatei2"), [] { return new RegAuslagerungsdatei2; });
}

}  // namespace zw::tuning
