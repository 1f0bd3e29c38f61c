// Writing .reg files as Windows' registry editor does (version 5.00).
#include "reg_file.h"

#include "registry_roots.h"
#include "registry_tree.h"
#include "utf8.h"

#include <cstdio>

namespace zw::platform {

namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::size_t kLineWidth = 77;  // a continued hex line is cut after this many characters

std::string escaped(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

// A REG_SZ that a quoted text can carry: valid UTF-8, no NUL but one at the very end.
bool plainText(const std::vector<std::uint8_t>& data, std::string_view& text) {
    std::size_t size = data.size();
    if (size && data[size - 1] == 0) --size;
    text = std::string_view(reinterpret_cast<const char*>(data.data()), size);
    return text.find('\0') == std::string_view::npos && isValidUtf8(text);
}

// The width is counted in the file's UTF-16 characters, so a name with umlauts is cut where
// regedit cuts it, not where its UTF-8 bytes would reach the width.
void appendHex(std::string& out, std::string_view prefix, const std::vector<std::uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::size_t column = utf8ToUtf16le(prefix).size() / 2;
    out += prefix;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out.push_back(kDigits[bytes[i] >> 4]);
        out.push_back(kDigits[bytes[i] & 0x0F]);
        if (i + 1 == bytes.size()) break;
        out.push_back(',');
        column += 3;
        if (column >= kLineWidth) {
            out += "\\";
            out += kNewLine;
            out += "  ";
            column = 2;
        }
    }
    out += kNewLine;
}

void appendValue(std::string& out, const NamedValue& v) {
    const std::string name = v.name.empty() ? std::string("@") : escaped(v.name);
    std::string_view text;
    if (v.type == kRegSz && plainText(v.data, text)) {
        out += name + "=" + escaped(text);
        out += kNewLine;
        return;
    }
    if (v.type == kRegDword && v.data.size() == 4) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%08x",
                      static_cast<unsigned>(v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (v.data[3] << 24)));
        out += name + "=dword:" + digits;
        out += kNewLine;
        return;
    }
    if (v.type == kRegBinary) {
        appendHex(out, name + "=hex:", v.data);
        return;
    }
    std::vector<std::uint8_t> bytes = v.data;
    if (v.type == kRegSz || v.type == kRegExpandSz || v.type == kRegMultiSz)
        bytes = utf8ToUtf16le(std::string_view(reinterpret_cast<const char*>(v.data.data()), v.data.size()));
    char type[16];
    std::snprintf(type, sizeof type, "%x", static_cast<unsigned>(v.type));
    appendHex(out, name + "=hex(" + type + "):", bytes);
}

}  // namespace

RegResult exportRegText(RegistryStore& store, RegKey root, const std::string& path, std::string& text) {
    std::string out = "Windows Registry Editor Version 5.00";
    out += kNewLine;
    out += kNewLine;
    const RegResult rc = visitTree(store, root, path, [&](const std::string& at, std::vector<NamedValue>& values) {
        out += "[" + std::string(rootLongName(root)) + (at.empty() ? "" : "\\" + at) + "]";
        out += kNewLine;
        for (const NamedValue& v : values) appendValue(out, v);
        out += kNewLine;
    });
    if (rc != kRegOk) return rc;
    text = std::move(out);
    return kRegOk;
}

std::string encodeRegFile(std::string_view text) {
    const std::vector<std::uint8_t> units = utf8ToUtf16le(text);
    std::string bytes = "\xFF\xFE";
    bytes.append(reinterpret_cast<const char*>(units.data()), units.size());
    return bytes;
}

}  // namespace zw::platform
