#pragma once

#include <QApplication>
#include <optional>
#include <string_view>

#include "catalogue_display.h"
#include "command_ids.h"
#include "display_options.h"
#include "view_look.h"

// What the verbs that draw as the window's view does share.
namespace reelkeep::cli {

// normal, one-line, actors or labels: the command that shows that mode.
std::optional<CommandId> ParseMode(std::string_view text);

// The look the window's view starts with, at dpiY, showing the catalogue's headings, with the
// display options given and the synopsis and custom fields the document's options choose.
ViewLook ShownLook(const CCatalogueDisplay& display, const ViewDisplayOptions& displayOptions,
                   const DocumentOptions& options, int dpiY);
// Whether the view shows small labels when they are asked for: only where the window offers
// them, in Label Format with labels to show.
bool ShowsSmallLabels(const CCatalogueDisplay& display, bool asked);

// The application the widgets need. Without a display they draw offscreen.
class CWidgetApplication {
public:
    CWidgetApplication() = default;
    // The resolution the window's widgets measure fonts at.
    int ScreenDpiY() const;

private:
    static bool ChooseOffscreenWithoutDisplay();

    [[maybe_unused]] bool offscreenChosen_ = ChooseOffscreenWithoutDisplay();  // before the app
    int argc_ = 1;
    char name_[13] = "reelkeep-cli";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
};

}  // namespace reelkeep::cli
