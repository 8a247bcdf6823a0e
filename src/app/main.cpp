#include <QApplication>
#include <QFileInfo>
#include <cstdio>

#include "app_strings.h"
#include "command_line.h"
#include "main_frame.h"
#include "reelkeep_app.h"
#include "single_instance.h"

namespace {

// False when this start ends here: its request went to the Reelkeep already running, or that
// one did not answer (status 1; a second window would only open the same file twice).
bool ClaimTheWindow(reelkeep::CInstanceServer& server, const reelkeep::CommandLine& line,
                    int& status) {
    using namespace reelkeep;
    const QString file = line.file.isEmpty() ? QString() : QFileInfo(line.file).absoluteFilePath();
    switch (ClaimOrHandOver(server, InstanceServerName(), file)) {
        case InstanceClaim::HandedOver:
            status = 0;
            return false;
        case InstanceClaim::NoAnswer:
            std::fprintf(stderr, "%s\n",
                         QString::fromUtf8(appstr::kNoAnswer)
                             .arg(kHandOverTimeoutMs / 1000)
                             .toUtf8()
                             .constData());
            status = 1;
            return false;
        case InstanceClaim::Serving:
        case InstanceClaim::Alone:
            break;
    }
    return true;
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
    int status = 0;
    // Printing opens no window, so it neither hands over nor takes requests.
    if (line.printFile.isEmpty() && !ClaimTheWindow(server, line, status)) return status;
    CReelkeepApp reelkeep;
    if (!reelkeep.Start(QApplication::arguments())) return 1;
    if (const std::optional<int> exit = reelkeep.ExitStatus()) return *exit;
    reelkeep.Frame().ServeHandOvers(server);
    return QApplication::exec();
}
