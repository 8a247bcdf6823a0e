#pragma once

#include <optional>
#include <string_view>

#include "command_ids.h"

// What the verbs that draw with the window's view share.
namespace reelkeep::cli {

// normal, one-line, actors or labels: the command that shows that mode.
std::optional<CommandId> ParseMode(std::string_view text);

// Widgets need a platform; without a display they draw offscreen.
void ChooseOffscreenWithoutDisplay();

}  // namespace reelkeep::cli
