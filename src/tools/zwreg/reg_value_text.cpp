#include "reg_value_text.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace zw::zwreg {

using namespace platform;

namespace {

struct TypeName {
    RegType type;
    std::string_view name;
};
constexpr std::array<TypeName, 12> kTypes{{
    {kRegNone, "REG_NONE"},
    {kRegSz, "REG_SZ"},
    {kRegExpandSz, "REG_EXPAND_SZ"},
    {kRegBinary, "REG_BINARY"},
    {kRegDword, "REG_DWORD"},
    {kRegDwordBigEndian, "REG_DWORD_BIG_ENDIAN"},
    {kRegLink, "REG_LINK"},
    {kRegMultiSz, "REG_MULTI_SZ"},
    {kRegResourceList, "REG_RESOURCE_LIST"},
    {kRegFullResourceDescriptor, "REG_FULL_RESOURCE_DESCRIPTOR"},
    {kRegResourceRequirementsList, "REG_RESOURCE_REQUIREMENTS_LIST"},
    {kRegQword, "REG_QWORD"},
}};

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string hexNumber(unsigned long long n) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", n);
    return text;
}

std::string upperHex(const std::vector<std::uint8_t>& data) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const std::uint8_t b : data) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

// A whole number in decimal or, after "0x", in hexadecimal, that fits `max`.
std::optional<unsigned long long> number(std::string_view text, unsigned long long max) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long long n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n > max) return std::nullopt;
    return n;
}

}  // namespace

std::string typeName(RegType type) {
    for (const TypeName& t : kTypes) {
        if (t.type == type) return std::string(t.name);
    }
    char text[24];
    std::snprintf(text, sizeof text, "REG_0x%x", static_cast<unsigned>(type));
    return text;
}

std::optional<RegType> typeByName(std::string_view name) {
    const std::string wanted = upper(name);
    if (wanted == "REG_DWORD_LITTLE_ENDIAN") return kRegDword;
    for (const TypeName& t : kTypes) {
        if (t.name == wanted) return t.type;
    }
    return std::nullopt;
}

std::string dataText(RegType type, const std::vector<std::uint8_t>& data) {
    const std::string_view raw(reinterpret_cast<const char*>(data.data()), data.size());
    switch (type) {
    case kRegSz:
    case kRegExpandSz:
        return std::string(raw.substr(0, raw.find('\0')));
    case kRegMultiSz: {
        std::string out;
        std::size_t start = 0;
        while (start < raw.size()) {
            std::size_t end = raw.find('\0', start);
            if (end == std::string_view::npos) end = raw.size();
            if (end == start) break;  // the empty string that ends the list
            if (!out.empty()) out += "\\0";
            out += raw.substr(start, end - start);
            start = end + 1;
        }
        return out;
    }
    case kRegDword:
    case kRegDwordBigEndian:
        if (data.size() == 4) {
            const bool big = type == kRegDwordBigEndian;
            unsigned long long n = 0;
            for (int i = 0; i < 4; ++i) n |= static_cast<unsigned long long>(data[big ? 3 - i : i]) << (8 * i);
            return hexNumber(n);
        }
        return upperHex(data);
    case kRegQword:
        if (data.size() == 8) {
            unsigned long long n = 0;
            for (int i = 0; i < 8; ++i) n |= static_cast<unsigned long long>(data[i]) << (8 * i);
            return hexNumber(n);
        }
        return upperHex(data);
    default:
        return upperHex(data);
    }
}

std::optional<std::vector<std::uint8_t>> dataFromText(RegType type, std::string_view text, std::string_view separator,
                                                      std::string& error) {
    std::vector<std::uint8_t> out;
    auto littleEndian = [&out](unsigned long long n, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
    };
    switch (type) {
    case kRegDword:
    case kRegDwordBigEndian: {
        const auto n = number(text, 0xFFFFFFFFull);
        if (!n) {
            error = "Ungültiger Wert für " + typeName(type) + ": \"" + std::string(text) +
                    "\" (erwartet: 0 bis 4294967295 oder 0x0 bis 0xffffffff).";
            return std::nullopt;
        }
        littleEndian(*n, 4);
        if (type == kRegDwordBigEndian) std::swap(out[0], out[3]), std::swap(out[1], out[2]);
        return out;
    }
    case kRegQword: {
        const auto n = number(text, ~0ull);
        if (!n) {
            error = "Ungültiger Wert für REG_QWORD: \"" + std::string(text) + "\".";
            return std::nullopt;
        }
        littleEndian(*n, 8);
        return out;
    }
    case kRegBinary: {
        if (text.size() % 2 != 0) {
            error = "REG_BINARY braucht eine gerade Anzahl Hexadezimalziffern.";
            return std::nullopt;
        }
        for (std::size_t i = 0; i < text.size(); i += 2) {
            unsigned value = 0;
            const auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
            if (ec != std::errc() || end != text.data() + i + 2) {
                error = "\"" + std::string(text.substr(i, 2)) + "\" ist kein Byte in Hexadezimalschreibweise.";
                return std::nullopt;
            }
            out.push_back(static_cast<std::uint8_t>(value));
        }
        return out;
    }
    case kRegMultiSz: {
        std::size_t start = 0;
        while (!text.empty() && start <= text.size()) {
            std::size_t end = separator.empty() ? std::string_view::npos : text.find(separator, start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view part = text.substr(start, end - start);
            if (part.empty()) {
                error = "REG_MULTI_SZ darf keine leere Zeichenfolge enthalten.";
                return std::nullopt;
            }
            out.insert(out.end(), part.begin(), part.end());
            out.push_back(0);
            start = end + separator.size();
            if (end == text.size()) break;
        }
        out.push_back(0);
        return out;
    }
    default:  // strings and every other type: the text with its terminating NUL
        out.assign(text.begin(), text.end());
        out.push_back(0);
        return out;
    }
}

}  // namespace zw::zwreg
