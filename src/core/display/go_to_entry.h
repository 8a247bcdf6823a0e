#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue_display.h"

// Go to Entry: the row of the listing shown that the text the user types leads to.
namespace reelkeep {

// Whether a row's key matches the typed text: the key begins with it, ignoring case. With
// ignoreThe, a leading "the " of a key longer than that is skipped, unless the typed text
// itself begins with "the ".
bool GoToMatches(std::string_view key, std::string_view typed, bool ignoreThe);

// The first row of the listing shown whose key matches typed; none when no row does (and in no
// display mode). The rows and keys: display positions and the field of the sort (the movie name
// unsorted) in the Normal View and One Line Sorts, with the Ignore "The" option of the mode
// shown; actor rows and their group names in Actor Sort; labels and their tape numbers in
// Label Format. An empty text matches the first row.
std::optional<std::uint32_t> GoToRow(const CCatalogueDisplay& display, std::string_view typed);

}  // namespace reelkeep
