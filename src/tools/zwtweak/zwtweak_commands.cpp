#include "tools/zwtweak/zwtweak_commands.h"

#include "tips/tips_toggles.h"
#include "tuning/tuning_toggles.h"
#include "tweak/state_poll.h"
#include "tweak/toggle_writes.h"
#include "tweak/write_outcome.h"

namespace zw::zwtweak {

namespace {

constexpr const char* kUsage =
    "Aufruf: zwtweak list\n"
    "        zwtweak apply NAME\n"
    "        zwtweak restore NAME\n"
    "list zeigt Fensternamen, Titel und Zustand (Applied, Default oder unknown) jedes Eintrags;\n"
    "apply und restore schreiben die Werte des Eintrags; scheitert ein Schreiben, endet der Aufruf\n"
    "mit dem Code 1.\n";

const RegistryToggle* find(const std::string& name)
{
    if (const RegistryToggle* t = findToggle(tuningToggles(), name))
        return t;
    return findToggle(tipsToggles(), name);
}

void printLine(std::ostream& out, const RegistryToggle& t)
{
    const auto state = currentState(t);
    out << t.name << '\t' << t.title << '\t' << (state ? toggleStateName(*state) : "unknown") << '\n';
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "list") {
        for (const auto* records : {&tuningToggles(), &tipsToggles()})
            for (const RegistryToggle& t : *records)
                printLine(out, t);
        return 0;
    }
    if (args.size() == 2 && (args[0] == "apply" || args[0] == "restore")) {
        const RegistryToggle* t = find(args[1]);
        if (!t) {
            err << "zwtweak: unbekannter Eintrag \"" << args[1] << "\" (zwtweak list zeigt alle)\n";
            return 1;
        }
        const bool apply = args[0] == "apply";
        if (!apply && !t->hasRestore()) {
            err << "zwtweak: " << t->name << " kann nicht wiederhergestellt werden\n";
            return 1;
        }
        const Registry::WriteOutcome outcome;
        performWrites(apply ? t->applyWrites : t->restoreWrites);
        printLine(out, *t);
        if (outcome.failed()) {
            err << "zwtweak: " << t->name << ": nicht alle Werte konnten geschrieben werden"
                << " (fehlen die nötigen Rechte?)\n";
            return 1;
        }
        return 0;
    }
    err << kUsage;
    return 2;
}

}  // namespace zw::zwtweak
