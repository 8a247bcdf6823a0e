#pragma once

#include <array>

#include "fields.h"

namespace reelkeep {

// The option values the document keeps copies of (from the settings).
struct DocumentOptions {
    bool ignoreTheOneLine = true;                      // "TitlesThe"
    bool ignoreTheNormal = true;                       // "NlViewThe"
    bool tapeText = false;                             // "TapeText"
    bool showSynopsis = true;                          // "NlViewSynopsis"
    std::array<bool, kCustomFieldCount> showCustom{};  // "Custom 1" .. "Custom 4"
};

}  // namespace reelkeep
