#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "label_layout.h"

namespace reelkeep {

// Whether two records share a tape: as text, equal ignoring case; as numbers, both all digits
// and equal in value (so a tape # that is not a number shares a label with nothing).
bool SameTape(std::string_view a, std::string_view b, bool tapeText);

// Groups the records of order, runs of one tape at a time, into labels of up to five movies;
// movies beyond the fifth of a run are left off. Labels are appended to labels; examined runs
// once per record after the first. On std::bad_alloc, labels holds the labels completed so far.
void BuildLabels(const CCatalogue& catalogue, std::span<const std::uint32_t> order, bool tapeText,
                 std::vector<Label>& labels, const std::function<void()>& examined);

}  // namespace reelkeep
