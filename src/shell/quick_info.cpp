#include "quick_info.h"

#include <array>

namespace zw::shell {
namespace {

constexpr std::array<QuickInfoText, 6> kTexts = {{
    {"cmdSystemTuning",
     "Hier werden Standard Registry Werte optimiert, und nervige XP Funktionen k\xC3\xB6nnen deaktiviert werden..."},
    {"cmdTipsUndTricks", "Wie nutzen Sie Windows XP optimal, und auf was k\xC3\xB6nnen Sie absolut verzichten..."},
    {"cmdXPUtilities", "Die wichtigsten und versteckten Windows Programme..."},
    {"cmdInfo", "Infos \xC3\xBC" "ber den Zunderwerk..."},
    {"cmdUpdate", "Aktualit\xC3\xA4t des Zunderwerks \xC3\xBC" "berpr\xC3\xBC" "fen und eventuell Update downloaden..."},
    {"cmdFeedback", "Fragen, Bugs, Kritik, oder einfach nur ein kleines Lob loswerden..."},
}};

}  // namespace

std::span<const QuickInfoText> quickInfoTexts() { return kTexts; }

const QuickInfoText* quickInfoFor(std::string_view button) {
    for (const QuickInfoText& entry : kTexts) {
        if (entry.button == button) return &entry;
    }
    return nullptr;
}

}  // namespace zw::shell
