// The command line of fetchget: [--timeout SECONDS] URL FILE. Plain C++.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fetchget {

struct Options {
    std::string url;
    std::string file;
    std::optional<double> timeoutSeconds;
    bool help = false;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error;  // why the command line was refused
};

ParsedOptions parseOptions(const std::vector<std::string>& args);

inline constexpr char kUsage[] =
    "Aufruf: fetchget [--timeout SEKUNDEN] URL DATEI\n"
    "Lädt URL über die Komponente Fetchling (clsDownload) in DATEI und zeigt jedes Ereignis\n"
    "auf einer eigenen Zeile: Start, Progress <geladen> <Größe>, Finished, Status <Code>.\n"
    "Ende: 0 nach Finished, 1 wenn der Download nicht startet oder die Antwort nicht\n"
    "gespeichert werden kann, 2 nach Ablauf von --timeout\n"
    "ohne Finished, 64 bei falschem Aufruf.\n";

}  // namespace fetchget
