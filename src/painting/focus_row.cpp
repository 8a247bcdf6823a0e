#include "focus_row.h"

#include <algorithm>
#include <climits>

namespace reelkeep {

std::uint32_t MovedRow(std::uint32_t row, std::int64_t delta, std::uint32_t rowCount) {
    if (rowCount == 0) return 0;
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(std::int64_t{row} + delta, 0, std::int64_t{rowCount} - 1));
}

int ScrollYShowing(const ModeGeometry& g, const ScrollModel& s, std::uint32_t entry) {
    if (s.limitY <= 0) return 0;
    const std::int64_t top = std::int64_t{ScreenRowOf(g, entry)} * g.rowHeight;
    const std::int64_t bottom = top + g.rowHeight;
    std::int64_t y = s.scrollY;
    if (bottom > y + s.pageHeight) y = bottom - s.pageHeight;
    if (top < y) y = top;
    return static_cast<int>(std::clamp<std::int64_t>(y, 0, s.limitY));
}

QRect EntryRect(const ModeGeometry& g, const ViewMetrics& m, std::uint32_t entry, int scrollX,
                int scrollY, int clientWidth) {
    const std::int64_t top =
        std::int64_t{ScreenRowOf(g, entry)} * g.rowHeight - scrollY + g.headerHeight;
    const int y = static_cast<int>(std::clamp<std::int64_t>(top, -g.rowHeight, INT_MAX / 2));
    if (g.mode != DisplayMode::Labels) {
        return {-scrollX, y, std::max(g.contentWidth, clientWidth), g.rowHeight};
    }
    const bool large = g.linesPerRow == kLargeLabelLines;
    const int width = (large ? kLargeLabelChars : kSmallLabelChars) * m.labelCharWidth;
    const int left = large && entry % 2 == 1 ? width : 0;
    return {left - scrollX, y, width, g.rowHeight};
}

}  // namespace reelkeep
