#pragma once

#include <QRect>
#include <cstdint>

#include "view_geometry.h"

// Where the keyboard's focus row is and what it takes to show it, as arithmetic over the mode's
// geometry. A row is an entry of the mode: a record block, a list line or a label.
namespace reelkeep {

// row moved by delta, kept on the rows there are (0 when there are none).
std::uint32_t MovedRow(std::uint32_t row, std::int64_t delta, std::uint32_t rowCount);

// The scroll position nearest to the current one at which entry's row shows whole; its top when
// it is taller than the page.
int ScrollYShowing(const ModeGeometry& g, const ScrollModel& s, std::uint32_t entry);

// The area of entry's row in client coordinates: the whole width of a block or a line, the
// outline of a label.
QRect EntryRect(const ModeGeometry& g, const ViewMetrics& m, std::uint32_t entry, int scrollX,
                int scrollY, int clientWidth);

}  // namespace reelkeep
