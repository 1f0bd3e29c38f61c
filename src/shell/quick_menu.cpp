#include "quick_menu.h"

#include "product_contact.h"

#include "platform/program_data_path.h"

#include <array>

namespace zw::shell {
namespace {

constexpr auto C = QuickItemKind::Command;

const std::array kItems{
    QuickMenuItem{"mnNix", "Nix... :-]", 0, C, NoAction{}},
    QuickMenuItem{"Trenn1", "-", 0, QuickItemKind::Separator, NoAction{}},
    QuickMenuItem{"mnWebsite", kProductWebsite, 0, C, NoAction{}},
    QuickMenuItem{"Trenn2", "-", 0, QuickItemKind::Separator, NoAction{}},
    QuickMenuItem{"mnMsgShow", "Info", 0, C, ShowAboutWindow{}},
    QuickMenuItem{"inetoff", "Internet trennen", 0, C, RunProgram{"rasdial.exe /disconnect", StartStyle::MinimizedFocus}},
    QuickMenuItem{"lock", "Rechner [Sperren]", 0, C,
                  RunProgram{"rundll32.exe user32.dll,LockWorkStation", StartStyle::MinimizedFocus}},
    QuickMenuItem{"tweaks", "Quick Tweaks", 0, QuickItemKind::Submenu, NoAction{}},
    QuickMenuItem{"dlls", "DLL Cache leeren", 1, C, OpenDocument{platform::kMemoryScriptAbove128}},
    QuickMenuItem{"wsh1", "Script Host aktivieren", 1, C,
                  WriteRegistryText{kScriptHostHive, kScriptHostKey, kScriptHostValue, "1"}, true},
    QuickMenuItem{"wsh0", "Script Host deaktivieren", 1, C,
                  WriteRegistryText{kScriptHostHive, kScriptHostKey, kScriptHostValue, "0"}, true},
    QuickMenuItem{"tools", "Tools", 0, QuickItemKind::Submenu, NoAction{}},
    QuickMenuItem{"toolsDOS", "DOS Eingabe", 1, C, RunProgram{"cmd.exe", StartStyle::NormalFocus}},
    QuickMenuItem{"toolssys", "Systemsteuerung", 1, C, RunProgram{"control.exe", StartStyle::NormalFocus}},
    QuickMenuItem{"toolsInet", "Internet Optionen", 1, C,
                  RunProgram{"Rundll32.exe shell32.dll, Control_RunDLL inetcpl.cpl", StartStyle::MinimizedFocus}},
    QuickMenuItem{"maxi", "Programm anzeigen", 0, C, ShowMainWindow{}},
    QuickMenuItem{"Trenn3", "-", 0, QuickItemKind::Separator, NoAction{}},
    QuickMenuItem{"mnExit", "&Beenden", 0, C, QuitProgram{}},
};

}  // namespace

std::span<const QuickMenuItem> quickMenuItems() { return kItems; }

}  // namespace zw::shell
