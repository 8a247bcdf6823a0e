#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fields.h"

namespace reelkeep {

// A layout's column slots: slot 0 is the key column, slots 1..9 have positions.
inline constexpr std::size_t kColumnSlotCount = 10;
// Where the key column starts; it has no stored position.
inline constexpr int kKeyColumnX = 10;

// The one-line lists' column arrangement for one sort key: ten column identifiers (slot 0 is the
// key column) and the x positions, in pixels, of slots 1..9 (positions[0] is unused).
struct ColumnLayout {
    std::array<std::uint32_t, kColumnSlotCount> ids{};
    std::array<std::int32_t, kColumnSlotCount> positions{};
};

// The key column always shows; slots 1..9 show when they name a column.
inline bool SlotPresent(const ColumnLayout& layout, std::size_t slot) {
    return slot == 0 || layout.ids[slot] != kColumnEmpty;
}

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
