#pragma once

#include <QCoreApplication>
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

// The user's-language form of one of the program's English texts, marked for the translation
// tools under context; the text itself while no translation for it is loaded.
inline QString Translated(const char* context, std::string_view english) {
    const std::string key(english);
    return QCoreApplication::translate(context, key.c_str());
}

// The same for a text of the core (its messages.h).
inline QString CoreText(std::string_view english) { return Translated("Core", english); }

}  // namespace reelkeep
