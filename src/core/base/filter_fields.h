#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace reelkeep
