#pragma once

#include <array>

#include "fields.h"

namespace reelkeep {

// Where the label view takes its colours from ("Printer Color" choice).
enum class LabelColorChoice { BlackOnly = 0, ScreenColors = 1, LabelColors = 2 };

// The display options the view draws with, from the "User Data" settings.
struct ViewDisplayOptions {
    bool showGrid = false;  // "NlViewGrid" 0
    bool showBox = true;    // "NlViewGrid" 1; both false = 2 "No Graphics"
    std::array<bool, kCustomFieldCount> showCustom{};  // "Custom 1".."Custom 4"
    bool showSynopsis = true;                          // "NlViewSynopsis"
    bool oneLineGrid = true;                           // "TitlesGrid"
    bool actorGrid = true;                             // "ActorGrid"
    LabelColorChoice labelColors = LabelColorChoice::ScreenColors;
};

}  // namespace reelkeep
