#include "terminal_dialogs.h"

#include <QStringList>
#include <cstdio>

#include "app_strings.h"

namespace reelkeep {

namespace {

// text on one line, without the lines that only name the file.
QString OneLine(const QString& text, const QString& file) {
    QStringList kept;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && trimmed != file) kept.append(trimmed);
    }
    return kept.join(QLatin1Char(' '));
}

}  // namespace

MessageAnswer CTerminalDialogs::ShowMessage(QWidget*, const QString& text, MessageButtons buttons,
                                            MessageIcon) {
    const QString line = appstr::Tr(appstr::kCannotPrint).arg(file_, OneLine(text, file_));
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace reelkeep
