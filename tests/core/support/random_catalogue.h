#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "reelkeep_doc.h"

namespace reelkeep::test {

// Small catalogues full of the values that trip orderings up: case variants, duplicates, blank
// and space-led values, "The "-led titles, numeric, non-numeric and huge tape numbers, signed and
// malformed counters, the marker names, line breaks and quotes.
std::vector<RecordValues> RandomRecords(std::mt19937& rng, std::size_t count);

// Nine filter texts, mostly "All", sometimes prefixes of the values RandomRecords uses.
std::array<std::string, kFilterCount> RandomFilters(std::mt19937& rng);

}  // namespace reelkeep::test
