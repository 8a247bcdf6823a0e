#pragma once

#include "draw_context.h"

namespace reelkeep {

// Draws the visible rows of the current mode (and the header line of the list modes) with the
// client area's top left at the painter's origin. Nothing is drawn when the mode has no rows.
void PaintVisibleRows(const DrawContext& ctx, int scrollX, int scrollY, int clientHeight);

}  // namespace reelkeep
