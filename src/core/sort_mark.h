#pragma once

#include <cstdint>

namespace reelkeep {

// The current sort key; at most one is set.
enum class SortMark : std::uint8_t {
    None,
    Title,
    Actors,
    TapeNumber,
    Time,
    Rating,
    MovieType,
    MediaType,
    Custom1,
    Custom2,
    Custom3,
    Custom4,
};

}  // namespace reelkeep
