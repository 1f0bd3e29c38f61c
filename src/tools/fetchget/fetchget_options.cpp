#include "fetchget_options.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace fetchget {

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            return {o, {}};
        }
        if (a == "--timeout" || a.starts_with("--timeout=")) {
            std::string value;
            if (a == "--timeout") {
                if (i + 1 >= args.size()) return {std::nullopt, "--timeout braucht eine Zahl von Sekunden"};
                value = args[++i];
            } else {
                value = a.substr(10);
            }
            char* end = nullptr;
            errno = 0;
            const double seconds = std::strtod(value.c_str(), &end);
            if (value.empty() || *end != '\0' || errno != 0 || !std::isfinite(seconds) || seconds <= 0 ||
                seconds > 2147483.0)
                return {std::nullopt, "ungültige Zeitangabe für --timeout: \"" + value + "\""};
            o.timeoutSeconds = seconds;
        } else if (a.size() > 1 && a.front() == '-' && a != "-") {
            return {std::nullopt, "unbekannte Option " + a};
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) return {std::nullopt, "URL und DATEI werden erwartet"};
    o.url = positional[0];
    o.file = positional[1];
    return {o, {}};
}

}  // namespace fetchget
