#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace reelkeep {

// The order of the key sorts: values that are empty or start with a space come after all others
// and count as equal among themselves; the others compare ignoring case.
bool BlanksLastLess(std::string_view a, std::string_view b);

// Each of these reorders the records of order stably, the result an exchange of adjacent
// entries would reach, so ties keep the order the previous sort left.
void StableSortBlanksLast(std::span<std::uint32_t> order, const std::vector<std::string>& values);

// Tape numbers as text compare ignoring case; as numbers, all-digit values sort by value and
// every other value (empty or not) comes after them. Returns whether a non-empty value that is
// not all digits took part in a numeric sort of two or more entries.
bool StableSortTapeNumbers(std::span<std::uint32_t> order, const std::vector<std::string>& tapes,
                           bool asText);

// Counters read as signed decimal integers from their leading digits ("12a" is 12, "x" is 0);
// empty or space-led counters have no number and come first.
void StableSortCounters(std::span<std::uint32_t> order, const std::vector<std::string>& counters);

}  // namespace reelkeep
