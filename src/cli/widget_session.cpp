#include "widget_session.h"

#include <QByteArray>
#include <QWidget>
#include <cstdlib>

namespace reelkeep::cli {

std::optional<CommandId> ParseMode(std::string_view text) {
    if (text == "normal") return CommandId::DisplayNormalView;
    if (text == "one-line") return CommandId::OneLineSorts;
    if (text == "actors") return CommandId::SortByActors;
    if (text == "labels") return CommandId::DisplayLabelFormat;
    return std::nullopt;
}

ViewLook ShownLook(const CCatalogueDisplay& display, const ViewDisplayOptions& displayOptions,
                   const DocumentOptions& options, int dpiY) {
    ViewLook look = StartingLook(dpiY);
    look.options = displayOptions;
    look.options.showSynopsis = options.showSynopsis;
    look.options.showCustom = options.showCustom;
    UseCustomHeadings(look, display.CustomHeadings());
    return look;
}

bool ShowsSmallLabels(const CCatalogueDisplay& display, bool asked) {
    return asked && display.State().Mode() == DisplayMode::Labels && display.ShownRowCount() != 0;
}

int CWidgetApplication::ScreenDpiY() const { return QWidget().logicalDpiY(); }

bool CWidgetApplication::ChooseOffscreenWithoutDisplay() {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
        std::getenv("WAYLAND_DISPLAY") != nullptr) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

}  // namespace reelkeep::cli
