// What a key path or a value name must be before anything is written under it, and how a
// message quotes a name that may be long or hold control characters.
#pragma once

#include <string>
#include <string_view>

namespace zw::platform {

// What is wrong with a key path below a root (single backslashes between the names), in
// German; empty when nothing is. Refused: an empty name (a leading or doubled backslash), a
// name longer than 255 characters, a name with a control character (key names are printable
// text) and a path deeper than kMaxKeyDepth names.
std::string keyPathProblem(std::string_view path);

// What is wrong with a value name, in German; empty when nothing is. Refused: a NUL (it would
// cut the name short on its way through the 8-bit interface) and more than 16383 characters.
std::string valueNameProblem(std::string_view name);

// A name as a message shows it: at most 40 characters (then "…"), control characters as "?".
std::string quotedName(std::string_view name);

}  // namespace zw::platform
