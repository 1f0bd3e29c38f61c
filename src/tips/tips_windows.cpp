#include "tips/tips_windows.h"

#include "shell/navigator.h"
#include "tips/tricks_catalogue.h"
#include "tips/tips_toggles.h"
#include "tips/panel_windows.h"
#include "tweak/catalogue_window.h"
#include "tweak/toggle_window.h"

namespace zw::tips {

void registerWindows(shell::Navigator& navigator)
{
    navigator.add(QStringLiteral("Tricks"), [] { return new CatalogueWindow(tricksCatalogue()); });
    for (const RegistryToggle& record : tipsToggles())
        navigator.add(QString::fromStdString(record.name), [&record] { return new ToggleWindow(record); });
    navigator.add(QStringLiteral("tricks_SystemsteuerungKontrollieren"), [] { return new TricksSystemsteuerungKontrollieren; });
    navigator.add(QStringLiteral("tricks_anzeigeeigenschaften"), [] { return new TricksAnzeigeeigenschaften; });
}

}  // namespace zw::tips
