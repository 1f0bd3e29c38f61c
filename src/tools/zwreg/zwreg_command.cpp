#include "zwreg_command.h"

#include "reg_value_text.h"

#include "platform/file_write.h"
#include "platform/reg_file.h"
#include "platform/registry_names.h"
#include "platform/registry_roots.h"
#include "platform/registry_tree.h"
#include "platform/utf8_path.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>

namespace zw::zwreg {

using namespace platform;

namespace {

constexpr std::string_view kDone = "Der Vorgang wurde erfolgreich beendet.";
constexpr std::string_view kCancelled = "Der Vorgang wurde vom Benutzer abgebrochen.";
constexpr std::string_view kNotFound =
    "FEHLER: Das System kann den angegebenen Registrierungsschlüssel bzw. Wert nicht finden.";
constexpr std::string_view kDefaultName = "(Standard)";

// The words of a command after its name: positional arguments and /switches (also -switches).
struct Arguments {
    std::vector<std::string> positional;
    std::optional<std::string> valueName;  // /v NAME
    bool defaultValue = false;             // /ve
    bool allValues = false;                // /va
    bool recursive = false;                // /s (query)
    std::optional<std::string> separator;  // /s SEP (add)
    std::optional<std::string> type;       // /t TYPE
    std::optional<std::string> data;       // /d DATA
    bool force = false;                    // /f
    bool overwrite = false;                // /y
    std::string error;
};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

constexpr std::string_view kSwitches[] = {"v", "ve", "va", "t", "d", "f", "y", "s"};

// "/v" or "-v"; a word that starts with a slash but names no switch is a path ("/tmp/x.reg").
bool isSwitch(const std::string& word) {
    if (word.size() < 2) return false;
    if (word[0] == '-') return true;
    if (word[0] != '/') return false;
    const std::string name = lower(word.substr(1));
    for (const std::string_view known : kSwitches) {
        if (name == known) return true;
    }
    return false;
}

Arguments parseArguments(const std::vector<std::string>& args, std::size_t from, bool separatorTakesValue) {
    Arguments a;
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (!isSwitch(word)) {
            a.positional.push_back(word);
            continue;
        }
        const std::string name = lower(word.substr(1));
        auto takeValue = [&](std::optional<std::string>& slot) {
            if (slot) a.error = "Der Schalter " + word + " ist doppelt angegeben.";
            else if (i + 1 >= args.size()) a.error = "Nach " + word + " fehlt der Wert.";
            else slot = args[++i];
        };
        if (name == "v") takeValue(a.valueName);
        else if (name == "ve") a.defaultValue = true;
        else if (name == "va") a.allValues = true;
        else if (name == "t") takeValue(a.type);
        else if (name == "d") takeValue(a.data);
        else if (name == "f") a.force = true;
        else if (name == "y") a.overwrite = true;
        else if (name == "s" && separatorTakesValue) takeValue(a.separator);
        else if (name == "s") a.recursive = true;
        else a.error = "Unbekannter Schalter " + word + ".";
        if (!a.error.empty()) break;
    }
    if (a.error.empty() && int(a.valueName.has_value()) + int(a.defaultValue) + int(a.allValues) > 1)
        a.error = "/v, /ve und /va schließen einander aus.";
    return a;
}

class Command {
public:
    Command(RegistryStore& store, std::istream& in, std::ostream& out, std::ostream& err)
        : store_(store), in_(in), out_(out), err_(err) {}

    int syntaxError(const std::string& reason) {
        err_ << "FEHLER: Ungültige Syntax. " << reason << "\n" << "Geben Sie \"zwreg /?\" ein, um die Hilfe anzuzeigen.\n";
        return 1;
    }

    int failure(std::string_view text) {
        err_ << text << "\n";
        return 1;
    }

    int storeFailure(RegResult rc) {
        if (rc == kRegFileNotFound) return failure(kNotFound);
        if (rc == kRegAccessDenied) return failure("FEHLER: Zugriff verweigert.");
        return failure("FEHLER: Die Registrierung meldet den Fehler " + std::to_string(rc) + ".");
    }

    bool confirm(const std::string& question) {
        out_ << question << " (Ja/Nein)? " << std::flush;
        std::string answer;
        std::getline(in_, answer);
        const std::string a = lower(answer);
        if (a == "j" || a == "ja" || a == "y" || a == "yes") return true;
        out_ << kCancelled << "\n";
        return false;
    }

    std::optional<RootedPath> key(const Arguments& a) {
        if (a.positional.empty()) return std::nullopt;
        return splitRootedPath(a.positional[0]);
    }

    int query(const Arguments& a) {
        if (a.positional.size() != 1 || a.separator || a.type || a.data || a.force || a.overwrite || a.allValues)
            return syntaxError("query KEY [/v NAME | /ve] [/s]");
        const auto rooted = key(a);
        if (!rooted) return syntaxError("Ungültiger Schlüsselname \"" + a.positional[0] + "\".");
        RegKey handle = 0;
        if (const RegResult rc = store_.openKey(rooted->root, rooted->path, kKeyRead, handle); rc != kRegOk)
            return storeFailure(rc);
        KeyCloser closer(store_, handle);
        const bool oneValue = a.valueName || a.defaultValue;
        const std::string wanted = a.valueName ? *a.valueName : std::string();
        std::size_t matches = 0;
        const RegResult rc = queryKey(handle, fullName(*rooted), a.recursive, oneValue, wanted, matches);
        if (rc != kRegOk) return storeFailure(rc);
        if (a.recursive) {
            out_ << "\nSuche beendet: " << matches << " Übereinstimmung(en) gefunden.\n";
        } else if (oneValue && matches == 0) {
            if (!a.defaultValue) return failure(kNotFound);
        }
        return 0;
    }

    int add(const Arguments& a) {
        if (a.positional.size() != 1 || a.allValues || a.overwrite || a.recursive)
            return syntaxError("add KEY [/v NAME | /ve] [/t TYPE] [/s SEP] [/d DATA] [/f]");
        const auto rooted = key(a);
        if (!rooted) return syntaxError("Ungültiger Schlüsselname \"" + a.positional[0] + "\".");
        RegType type = kRegSz;
        if (a.type) {
            const auto named = typeByName(*a.type);
            if (!named) return syntaxError("Unbekannter Typ \"" + *a.type + "\".");
            type = *named;
        }
        if (a.separator && type != kRegMultiSz) return syntaxError("/s gilt nur für REG_MULTI_SZ.");
        std::string reason;
        const auto data = dataFromText(type, a.data.value_or(""), a.separator.value_or("\\0"), reason);
        if (!data) return failure("FEHLER: " + reason);
        const bool setsValue = a.valueName || a.defaultValue || a.data || a.type;
        const std::string name = a.valueName.value_or("");
        for (const std::string& problem : {keyPathProblem(rooted->path), valueNameProblem(name)}) {
            if (!problem.empty()) return failure("FEHLER: " + problem);
        }

        RegKey handle = 0;
        if (const RegResult rc = store_.createKey(rooted->root, rooted->path, kKeyAllAccess, handle); rc != kRegOk)
            return storeFailure(rc);
        KeyCloser closer(store_, handle);
        if (setsValue) {
            std::uint32_t size = 0;
            const bool exists = store_.queryValue(handle, name, nullptr, nullptr, &size) == kRegOk;
            if (exists && !a.force &&
                !confirm("Der Wert " + (name.empty() ? std::string(kDefaultName) : name) + " ist bereits vorhanden. Überschreiben"))
                return 1;
            if (const RegResult rc = store_.setValue(handle, name, type, data->data(), static_cast<std::uint32_t>(data->size()));
                rc != kRegOk)
                return storeFailure(rc);
        }
        out_ << kDone << "\n";
        return 0;
    }

    int remove(const Arguments& a) {
        if (a.positional.size() != 1 || a.type || a.data || a.separator || a.overwrite || a.recursive)
            return syntaxError("delete KEY [/v NAME | /ve | /va] [/f]");
        const auto rooted = key(a);
        if (!rooted) return syntaxError("Ungültiger Schlüsselname \"" + a.positional[0] + "\".");
        const std::string whole = fullName(*rooted);
        if (!a.valueName && !a.defaultValue && !a.allValues) {
            if (rooted->path.empty()) return failure("FEHLER: Ein Stammschlüssel kann nicht gelöscht werden.");
            RegKey probe = 0;
            if (const RegResult rc = store_.openKey(rooted->root, rooted->path, kKeyRead, probe); rc != kRegOk)
                return storeFailure(rc);
            store_.closeKey(probe);
            if (!a.force && !confirm("Registrierungsschlüssel " + whole + " löschen")) return 1;
            const RegResult rc =
                store_.applyAtomically([&] { return deleteTree(store_, rooted->root, rooted->path); });
            if (rc != kRegOk) return storeFailure(rc);
            out_ << kDone << "\n";
            return 0;
        }
        RegKey handle = 0;
        if (const RegResult rc = store_.openKey(rooted->root, rooted->path, kKeyRead | kKeySetValue, handle); rc != kRegOk)
            return storeFailure(rc);
        KeyCloser closer(store_, handle);
        std::vector<std::string> names;
        if (a.allValues) {
            std::vector<NamedValue> values;
            if (const RegResult rc = readValues(store_, handle, values); rc != kRegOk) return storeFailure(rc);
            for (NamedValue& v : values) names.push_back(std::move(v.name));
        } else {
            names.push_back(a.valueName.value_or(""));
            std::uint32_t size = 0;
            if (const RegResult rc = store_.queryValue(handle, names[0], nullptr, nullptr, &size); rc != kRegOk)
                return storeFailure(rc);
        }
        const std::string question = a.allValues ? "Alle Werte unter " + whole + " löschen"
                                                 : "Registrierungswert " +
                                                       (names[0].empty() ? std::string(kDefaultName) : names[0]) + " löschen";
        if (!a.force && !confirm(question)) return 1;
        const RegResult rc = store_.applyAtomically([&]() -> RegResult {
            for (const std::string& n : names) {
                if (const RegResult one = store_.deleteValue(handle, n); one != kRegOk) return one;
            }
            return kRegOk;
        });
        if (rc != kRegOk) return storeFailure(rc);
        out_ << kDone << "\n";
        return 0;
    }

    int exportFile(const Arguments& a) {
        if (a.positional.size() != 2 || a.valueName || a.defaultValue || a.allValues || a.type || a.data ||
            a.separator || a.force || a.recursive)
            return syntaxError("export KEY FILE [/y]");
        const auto rooted = key(a);
        if (!rooted) return syntaxError("Ungültiger Schlüsselname \"" + a.positional[0] + "\".");
        const std::string& file = a.positional[1];
        const std::filesystem::path target = utf8Path(file);
        std::string text;
        if (const RegResult rc = exportRegText(store_, rooted->root, rooted->path, text); rc != kRegOk)
            return storeFailure(rc);
        if (namesStoreFile(file))
            return failure("FEHLER: " + file + " ist eine Datei der Registrierungsdatenbank und wird nicht überschrieben.");
        std::error_code ec;
        if (std::filesystem::exists(target, ec) && !a.overwrite &&
            !confirm("Die Datei " + file + " ist bereits vorhanden. Überschreiben"))
            return 1;
        // Written beside the target first, so that a failed write leaves the old file intact. The
        // temporary file is new under a name nobody can foresee, so a link placed beside the
        // target in a shared folder is never written through.
        std::string temporary;
        const std::string bytes = encodeRegFile(text);
        std::random_device entropy;
        for (int attempt = 0; attempt < 16 && temporary.empty(); ++attempt) {
            std::ostringstream name;
            name << file << ".zwreg-" << std::hex << entropy() << entropy();
            if (writeFileNoFollow(name.str(), bytes, FileWrite::CreateNew, false)) temporary = name.str();
        }
        if (temporary.empty()) return failure("FEHLER: Die Datei " + file + " kann nicht geschrieben werden.");
        std::filesystem::rename(utf8Path(temporary), target, ec);
        if (ec) {
            std::filesystem::remove(utf8Path(temporary), ec);
            return failure("FEHLER: Die Datei " + file + " kann nicht geschrieben werden.");
        }
        out_ << kDone << "\n";
        return 0;
    }

    int importFile(const Arguments& a) {
        if (a.positional.size() != 1 || a.valueName || a.defaultValue || a.allValues || a.type || a.data ||
            a.separator || a.force || a.overwrite || a.recursive)
            return syntaxError("import FILE");
        const std::string& file = a.positional[0];
        if (namesStoreFile(file))
            return failure("FEHLER: " + file + " ist eine Datei der Registrierungsdatenbank, keine .reg-Datei. Es wurde nichts geändert.");
        std::error_code ec;
        if (std::filesystem::exists(utf8Path(file), ec) && !std::filesystem::is_regular_file(utf8Path(file), ec))
            return failure("FEHLER: " + file + " ist keine gewöhnliche Datei. Es wurde nichts geändert.");
        std::ifstream stream(utf8Path(file), std::ios::binary);
        if (!stream) return failure("FEHLER: Die Datei " + file + " kann nicht gelesen werden.");
        const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
        const RegFileParse parsed = parseRegFile(bytes);
        if (!parsed.ok())
            return failure("FEHLER: " + file + ", Zeile " + std::to_string(parsed.errorLine) + ": " + parsed.error +
                           " Es wurde nichts geändert.");
        const RegFileApply applied = applyRegFile(store_, parsed.keys);
        if (applied.result != kRegOk) {
            const std::string why = applied.result == kRegAccessDenied ? "Zugriff verweigert"
                                                                        : "Fehler " + std::to_string(applied.result);
            return failure("FEHLER: " + why + " bei " + applied.failedKey + ". " +
                           (applied.rolledBack ? "Es wurde nichts geändert."
                                               : "Nicht alle Änderungen davor konnten zurückgenommen werden."));
        }
        out_ << kDone << "\n";
        return 0;
    }

private:
    // Whether `file` is (or, not yet existing, would be) one of the files the store keeps its data in.
    bool namesStoreFile(const std::string& file) const {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path wanted = fs::weakly_canonical(fs::absolute(utf8Path(file), ec), ec);
        for (const std::string& own : store_.dataFiles()) {
            std::error_code same, canonical;
            if (fs::equivalent(utf8Path(file), utf8Path(own), same) && !same) return true;
            const fs::path ownPath = fs::weakly_canonical(fs::absolute(utf8Path(own), canonical), canonical);
            if (!ec && !canonical && ownPath == wanted) return true;
        }
        return false;
    }

    static std::string fullName(const RootedPath& rooted) {
        return std::string(rootLongName(rooted.root)) + (rooted.path.empty() ? "" : "\\" + rooted.path);
    }

    void printValue(const NamedValue& v) {
        out_ << "    " << (v.name.empty() ? std::string(kDefaultName) : v.name) << "    " << typeName(v.type) << "    "
             << dataText(v.type, v.data) << "\n";
    }

    // Prints one key (and below it, with `recursive`) as reg.exe does.
    RegResult queryKey(RegKey handle, const std::string& name, bool recursive, bool oneValue, const std::string& wanted,
                       std::size_t& matches) {
        std::vector<NamedValue> values;
        std::vector<std::string> children;
        if (const RegResult rc = readValues(store_, handle, values); rc != kRegOk) return rc;
        if (const RegResult rc = readSubKeyNames(store_, handle, children); rc != kRegOk) return rc;

        std::vector<const NamedValue*> shown;
        for (const NamedValue& v : values) {
            if (!oneValue || lower(v.name) == lower(wanted)) shown.push_back(&v);
        }
        const bool printKey = !oneValue || !shown.empty() || (!recursive && wanted.empty());
        if (printKey) {
            out_ << "\n" << name << "\n";
            for (const NamedValue* v : shown) printValue(*v);
            if (oneValue && shown.empty() && wanted.empty())
                out_ << "    " << kDefaultName << "    REG_SZ    (Wert nicht festgelegt)\n";
        }
        matches += shown.size();
        if (!recursive) {
            if (!oneValue) {
                if (!children.empty()) out_ << "\n";
                for (const std::string& child : children) out_ << name << "\\" << child << "\n";
            }
            if (printKey) out_ << "\n";
            return kRegOk;
        }
        if (printKey && !oneValue) ++matches;
        for (const std::string& child : children) {
            RegKey sub = 0;
            if (const RegResult rc = store_.openKey(handle, child, kKeyRead, sub); rc != kRegOk) return rc;
            KeyCloser closer(store_, sub);
            if (const RegResult rc = queryKey(sub, name + "\\" + child, true, oneValue, wanted, matches); rc != kRegOk)
                return rc;
        }
        return kRegOk;
    }

    RegistryStore& store_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace

std::string usageText() {
    return "ZWREG Vorgang [Parameterliste]\n"
           "\n"
           "  Vorgang  == QUERY | ADD | DELETE | EXPORT | IMPORT\n"
           "\n"
           "  zwreg query  SCHLÜSSEL [/v WERT | /ve] [/s]\n"
           "  zwreg add    SCHLÜSSEL [/v WERT | /ve] [/t TYP] [/s TRENNER] [/d DATEN] [/f]\n"
           "  zwreg delete SCHLÜSSEL [/v WERT | /ve | /va] [/f]\n"
           "  zwreg export SCHLÜSSEL DATEI [/y]\n"
           "  zwreg import DATEI\n"
           "\n"
           "  SCHLÜSSEL  STAMM\\Unterschlüssel, STAMM = HKLM | HKCU | HKCR | HKU | HKCC\n"
           "             (oder HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, ...)\n"
           "  /v WERT    der Wert dieses Namens       /ve  der Standardwert (leerer Name)\n"
           "  /va        alle Werte des Schlüssels    /s   (query) auch alle Unterschlüssel\n"
           "  /t TYP     REG_SZ (Vorgabe), REG_MULTI_SZ, REG_EXPAND_SZ, REG_DWORD, REG_QWORD,\n"
           "             REG_BINARY, REG_NONE, REG_DWORD_BIG_ENDIAN\n"
           "  /s TRENNER (add) Trenner der Zeichenfolgen von REG_MULTI_SZ, Vorgabe \\0\n"
           "  /d DATEN   die Daten; Zahlen dezimal oder 0x..., REG_BINARY als Hexadezimalziffern\n"
           "  /f         ohne Rückfrage überschreiben bzw. löschen\n"
           "  /y         (export) eine vorhandene Datei ohne Rückfrage überschreiben\n"
           "\n"
           "  .reg-Dateien: \"Windows Registry Editor Version 5.00\" (geschrieben als UTF-16LE) und\n"
           "  \"REGEDIT4\". Ein Import ändert alles oder nichts.\n"
           "  Rückgabewert: 0 bei Erfolg, 1 bei einem Fehler.\n";
}

int runCommand(const std::vector<std::string>& args, RegistryStore& store, std::istream& in, std::ostream& out,
               std::ostream& err) {
    Command command(store, in, out, err);
    if (args.empty()) return command.syntaxError("Es fehlt der Vorgang.");
    const std::string verb = lower(args[0]);
    if (verb == "/?" || verb == "-?" || verb == "-h" || verb == "--help" || verb == "help") {
        out << usageText();
        return 0;
    }
    const Arguments a = parseArguments(args, 1, verb == "add");
    if (!a.error.empty()) return command.syntaxError(a.error);
    if (verb == "query") return command.query(a);
    if (verb == "add") return command.add(a);
    if (verb == "delete") return command.remove(a);
    if (verb == "export") return command.exportFile(a);
    if (verb == "import") return command.importFile(a);
    return command.syntaxError("Unbekannter Vorgang \"" + args[0] + "\".");
}

}  // namespace zw::zwreg
