#pragma once

#include <QLocale>
#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace orbisk::gui {

/// Texts between the core and the windows: the core's texts are UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

/// The learner's decimal point, as the desktop writes numbers: "." or ",".
inline std::string DecimalPoint() {
    return QLocale().decimalPoint().toStdString();
}

/// A file's full path as the learner reads it in a message.
inline QString PathText(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

} // namespace orbisk::gui
