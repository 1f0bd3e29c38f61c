#include "registry_names.h"

#include "name_fold.h"
#include "registry_store.h"

namespace zw::platform {

namespace {

bool isControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

}  // namespace

std::string keyPathProblem(std::string_view path) {
    std::size_t depth = 0;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view name = path.substr(start, end - start);
        if (name.empty()) {
            if (path.empty()) return {};  // the root itself
            return "Der Schlüsselpfad \"" + quotedName(path) + "\" enthält einen leeren Namen (\"\\\\\").";
        }
        if (nameLength(name) > kMaxKeyNameLength)
            return "Der Schlüsselname \"" + quotedName(name) + "\" ist länger als " + std::to_string(kMaxKeyNameLength) +
                   " Zeichen.";
        for (const char c : name) {
            if (isControl(c)) return "Der Schlüsselname \"" + quotedName(name) + "\" enthält ein Steuerzeichen.";
        }
        if (++depth > kMaxKeyDepth)
            return "Der Schlüsselpfad ist tiefer als " + std::to_string(kMaxKeyDepth) + " Ebenen.";
        start = end + 1;
    }
    return {};
}

std::string valueNameProblem(std::string_view name) {
    if (name.find('\0') != std::string_view::npos)
        return "Der Wertname \"" + quotedName(name) + "\" enthält ein NUL-Zeichen.";
    if (nameLength(name) > kMaxValueNameLength)
        return "Der Wertname \"" + quotedName(name) + "\" ist länger als " + std::to_string(kMaxValueNameLength) +
               " Zeichen.";
    return {};
}

std::string quotedName(std::string_view name) {
    constexpr std::size_t kShown = 40;
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (!continuation && characters++ == kShown) return out + "…";
        out.push_back(isControl(name[i]) ? '?' : name[i]);
    }
    return out;
}

}  // namespace zw::platform
