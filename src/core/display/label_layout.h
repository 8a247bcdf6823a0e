#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "fields.h"

namespace reelkeep {

inline constexpr std::size_t kMoviesPerLabel = 5;

// One tape label of Label Format: up to five movies of one tape.
struct Label {
    std::array<std::string, kMoviesPerLabel> titles;
    std::array<std::string, kMoviesPerLabel> movieTypes;
    std::array<std::string, kMoviesPerLabel> counters;
    std::string rating;
    std::string time;
    std::string tapeNumber;
    std::array<std::string, kActorSlotCount> actors;
    std::uint32_t multiple = 0;  // 1 when the label holds more than one movie
    // The records of the movies on the label, so a selected label stands for them.
    std::array<std::uint32_t, kMoviesPerLabel> records{};
    std::uint32_t movieCount = 0;
};

}  // namespace reelkeep
