#include "draw_context.h"

namespace reelkeep {

void UseDataPair(const DrawContext& ctx, std::size_t row) {
    if (ctx.selection.IsSelected(row)) {
        UsePair(ctx.painter, ctx.colors.highlightData, ctx.colors.highlightBackground);
    } else {
        UsePair(ctx.painter, ctx.colors.data, ctx.colors.background);
    }
}

}  // namespace reelkeep
