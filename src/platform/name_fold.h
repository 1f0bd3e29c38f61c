// Case-insensitive registry names: a folded copy of a name that compares equal for every
// spelling the registry treats as the same name ("Ü" and "ü", "Software" and "SOFTWARE").
#pragma once

#include <string>
#include <string_view>

namespace zw::platform {

// Upper-cases one Unicode code point the way the registry compares names (ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic letters); other code points stay as they are.
char32_t foldCodePoint(char32_t c);

// Folds a UTF-8 name. Bytes that are not valid UTF-8 are kept unchanged.
std::string foldName(std::string_view utf8);

// Number of characters (code points; stray bytes count one each) in a UTF-8 name.
std::size_t nameLength(std::string_view utf8);

}  // namespace zw::platform
