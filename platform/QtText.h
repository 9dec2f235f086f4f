#pragma once

#include "data/TextEncoding.h"

#include <QString>

#include <string>
#include <string_view>

namespace orvella {

// The one place where cell bytes and Qt text meet: bytes show as UTF-8 when valid and as
// Windows-1252 otherwise; text typed by the user is stored as UTF-8.
inline QString toQt(std::string_view bytes) {
    const std::string utf8 = cellTextAsUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string fromQt(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace orvella
