#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "app_strings.h"
#include "command_line.h"
#include "main_frame.h"
#include "reelkeep_app.h"
#include "single_instance.h"

namespace {

// The exit status when this start ends here: its request went to the Reelkeep already running,
// or that one did not answer (a second window would only open the same file twice). Otherwise
// this start runs the window, listening on server when it could.
std::optional<int> HandOverToRunningWindow(reelkeep::CInstanceServer& server,
                                           const reelkeep::CommandLine& line) {
    using namespace reelkeep;
    const QString file = line.file.isEmpty() ? QString() : QFileInfo(line.file).absoluteFilePath();
    switch (ClaimOrHandOver(server, InstanceServerName(), file)) {
        case InstanceClaim::HandedOver:
            return 0;
        case InstanceClaim::NoAnswer: {
            const QString message =
                QString::fromUtf8(appstr::kNoAnswer).arg(kHandOverTimeoutMs / 1000);
            std::fprintf(stderr, "%s\n", message.toUtf8().constData());
            return 1;
        }
        case InstanceClaim::Serving:
        case InstanceClaim::Alone:
            break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace reelkeep;
    // Before the application, which needs a display: --help must work without one.
    const CommandLine line = ParseCommandLine(ArgumentList(argc, argv));
    if (const std::optional<int> status = AnswerOnTerminal(line)) return *status;

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(appstr::kOrganisation));
    QApplication::setApplicationName(QString::fromUtf8(appstr::kAppTitle));
    CInstanceServer server;
    // Printing opens no window, so it neither hands over nor takes requests.
    if (line.printFile.isEmpty()) {
        if (const std::optional<int> status = HandOverToRunningWindow(server, line)) return *status;
    }
    CReelkeepApp reelkeep;
    if (!reelkeep.Start(QApplication::arguments())) return 1;
    if (const std::optional<int> status = reelkeep.ExitStatus()) return *status;
    reelkeep.Frame().ServeHandOvers(server);
    return QApplication::exec();
}
