// Text of the plain-C++ tables (UTF-8) for the windows.
#pragma once

#include <QString>

#include <string_view>

namespace zw::shell {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zw::shell
