#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reelkeep {

// The text a title sorts under: a leading "The " (any case) is skipped when ignoring it applies
// and the title is longer than the article itself.
std::string_view TitleKey(std::string_view title, bool ignoreThe);

// How many gap values the title sort runs through for n entries; its progress range.
std::uint32_t TitleSortGapCount(std::size_t n);

// Puts the records of order into title order. The order is the one the gap-halving exchange sort
// gives, ties included: that sort is not stable, and users see where equal titles end up.
// step runs once per gap value.
void SortByTitle(std::span<std::uint32_t> order, const std::vector<std::string>& titles,
                 bool ignoreThe, const std::function<void()>& step);

}  // namespace reelkeep
