#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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

// The entry dialog's eight value lists, indexed by LookupKind.
using EntryDialogLists = std::array<std::vector<std::string>, kLookupCount>;

}  // namespace reelkeep
