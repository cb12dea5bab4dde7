#pragma once

#include <QString>
#include <string_view>

namespace kadenzo {

// The calculations and the control table speak UTF-8 string views; the toolkit speaks QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kadenzo
