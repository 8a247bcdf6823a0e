#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fields.h"

namespace reelkeep {

// The eight lookup lists, in the order the entry dialog's lists are refilled.
enum class LookupKind : std::uint8_t {
    Actors,
    Custom1,
    Custom2,
    Custom3,
    Custom4,
    MovieTypes,
    MediaTypes,
    Ratings,
};
inline constexpr std::size_t kLookupCount = 8;

// The fields each list takes its values from, actors in slot order; the entry dialog offers
// each list in the drop-down lists of its fields.
struct LookupSource {
    LookupKind list;
    Field field;
};
inline constexpr std::array<LookupSource, 10> kLookupSources = {{
    {LookupKind::Actors, Field::Actor1},
    {LookupKind::Actors, Field::Actor2},
    {LookupKind::Actors, Field::Actor3},
    {LookupKind::MovieTypes, Field::MovieType},
    {LookupKind::MediaTypes, Field::MediaType},
    {LookupKind::Ratings, Field::Rating},
    {LookupKind::Custom1, Field::Custom1},
    {LookupKind::Custom2, Field::Custom2},
    {LookupKind::Custom3, Field::Custom3},
    {LookupKind::Custom4, Field::Custom4},
}};

// The entry dialog's eight value lists, indexed by LookupKind.
using EntryDialogLists = std::array<std::vector<std::string>, kLookupCount>;

}  // namespace reelkeep
