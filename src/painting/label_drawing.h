#pragma once

#include <cstddef>

#include "draw_context.h"

namespace reelkeep {

// Draws label row row (the labels 2row and 2row + 1) with its top at y.
void DrawLargeLabelRow(const DrawContext& ctx, int y, std::size_t row);
// Draws label entry with its top at y.
void DrawSmallLabel(const DrawContext& ctx, int y, std::size_t entry);

}  // namespace reelkeep
