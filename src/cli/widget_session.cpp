#include "widget_session.h"

#include <QByteArray>
#include <cstdlib>

namespace reelkeep::cli {

std::optional<CommandId> ParseMode(std::string_view text) {
    if (text == "normal") return CommandId::DisplayNormalView;
    if (text == "one-line") return CommandId::OneLineSorts;
    if (text == "actors") return CommandId::SortByActors;
    if (text == "labels") return CommandId::DisplayLabelFormat;
    return std::nullopt;
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
