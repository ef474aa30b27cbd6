#pragma once

#include <string_view>

#include <QString>

namespace hobwatch {

// The program keeps its texts as UTF-8; Qt keeps them as UTF-16.
inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace hobwatch
