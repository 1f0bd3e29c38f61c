#include "separator.h"

namespace zw::shell {

std::string withTrailingSeparator(std::string_view folder, char separator) {
    std::string out(folder);
    if (out.empty() || (out.back() != '\\' && out.back() != '/')) out += separator;
    return out;
}

}  // namespace zw::shell
