#include "view_painter.h"

#include "label_drawing.h"
#include "list_drawing.h"
#include "record_drawing.h"

namespace reelkeep {

namespace {

void PaintNormalView(const DrawContext& ctx, const RowSpan& span) {
    int y = 0;
    for (std::int64_t row = span.first; row <= span.last; ++row) {
        y = DrawRecordBlock(ctx, y, static_cast<std::size_t>(row));
    }
}

void PaintList(const DrawContext& ctx, const RowSpan& span) {
    if (ctx.list == nullptr) return;
    const int lineHeight = ctx.LineHeight();
    const bool actors = ctx.geometry.mode == DisplayMode::Actors;
    for (std::int64_t row = span.first; row <= span.last; ++row) {
        const int y = lineHeight + static_cast<int>(row - span.first) * lineHeight - span.offset;
        if (actors) {
            DrawActorRow(ctx, y, static_cast<std::size_t>(row));
        } else {
            DrawOneLineRow(ctx, y, static_cast<std::size_t>(row));
        }
    }
    // Last, so the header line always stays on top of the rows.
    DrawListHeader(ctx);
}

void PaintLabels(const DrawContext& ctx, const RowSpan& span) {
    const bool large = ctx.geometry.linesPerRow == kLargeLabelLines;
    int y = 0;
    for (std::int64_t row = span.first; row <= span.last; ++row) {
        if (large) {
            DrawLargeLabelRow(ctx, y, static_cast<std::size_t>(row));
        } else {
            DrawSmallLabel(ctx, y, static_cast<std::size_t>(row));
        }
        y += ctx.geometry.rowHeight;
    }
}

}  // namespace

void PaintVisibleRows(const DrawContext& ctx, int scrollX, int scrollY, int clientHeight) {
    const RowSpan span = VisibleRows(ctx.geometry, scrollY, clientHeight);
    if (span.last < span.first) return;
    QPainter& p = ctx.painter;
    p.save();
    switch (ctx.geometry.mode) {
        case DisplayMode::Normal:
            p.setFont(ctx.screenFont);
            p.translate(-scrollX, -span.offset);
            PaintNormalView(ctx, span);
            break;
        case DisplayMode::OneLine:
        case DisplayMode::Actors:
            p.setFont(ctx.screenFont);
            p.translate(-scrollX, 0);
            PaintList(ctx, span);
            break;
        case DisplayMode::Labels:
            p.setFont(ctx.labelFont);
            p.translate(-scrollX, -span.offset);
            PaintLabels(ctx, span);
            break;
        case DisplayMode::None:
            break;
    }
    p.restore();
}

}  // namespace reelkeep
