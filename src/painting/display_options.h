#pragma once

#include <algorithm>
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

// Lines of one Normal View record block, on the screen and on paper: six lines of fields and
// one apart, two more for the box's margins, the synopsis's caption and four lines, and one
// line per shown custom field.
inline int NormalLinesPerRow(const ViewDisplayOptions& options) {
    const auto customs = std::count(options.showCustom.begin(), options.showCustom.end(), true);
    return 7 + (options.showBox ? 2 : 0) + (options.showSynopsis ? 5 : 0) +
           static_cast<int>(customs);
}

}  // namespace reelkeep
