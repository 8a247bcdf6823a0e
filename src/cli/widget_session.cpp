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

ViewLook ShownLook(const CCatalogueDisplay& doc, const ViewDisplayOptions& display,
                   const DocumentOptions& options, int dpiY) {
    ViewLook look = StartingLook(dpiY);
    look.options = display;
    look.options.showSynopsis = options.showSynopsis;
    look.options.showCustom = options.showCustom;
    UseCustomHeadings(look, doc.CustomHeadings());
    return look;
}

bool ShowsSmallLabels(const CCatalogueDisplay& doc, bool asked) {
    return asked && doc.State().Mode() == DisplayMode::Labels && doc.ShownRowCount() != 0;
}

int WidgetApplication::ScreenDpiY() const { return QWidget().logicalDpiY(); }

bool WidgetApplication::ChooseOffscreenWithoutDisplay() {
    if (std::getenv("QT_QPA_PLATFORM") != nullptr || std::getenv("DISPLAY") != nullptr ||
        std::getenv("WAYLAND_DISPLAY") != nullptr) {
        return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

}  // namespace reelkeep::cli
