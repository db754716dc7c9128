// The core's texts (UTF-8) as Qt holds them.
#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

namespace tensora {

// Captions outside any window class (the printed report, drawings, shared helpers), in the
// program's language.
struct UiText {
    Q_DECLARE_TR_FUNCTIONS(UiText)
};

inline QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A file's path as the system names it, for the core's file routines.
inline std::filesystem::path local_path(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace tensora
