#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace orbisk::gui {

/// Core texts are UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

} // namespace orbisk::gui
