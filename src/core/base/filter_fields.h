#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fields.h"

namespace reelkeep {

// The nine filters, in the order the command line names them.
enum class FilterField : std::uint8_t {
    MovieName,
    Actor,
    MovieType,
    MediaType,
    Rating,
    Custom1,
    Custom2,
    Custom3,
    Custom4,
};
inline constexpr std::size_t kFilterCount = 9;
inline constexpr std::string_view kFilterAll = "All";
// The nine filter texts, indexed by FilterField.
using FilterTexts = std::array<std::string, kFilterCount>;

// A filter, its name on the command line and the field it tests; the actor filter tests all
// three actor fields, Actor1 standing for them.
struct FilterInfo {
    FilterField filter;
    std::string_view name;
    Field field;
};
inline constexpr std::array<FilterInfo, kFilterCount> kFilters = {{
    {FilterField::MovieName, "movie-name", Field::MovieName},
    {FilterField::Actor, "actor", Field::Actor1},
    {FilterField::MovieType, "movie-type", Field::MovieType},
    {FilterField::MediaType, "media-type", Field::MediaType},
    {FilterField::Rating, "rating", Field::Rating},
    {FilterField::Custom1, "custom1", Field::Custom1},
    {FilterField::Custom2, "custom2", Field::Custom2},
    {FilterField::Custom3, "custom3", Field::Custom3},
    {FilterField::Custom4, "custom4", Field::Custom4},
}};

}  // namespace reelkeep
