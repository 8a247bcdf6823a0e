#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace reelkeep {

// The core keeps UTF-8 bytes, the widgets QString; every crossing goes through these two.
inline QString ToQt(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string FromQt(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace reelkeep
