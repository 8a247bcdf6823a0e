#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace reelkeep {

// The one-line lists' column arrangement for one sort key: ten column identifiers (slot 0 is the
// key column) and the x positions, in pixels, of slots 1..9 (positions[0] is unused).
struct ColumnLayout {
    std::array<std::uint32_t, 10> ids{};
    std::array<std::int32_t, 10> positions{};
};

// The eleven layouts, in the order the catalogue file stores them.
enum class LayoutKey : std::uint8_t {
    Custom1,
    Custom2,
    Custom3,
    Custom4,
    Title,
    Rating,
    Time,
    MediaType,
    MovieType,
    TapeNumber,
    ActorIndex,
};

inline constexpr std::size_t kLayoutCount = 11;

using ColumnLayouts = std::array<ColumnLayout, kLayoutCount>;

// The identifiers a new document starts with; positions all 0 until the view sets them.
ColumnLayouts DefaultColumnLayouts();

}  // namespace reelkeep
