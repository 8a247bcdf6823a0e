#pragma once

#include <QApplication>
#include <optional>
#include <string_view>

#include "command_ids.h"

// What the verbs that draw with the window's view share.
namespace reelkeep::cli {

// normal, one-line, actors or labels: the command that shows that mode.
std::optional<CommandId> ParseMode(std::string_view text);

// The application the widgets need. Without a display they draw offscreen.
class WidgetApplication {
public:
    WidgetApplication() = default;

private:
    static bool ChooseOffscreenWithoutDisplay();

    [[maybe_unused]] bool offscreenChosen_ = ChooseOffscreenWithoutDisplay();  // before the app
    int argc_ = 1;
    char name_[13] = "reelkeep-cli";
    char* argv_[2] = {name_, nullptr};
    QApplication app_{argc_, argv_};
};

}  // namespace reelkeep::cli
