#include <QApplication>

#include "app_strings.h"
#include "reelkeep_app.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromUtf8(reelkeep::appstr::kOrganisation));
    QApplication::setApplicationName(QString::fromUtf8(reelkeep::appstr::kAppTitle));
    reelkeep::CReelkeepApp reelkeep;
    if (!reelkeep.Start(QApplication::arguments())) return 1;
    if (const std::optional<int> status = reelkeep.ExitStatus()) return *status;
    return QApplication::exec();
}
