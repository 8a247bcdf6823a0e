#include "file_names.h"

#include <unistd.h>

#include <QDir>
#include <array>

namespace reelkeep {

namespace {

constexpr char16_t kKeptByteBase = 0xDC00;

bool IsKeptByte(QChar c) { return c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF; }

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at bytes[i]; 0 when there is none.
qsizetype Utf8SequenceAt(QByteArrayView bytes, qsizetype i) {
    const auto at = [&](qsizetype k) { return static_cast<unsigned char>(bytes[i + k]); };
    const unsigned char lead = at(0);
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    char32_t lowest = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (qsizetype k = 1; k < length; ++k) {
        if (!IsContinuation(at(k))) return 0;
        code = (code << 6) | (at(k) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

QString PathFromBytes(QByteArrayView bytes) {
    QString path;
    path.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    const auto flushRun = [&] { path += QString::fromUtf8(bytes.sliced(runStart, i - runStart)); };
    while (i < bytes.size()) {
        const qsizetype length = Utf8SequenceAt(bytes, i);
        if (length > 0) {
            i += length;
            continue;
        }
        flushRun();
        path += QChar(static_cast<char16_t>(kKeptByteBase + static_cast<unsigned char>(bytes[i])));
        runStart = ++i;
    }
    flushRun();
    return path;
}

QByteArray PathBytes(QStringView path) {
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < path.size(); ++i) {
        // A low surrogate after a high one is half of a real character, not a kept byte.
        if (!IsKeptByte(path[i]) || (i > 0 && path[i - 1].isHighSurrogate())) continue;
        bytes += path.sliced(runStart, i - runStart).toUtf8();
        bytes += static_cast<char>(path[i].unicode() - kKeptByteBase);
        runStart = i + 1;
    }
    bytes += path.sliced(runStart).toUtf8();
    return bytes;
}

std::string CorePath(QStringView path) { return PathBytes(path).toStdString(); }

QString DisplayPath(QStringView path) {
    // Decoded the way Qt decodes any other name: the unreadable bytes become U+FFFD.
    return QString::fromUtf8(PathBytes(path));
}

QString DisplayFileName(QStringView path) {
    const QString shown = DisplayPath(path);
    return shown.mid(shown.lastIndexOf(u'/') + 1);
}

QString AbsolutePath(const QString& path) {
    if (path.isEmpty() || QDir::isAbsolutePath(path)) return QDir::cleanPath(path);
    // The current folder's own name may hold such bytes too, which QDir::currentPath loses.
    std::array<char, 4096> folder{};
    const QString base = ::getcwd(folder.data(), folder.size()) != nullptr
                             ? PathFromBytes(folder.data())
                             : QDir::currentPath();
    return QDir::cleanPath(base + u'/' + path);
}

}  // namespace reelkeep
