#pragma once

#include <cstddef>

#include "draw_context.h"

namespace reelkeep {

// Draws the Normal View block of the record at display position row, starting at y; returns
// the y where the next block starts.
int DrawRecordBlock(const DrawContext& ctx, int y, std::size_t row);

}  // namespace reelkeep
