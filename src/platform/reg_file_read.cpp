// Reading .reg files: decoding, logical lines, key and value lines.
#include "reg_file.h"

#include "registry_names.h"
#include "registry_roots.h"
#include "registry_tree.h"
#include "utf8.h"

#include <cctype>

namespace zw::platform {

namespace {

constexpr std::string_view kVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kRegedit4 = "REGEDIT4";

// The file's text as UTF-8, whatever encoding it came in.
std::string decode(std::string_view bytes) {
    const auto* b = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (bytes.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return utf16leToUtf8(b + 2, bytes.size() - 2);
    if (bytes.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF) {
        std::vector<std::uint8_t> swapped(b + 2, b + bytes.size());
        for (std::size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
        return utf16leToUtf8(swapped.data(), swapped.size());
    }
    if (bytes.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) bytes.remove_prefix(3);
    else if (bytes.size() >= 2 && b[0] != 0 && b[1] == 0) return utf16leToUtf8(b, bytes.size());  // no BOM
    return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

struct PhysicalLine {
    std::string_view text;
    int number;
};

std::vector<PhysicalLine> splitLines(std::string_view text) {
    std::vector<PhysicalLine> lines;
    int number = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n' || text[i] == '\r') {
            lines.push_back({text.substr(start, i - start), number++});
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    return lines;
}

class Parser {
public:
    explicit Parser(bool unicode) : unicode_(unicode) {}

    // Reads one logical line; false with error_ set when it is malformed.
    bool line(std::string_view text, int number) {
        line_ = number;
        text = trim(text);
        if (text.empty() || text.front() == ';') return true;
        if (text.front() == '[') return keyLine(text);
        return valueLine(text);
    }

    RegFileParse result;
    std::string error_;

private:
    bool fail(std::string message) {
        error_ = std::move(message);
        return false;
    }

    bool keyLine(std::string_view text) {
        if (text.back() != ']') return fail("Die Schlüsselzeile endet nicht mit \"]\".");
        std::string_view inner = text.substr(1, text.size() - 2);
        RegFileKey key;
        key.line = line_;
        if (!inner.empty() && inner.front() == '-') {
            key.remove = true;
            inner.remove_prefix(1);
        }
        std::string problem;
        const auto rooted = splitRootedPath(inner, &problem);
        if (!rooted) return fail(problem);
        if (problem = keyPathProblem(rooted->path); !problem.empty()) return fail(problem);
        key.root = rooted->root;
        key.path = rooted->path;
        // Deleting a whole root would empty it (regedit refuses this too).
        if (key.remove && key.path.find_first_not_of('\\') == std::string::npos)
            return fail("Ein Stammschlüssel kann nicht gelöscht werden.");
        result.keys.push_back(std::move(key));
        return true;
    }

    // A quoted text with \\ and \" escapes starting at `pos`; moves `pos` past the closing quote.
    bool quoted(std::string_view text, std::size_t& pos, std::string& out) {
        ++pos;
        while (pos < text.size()) {
            const char c = text[pos];
            if (c == '"') {
                ++pos;
                return true;
            }
            if (c == '\\' && pos + 1 < text.size() && (text[pos + 1] == '\\' || text[pos + 1] == '"')) {
                out.push_back(text[pos + 1]);
                pos += 2;
                continue;
            }
            out.push_back(c);
            ++pos;
        }
        return fail("Ein Anführungszeichen wird nicht geschlossen.");
    }

    bool valueLine(std::string_view text) {
        if (result.keys.empty()) return fail("Ein Wert steht vor dem ersten Schlüssel.");
        RegFileKey& key = result.keys.back();
        if (key.remove) return fail("Ein gelöschter Schlüssel kann keine Werte haben.");
        RegFileValue value;
        std::size_t pos = 0;
        if (text.front() == '@') {
            pos = 1;
        } else if (text.front() == '"') {
            if (!quoted(text, pos, value.name)) return false;
        } else {
            return fail("Die Zeile ist weder Schlüssel noch Wert.");
        }
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
        if (pos >= text.size() || text[pos] != '=') return fail("Nach dem Wertnamen fehlt \"=\".");
        if (std::string problem = valueNameProblem(value.name); !problem.empty()) return fail(problem);
        if (!data(trim(text.substr(pos + 1)), value)) return false;
        key.values.push_back(std::move(value));
        return true;
    }

    static bool startsWith(std::string_view s, std::string_view prefix) {
        if (s.size() < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
        }
        return true;
    }

    static int hexDigit(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    bool data(std::string_view text, RegFileValue& value) {
        if (text == "-") {
            value.remove = true;
            return true;
        }
        if (!text.empty() && text.front() == '"') {
            std::string content;
            std::size_t pos = 0;
            if (!quoted(text, pos, content)) return false;
            if (!trim(text.substr(pos)).empty() && trim(text.substr(pos)).front() != ';')
                return fail("Nach dem Text folgen weitere Zeichen.");
            value.type = kRegSz;
            value.data.assign(content.begin(), content.end());
            value.data.push_back(0);
            return true;
        }
        if (startsWith(text, "dword:")) {
            const std::string_view digits = trim(text.substr(6));
            if (digits.empty() || digits.size() > 8) return fail("Ein dword-Wert braucht 1 bis 8 Hexadezimalziffern.");
            std::uint32_t number = 0;
            for (const char c : digits) {
                const int d = hexDigit(c);
                if (d < 0) return fail("Ein dword-Wert enthält \"" + std::string(1, c) + "\".");
                number = number * 16 + static_cast<std::uint32_t>(d);
            }
            value.type = kRegDword;
            for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<std::uint8_t>(number >> (8 * i)));
            return true;
        }
        if (startsWith(text, "hex:")) {
            value.type = kRegBinary;
            return bytes(text.substr(4), value);
        }
        if (startsWith(text, "hex(")) {
            const std::size_t close = text.find("):");
            if (close == std::string_view::npos || close == 4 || close > 12)
                return fail("Nach \"hex(\" fehlt der Typ mit \"):\".");
            std::uint32_t type = 0;
            for (const char c : text.substr(4, close - 4)) {
                const int d = hexDigit(c);
                if (d < 0) return fail("Der Typ in \"hex(...)\" ist keine Hexadezimalzahl.");
                type = type * 16 + static_cast<std::uint32_t>(d);
            }
            value.type = type;
            if (!bytes(text.substr(close + 2), value)) return false;
            convertStringBytes(value);
            return true;
        }
        return fail("Unbekannte Wertangabe \"" + std::string(text.substr(0, 20)) + "\".");
    }

    bool bytes(std::string_view list, RegFileValue& value) {
        list = trim(list);
        if (list.empty()) return true;
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t comma = list.find(',', start);
            if (comma == std::string_view::npos) comma = list.size();
            const std::string_view token = trim(list.substr(start, comma - start));
            if (token.empty()) {
                if (comma == list.size()) break;  // a trailing comma
                return fail("Zwischen zwei Kommas fehlt ein Byte.");
            }
            if (token.size() > 2 || hexDigit(token[0]) < 0 || (token.size() == 2 && hexDigit(token[1]) < 0))
                return fail("\"" + std::string(token) + "\" ist kein Byte in Hexadezimalschreibweise.");
            int byte = hexDigit(token[0]);
            if (token.size() == 2) byte = byte * 16 + hexDigit(token[1]);
            value.data.push_back(static_cast<std::uint8_t>(byte));
            start = comma + 1;
        }
        return true;
    }

    // String types in hex form: UTF-16LE in version 5 files, 8-bit text in REGEDIT4 files.
    void convertStringBytes(RegFileValue& value) const {
        if (value.type != kRegSz && value.type != kRegExpandSz && value.type != kRegMultiSz) return;
        std::string text;
        if (unicode_) {
            text = utf16leToUtf8(value.data.data(), value.data.size());
        } else {
            const std::string_view raw(reinterpret_cast<const char*>(value.data.data()), value.data.size());
            text = isValidUtf8(raw) ? std::string(raw) : cp1252ToUtf8(raw);
        }
        value.data.assign(text.begin(), text.end());
    }

    bool unicode_;
    int line_ = 0;
};

bool isHexValueLine(std::string_view text) {
    // The "=" after the value's name: a quoted name may hold "=" itself.
    std::size_t from = 0;
    const std::string_view lead = trim(text);
    if (!lead.empty() && lead.front() == '"') {
        from = text.find('"');
        for (++from; from < text.size() && text[from] != '"'; ++from) {
            if (text[from] == '\\') ++from;
        }
    }
    const std::size_t eq = text.find('=', from);
    if (eq == std::string_view::npos) return false;
    const std::string_view rest = trim(text.substr(eq + 1));
    return rest.size() >= 4 && (rest.substr(0, 4) == "hex:" || rest.substr(0, 4) == "hex(" ||
                                rest.substr(0, 4) == "HEX:" || rest.substr(0, 4) == "HEX(");
}

}  // namespace

RegFileParse parseRegFile(std::string_view bytes) {
    const std::string text = decode(bytes);
    const std::vector<PhysicalLine> lines = splitLines(text);
    RegFileParse failed;

    std::size_t i = 0;
    while (i < lines.size() && trim(lines[i].text).empty()) ++i;
    if (i == lines.size()) {
        failed.errorLine = 1;
        failed.error = "Die Datei ist leer.";
        return failed;
    }
    const std::string_view header = trim(lines[i].text);
    if (header != kVersion5 && header != kRegedit4) {
        failed.errorLine = lines[i].number;
        failed.error = "Die erste Zeile muss \"" + std::string(kVersion5) + "\" oder \"" + std::string(kRegedit4) +
                       "\" lauten.";
        return failed;
    }
    Parser parser(header == kVersion5);
    for (++i; i < lines.size(); ++i) {
        const int number = lines[i].number;
        std::string logical(lines[i].text);
        // A hex value continues on the next line after a trailing backslash.
        if (isHexValueLine(logical)) {
            while (!trim(logical).empty() && trim(logical).back() == '\\' && i + 1 < lines.size()) {
                logical = std::string(trim(logical));
                logical.pop_back();
                logical += trim(lines[++i].text);
            }
        }
        if (!parser.line(logical, number)) {
            failed.errorLine = number;
            failed.error = parser.error_;
            return failed;
        }
    }
    return std::move(parser.result);
}

}  // namespace zw::platform
