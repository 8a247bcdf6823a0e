#pragma once

#include <cstddef>

#include "draw_context.h"

namespace reelkeep {

// The column titles of One Line Sorts and Actor Sort, at the top of the client area.
void DrawListHeader(const DrawContext& ctx);
// One row of the list at position row, its top at y.
void DrawOneLineRow(const DrawContext& ctx, int y, std::size_t row);
void DrawActorRow(const DrawContext& ctx, int y, std::size_t row);

}  // namespace reelkeep
