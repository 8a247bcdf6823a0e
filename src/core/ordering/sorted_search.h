#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Binary searches over the rows of a listing kept in some order (the display order, the actor
// index, the labels), each row's text read through a function.
namespace reelkeep {

// Rows begin .. end - 1 of a listing.
struct RowRange {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;

    bool empty() const { return begin >= end; }
};

using RowText = std::function<std::string_view(std::uint32_t row)>;
using RowTest = std::function<bool(std::uint32_t row)>;

// The first row of within that is past, the test being false and then true along the rows.
std::uint32_t PartitionPoint(RowRange within, const RowTest& past);

// Of rows whose texts ascend ignoring case, the ones that begin with prefix.
RowRange PrefixRange(const RowText& text, RowRange within, std::string_view prefix);

// Of rows whose texts are all digits and ascend by value, those whose value is written with the
// digits lead (not led by a zero) first: one range for each number of digits.
std::vector<RowRange> LeadingDigitsRanges(const RowText& text, RowRange within,
                                          std::string_view lead);

}  // namespace reelkeep
