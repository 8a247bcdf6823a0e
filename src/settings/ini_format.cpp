#include "ini_format.h"

#include <QIODevice>
#include <QMap>
#include <QTextStream>

namespace reelkeep {

namespace {

QString EscapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            // A byte of a file name that is not UTF-8, kept as a lone surrogate: the file
            // itself is UTF-8, so the byte is written as "\xHH".
            out += QStringLiteral("\\x") +
                   QString::number(c.unicode() - 0xDC00, 16).toUpper().rightJustified(2, u'0');
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapeValue(QStringView value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == u'x' && i + 2 < value.size()) {
            bool isHex = false;
            const int byte = value.sliced(i + 1, 2).toInt(&isHex, 16);
            if (isHex && byte >= 0x80) {
                out += QChar(static_cast<char16_t>(0xDC00 + byte));
                i += 2;
                continue;
            }
        }
        out += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return out;
}

QString ValueText(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? QStringLiteral("1") : "0";
    return value.toString();
}

}  // namespace

bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
    QTextStream in(&device);
    QString section;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QStringView trimmed = QStringView(line).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed().toString();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;  // not a value line; skipped like a comment
        const QString name = line.left(eq).trimmed();
        if (name.isEmpty()) continue;
        const QString key = section.isEmpty() ? name : section + u'/' + name;
        map.insert(key, UnescapeValue(QStringView(line).mid(eq + 1)));
    }
    return in.status() == QTextStream::Ok;
}

bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
    // Group the values by section, keeping the names' order inside each.
    QMap<QString, QStringList> sections;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        const QString section = slash < 0 ? QString() : it.key().left(slash);
        const QString name = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section].append(name + u'=' + EscapeValue(ValueText(it.value())));
    }
    QTextStream out(&device);
    bool first = true;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!first) out << '\n';
        first = false;
        if (!it.key().isEmpty()) out << '[' << it.key() << "]\n";
        for (const QString& line : it.value()) out << line << '\n';
    }
    out.flush();
    return out.status() == QTextStream::Ok;
}

QSettings::Format PlainIniFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadPlainIni, WritePlainIni);
    return format;
}

}  // namespace reelkeep
