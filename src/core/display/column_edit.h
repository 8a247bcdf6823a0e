#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "column_layout.h"

// The user's changes to the columns of a one-line list. Columns are counted from 1, the key
// column, so column c + 1 is slot c: the way the "Fields" menu names the column it was opened
// over.
namespace reelkeep {

inline constexpr std::size_t kKeyColumn = 1;
inline constexpr std::size_t kLastColumn = kColumnSlotCount;
// Columns added after another stand this far apart, in hundredths of an inch.
inline constexpr int kAddedColumnSpacing = 75;
// A dragged boundary keeps more than this many pixels from its neighbours.
inline constexpr int kBoundaryGap = 3;

// The key column and every slot that names a column.
std::size_t PresentColumnCount(const ColumnLayout& layout);
// The column under x (in list coordinates) of the header line: the last present slot whose
// position lies left of x, or the key column.
std::size_t ColumnUnder(const ColumnLayout& layout, int x);
// What the "Fields" menu offers: a column while there is room for one, and the removal of any
// column but the key column.
bool CanAddColumn(const ColumnLayout& layout);
bool CanRemoveColumn(std::size_t column);

// Puts column id directly after column `after` (1..10): the later columns move one slot right,
// the one in slot 9 drops out, and the slots from the new column on are spaced 0.75 in apart
// from the column clicked.
void InsertColumn(ColumnLayout& layout, std::size_t after, std::uint32_t id, int dpiY);
// Takes out column (2..10); the later columns move one slot left and close the gap.
void RemoveColumn(ColumnLayout& layout, std::size_t column);
// Where dragging the left boundary of slot (1..9) to x puts it: x when it stays clear of the
// previous boundary and of the next column, or of rightEnd for slot 9; none otherwise.
std::optional<int> DraggedBoundary(const ColumnLayout& layout, std::size_t slot, int x,
                                   int rightEnd);

}  // namespace reelkeep
