#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <memory>

#include "app_strings.h"
#include "command_line.h"
#include "file_names.h"
#include "main_frame.h"
#include "reelkeep_app.h"
#include "settings_store.h"
#include "single_instance.h"
#include "terminal_dialogs.h"
#include "translations.h"

namespace {

// The exit status when this start ends here: its request went to the Reelkeep already running,
// or that one did not answer (a second window would only open the same file twice). Otherwise
// this start runs the window, listening on server when it could.
std::optional<int> HandOverToRunningWindow(reelkeep::CInstanceServer& server,
                                           const reelkeep::CommandLine& line) {
    using namespace reelkeep;
    const QString file = line.file.isEmpty() ? QString() : AbsolutePath(line.file);
    switch (ClaimOrHandOver(server, InstanceServerName(), file)) {
        case InstanceClaim::HandedOver:
            return 0;
        case InstanceClaim::NoAnswer: {
            const QString message =
                appstr::Tr(appstr::kNoAnswer).arg(QLocale().toString(kHandOverTimeoutMs / 1000));
            std::fprintf(stderr, "%s\n", message.toUtf8().constData());
            return 1;
        }
        case InstanceClaim::Serving:
        case InstanceClaim::Alone:
            break;
    }
    return std::nullopt;
}

// A print run needs no screen: without a display it draws offscreen, as a script expects.
void ChooseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// reelkeep -p: prints and ends. It opens no window and asks nothing, so it neither hands over
// nor takes requests; what goes wrong is said on stderr.
int PrintWithoutWindow(const QStringList& arguments, const QString& file) {
    using namespace reelkeep;
    CReelkeepApp reelkeep(std::make_unique<CSettingsStore>(),
                          std::make_unique<CTerminalDialogs>(DisplayPath(file)));
    if (!reelkeep.Start(arguments)) return 1;
    return reelkeep.ExitStatus().value_or(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace reelkeep;
    // Before the application, which needs a display: --help must work without one.
    const QStringList arguments = ArgumentList(argc, argv);
    const CommandLine line = ParseCommandLine(arguments);
    if (const std::optional<int> status = AnswerOnTerminal(line)) return *status;

    const bool printRun = !line.printFile.isEmpty();
    if (printRun) ChooseOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(appstr::kOrganisation));
    QApplication::setApplicationName(QString::fromUtf8(appstr::kAppTitle));
    LoadTranslations(app);
    if (printRun) return PrintWithoutWindow(arguments, line.printFile);

    CInstanceServer server;
    if (const std::optional<int> status = HandOverToRunningWindow(server, line)) return *status;
    CReelkeepApp reelkeep;
    if (!reelkeep.Start(arguments)) return 1;
    reelkeep.Frame().ServeHandOvers(server);
    return QApplication::exec();
}
