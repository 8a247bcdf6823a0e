#include "sorted_search.h"

#include <algorithm>
#include <string>

#include "text_compare.h"

namespace reelkeep {

std::uint32_t PartitionPoint(RowRange within, const RowTest& past) {
    std::uint32_t low = within.begin;
    std::uint32_t high = std::max(within.begin, within.end);
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        if (past(middle)) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

RowRange PrefixRange(const RowText& text, RowRange within, std::string_view prefix) {
    const std::uint32_t begin = PartitionPoint(
        within, [&](std::uint32_t row) { return CompareNoCase(text(row), prefix) >= 0; });
    // A text at or after the prefix that does not begin with it is greater than all that do.
    const std::uint32_t end = PartitionPoint({begin, within.end}, [&](std::uint32_t row) {
        return !StartsWithNoCase(text(row), prefix);
    });
    return {begin, end};
}

std::vector<RowRange> LeadingDigitsRanges(const RowText& text, RowRange within,
                                          std::string_view lead) {
    std::vector<RowRange> ranges;
    std::size_t digits = lead.size();
    std::uint32_t from = within.begin;
    while (from < within.end) {
        // The numbers of this many digits that begin with lead lie between these two.
        const std::string lowest = std::string(lead) + std::string(digits - lead.size(), '0');
        const std::string highest = std::string(lead) + std::string(digits - lead.size(), '9');
        const std::uint32_t low = PartitionPoint({from, within.end}, [&](std::uint32_t row) {
            return CompareDigitsByValue(text(row), lowest) >= 0;
        });
        const std::uint32_t high = PartitionPoint({low, within.end}, [&](std::uint32_t row) {
            return CompareDigitsByValue(text(row), highest) > 0;
        });
        if (low < high) ranges.push_back({low, high});
        if (high == within.end) break;
        // Lengths no number has are skipped.
        digits = std::max(digits + 1, WithoutLeadingZeros(text(high)).size());
        from = high;
    }
    return ranges;
}

}  // namespace reelkeep
