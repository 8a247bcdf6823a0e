#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace reelkeep {

struct CommandLine {
    QString file;       // the catalogue to open; empty for none
    QString printFile;  // -p / --print FILE
    bool help = false;
    bool version = false;
    QString error;  // not empty when the arguments could not be read; names the argument
};

// Reads the arguments (the program's name first). Qt's own options are let through for Qt.
// Needs no application object, so it can run before there is a display.
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments, before there is an application object; unlike QApplication::arguments(), a
// file name that is not valid UTF-8 keeps its bytes (see file_names.h).
QStringList ArgumentList(int argc, const char* const* argv);

// Answers --help, --version and wrong usage on the terminal; the exit status when the run ends
// there (0, or 2 for wrong usage), nullopt when the window is to start.
std::optional<int> AnswerOnTerminal(const CommandLine& line);

}  // namespace reelkeep
