#include "widget_session.h"

#include <QByteArray>
#include <cstdlib>
#include <iostream>

#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

std::optional<CommandId> ParseMode(std::string_view text) {
    if (text == "normal") return CommandId::DisplayNormalView;
    if (text == "one-line") return CommandId::OneLineSorts;
    if (text == "actors") return CommandId::SortByActors;
    if (text == "labels") return CommandId::DisplayLabelFormat;
    return std::nullopt;
}

int UsageWithViewOptions(std::string_view synopsis) {
    UsageError(synopsis);
    std::cerr << "view options: " << kViewOptionsSynopsis << '\n' << kViewOptionsHelp << '\n';
    return 1;
}

bool WidgetApplication::ChooseOffscreenWithoutDisplay() {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
        std::getenv("WAYLAND_DISPLAY") != nullptr) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

}  // namespace reelkeep::cli
