#include "command_line.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "app_strings.h"
#include "file_names.h"
#include "qt_text.h"
#include "reelkeep_version.h"

namespace reelkeep {

namespace {

constexpr int kUsageStatus = 2;

// The options QGuiApplication and QApplication take for themselves, with one dash or two.
constexpr std::array<std::string_view, 13> kQtValueOptions = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name"};
constexpr std::array<std::string_view, 5> kQtFlagOptions = {"reverse", "widgetcount", "nograb",
                                                            "dograb", "qmljsdebugger"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, const QString& name) {
    for (const std::string_view known : names) {
        if (name == QLatin1String(known.data(), static_cast<qsizetype>(known.size()))) {
            return true;
        }
    }
    return false;
}

// How many arguments a Qt option starting at argument takes (itself and its value); 0 when it
// is none of Qt's.
int QtOptionLength(const QString& argument) {
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const bool hasInlineValue = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    if (Contains(kQtFlagOptions, name)) return 1;
    if (Contains(kQtValueOptions, name)) return hasInlineValue ? 1 : 2;
    return 0;
}

QString Message(const char* format, const QString& argument) {
    return QString::fromUtf8(format).arg(argument);
}

// One option at arguments[i]; returns the index of the last argument it used.
qsizetype ReadOption(const QStringList& arguments, qsizetype i, CommandLine& line) {
    const QString& option = arguments[i];
    if (option == QLatin1String("-h") || option == QLatin1String("--help")) {
        line.help = true;
    } else if (option == QLatin1String("--version")) {
        line.version = true;
    } else if (option == QLatin1String("-p") || option == QLatin1String("--print")) {
        if (i + 1 == arguments.size()) {
            line.error = Message(appstr::kMissingValue, option);
            return i;
        }
        line.printFile = arguments[++i];
    } else if (option.startsWith(QLatin1String("--print="))) {
        line.printFile = option.section(QLatin1Char('='), 1);
        if (line.printFile.isEmpty()) line.error = Message(appstr::kMissingValue, option);
    } else if (const int length = QtOptionLength(option); length > 0) {
        return i + length - 1;
    } else {
        line.error = Message(appstr::kUnknownOption, option);
    }
    return i;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    CommandLine line;
    QStringList files;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.startsWith(QLatin1Char('-'))) {
            i = ReadOption(arguments, i, line);
        } else {
            files.append(argument);
        }
    }
    // A file to print is the one file of the run.
    const qsizetype allowedFiles = line.printFile.isEmpty() ? 1 : 0;
    if (line.error.isEmpty() && files.size() > allowedFiles) {
        line.error = Message(appstr::kExtraArgument, files[allowedFiles]);
    }
    if (line.printFile.isEmpty() && !files.isEmpty()) line.file = files.front();
    return line;
}

QStringList ArgumentList(int argc, const char* const* argv) {
    QStringList arguments;
    // Kept byte for byte: a file name need not be valid UTF-8.
    for (int i = 0; i < argc; ++i) arguments.append(PathFromBytes(argv[i]));
    return arguments;
}

std::optional<int> AnswerOnTerminal(const CommandLine& line) {
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n",
                     FromQt(Message(appstr::kCommandLineError, line.error)).c_str(),
                     appstr::kTryHelp);
        return kUsageStatus;
    }
    if (line.help) {
        std::fputs(appstr::kUsage, stdout);
        return 0;
    }
    if (line.version) {
        const QString text =
            QString::fromUtf8(appstr::kVersionFormat).arg(kReleaseVersion, kBuildDescription);
        std::printf("%s\n", FromQt(text).c_str());
        return 0;
    }
    return std::nullopt;
}

}  // namespace reelkeep
