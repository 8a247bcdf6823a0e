#include "column_edit.h"

#include "column_positions.h"

namespace reelkeep {

std::size_t PresentColumnCount(const ColumnLayout& layout) {
    std::size_t count = 0;
    for (std::size_t k = 0; k < kColumnSlotCount; ++k) {
        if (SlotPresent(layout, k)) ++count;
    }
    return count;
}

std::size_t ColumnUnder(const ColumnLayout& layout, int x) {
    std::size_t column = kKeyColumn;
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (SlotPresent(layout, k) && x > layout.positions[k]) column = k + 1;
    }
    return column;
}

bool CanAddColumn(const ColumnLayout& layout) {
    return PresentColumnCount(layout) < kColumnSlotCount;
}

bool CanRemoveColumn(std::size_t column) { return column > kKeyColumn && column <= kLastColumn; }

void InsertColumn(ColumnLayout& layout, std::size_t after, std::uint32_t id, int dpiY) {
    // The new column takes slot `after`; slot 9's column has no slot left.
    for (std::size_t k = kColumnSlotCount - 1; k > after; --k) layout.ids[k] = layout.ids[k - 1];
    if (after < kColumnSlotCount) layout.ids[after] = id;
    const int step = InchToPixels(dpiY, kAddedColumnSpacing);
    const int x = after == kKeyColumn ? kKeyColumnX : layout.positions[after - 1];
    for (std::size_t k = after; k < kColumnSlotCount; ++k) {
        layout.positions[k] = x + static_cast<int>(k - after + 1) * step;
    }
}

void RemoveColumn(ColumnLayout& layout, std::size_t column) {
    const std::size_t slot = column - 1;
    const bool nextPresent = column < kColumnSlotCount && SlotPresent(layout, column);
    for (std::size_t k = slot; k + 1 < kColumnSlotCount; ++k) layout.ids[k] = layout.ids[k + 1];
    layout.ids[kColumnSlotCount - 1] = kColumnEmpty;
    if (!nextPresent) return;
    // The next column moves into the removed one's place, and everything after it as far left.
    const int width = layout.positions[column] - layout.positions[slot];
    for (std::size_t k = column; k + 1 < kColumnSlotCount; ++k) {
        if (layout.positions[k + 1] != 0) layout.positions[k] = layout.positions[k + 1] - width;
    }
}

std::optional<int> DraggedBoundary(const ColumnLayout& layout, std::size_t slot, int x,
                                   int rightEnd) {
    const int previous = slot == 1                       ? kKeyColumnX
                         : SlotPresent(layout, slot - 1) ? layout.positions[slot - 1]
                                                         : 0;
    if (x <= previous + kBoundaryGap) return std::nullopt;
    if (slot + 1 == kColumnSlotCount) {
        if (x >= rightEnd - kBoundaryGap) return std::nullopt;
    } else if (SlotPresent(layout, slot + 1) && x >= layout.positions[slot + 1] - kBoundaryGap) {
        return std::nullopt;
    }
    return x;
}

}  // namespace reelkeep
