// The core's texts (UTF-8) as Qt holds them.
#pragma once

#include <QString>

#include <string_view>

namespace tensora {

inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tensora
