#include "tuning/tuning_windows.h"

#include "shell/navigator.h"
#include "tuning/regedit_catalogue.h"
#include "tuning/tuning_extra_windows.h"
#include "tuning/tuning_toggles.h"
#include "tweak/catalogue_window.h"
#include "tweak/toggle_window.h"

namespace zw::tuning {

void registerWindows(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("Regedit"), [] { return new CatalogueWindow(regeditCatalogue()); });
    for (const RegistryToggle& record : tuningToggles())
        navigator.add(QString::fromStdString(record.name), [&record] { return new ToggleWindow(record); });
    registerSpecialWindows(navigator);
}

}  // namespace zw::tuning
