#include "tips/tips_windows.h"

#include "shell/navigator.h"
#include "tips/tricks_catalogue.h"
#include "tips/tips_toggles.h"
#include "tips/instruction_page_window.h"
#include "tips/option_box_window.h"
#include "tips/panel_windows.h"
#include "tips/text_windows.h"
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
    for (const OptionWindowDesign* design : {&mediaPlayerOptions(), &fileDisplayOptions()})
        navigator.add(QString::fromStdString(design->name), [design] { return new OptionBoxWindow(*design); });
    navigator.add(QStringLiteral("tricks_bootnachricht"), [] { return new TricksBootnachricht; });
    navigator.add(QStringLiteral("tricks_InternetExplorer"), [] { return new TricksInternetExplorer; });
    navigator.add(QStringLiteral("tricks_timeout"), [] { return new TricksTimeout; });
    navigator.add(QStringLiteral("tricks_netsend"), [] { return new TricksNetsend; });
    for (const InstructionPage& page : instructionPages())
        navigator.add(QString::fromStdString(page.name), [&page] { return new InstructionPageWindow(page); });
}

}  // namespace zw::tips
