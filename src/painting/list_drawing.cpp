#include "list_drawing.h"

#include <algorithm>

#include "list_columns.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

int HeaderWidth(const DrawContext& ctx) { return std::max(ctx.ContentWidth(), ctx.clientWidth); }

// The right end of slot k's raised header cell: the next present slot, or the header's end.
int HeaderCellEnd(const DrawContext& ctx, std::size_t slot) {
    for (std::size_t k = slot + 1; k < kColumnSlotCount; ++k) {
        if (SlotPresent(*ctx.list, k)) return SlotLeft(*ctx.list, k);
    }
    return HeaderWidth(ctx);
}

void RaisedCell(const DrawContext& ctx, int left, int right) {
    DrawRaisedFrame(ctx.painter, ctx.colors, QRect(left, 0, right - left, ctx.LineHeight()));
}

// The cells of slots 1..9 of one row: fields of the row's record.
void DrawSlotCells(const DrawContext& ctx, int y, std::uint32_t record) {
    const ColumnLayout& list = *ctx.list;
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (!SlotPresent(list, k)) continue;
        const QRect cell = Edges(SlotLeft(list, k), y + 2, SlotRight(list, k, ctx.ContentWidth()),
                                 y + ctx.LineHeight());
        DrawCell(ctx.painter, cell, ColumnText(ctx.display, record, list.ids[k]));
    }
}

void DrawKeyCell(const DrawContext& ctx, int y, const QString& text) {
    DrawCell(ctx.painter,
             Edges(kKeyColumnX, y + 2, SlotRight(*ctx.list, 0, ctx.ContentWidth()),
                   y + ctx.LineHeight()),
             text);
}

void DrawColumnDividers(const DrawContext& ctx, int y) {
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (!SlotPresent(*ctx.list, k)) continue;
        const int x = SlotLeft(*ctx.list, k) - 2;
        DrawLine(ctx.painter, x, y, x, y + ctx.LineHeight(), kLinePen);
    }
}

}  // namespace

void DrawListHeader(const DrawContext& ctx) {
    const ColumnLayout& list = *ctx.list;
    const int width = HeaderWidth(ctx);
    FillSolid(ctx.painter, QRect(0, 0, width, ctx.LineHeight()), ctx.colors.face3d);
    UsePair(ctx.painter, ctx.colors.headerText, ctx.colors.face3d);
    const QString keyTitle = ctx.geometry.mode == DisplayMode::Actors
                                 ? recordtext::Tr(recordtext::kActorsColumnTitle)
                                 : ColumnTitle(ctx.columnTitles, list.ids[0]);
    DrawKeyCell(ctx, 0, keyTitle);
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (!SlotPresent(list, k)) continue;
        DrawCell(
            ctx.painter,
            Edges(SlotLeft(list, k), 2, SlotRight(list, k, ctx.ContentWidth()), ctx.LineHeight()),
            ColumnTitle(ctx.columnTitles, list.ids[k]));
    }
    RaisedCell(ctx, 0, HeaderCellEnd(ctx, 0));
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (SlotPresent(list, k)) RaisedCell(ctx, SlotLeft(list, k), HeaderCellEnd(ctx, k));
    }
}

void DrawOneLineRow(const DrawContext& ctx, int y, std::size_t row) {
    const std::uint32_t record = ctx.display.Order()[row];
    UseDataPair(ctx, row);
    DrawKeyCell(ctx, y, ColumnText(ctx.display, record, ctx.list->ids[0]));
    DrawSlotCells(ctx, y, record);
    if (!ctx.options.oneLineGrid) return;
    DrawLine(ctx.painter, 0, y, HeaderWidth(ctx), y, kLinePen);
    DrawColumnDividers(ctx, y);
}

void DrawActorRow(const DrawContext& ctx, int y, std::size_t row) {
    const auto r = static_cast<std::uint32_t>(row);
    const QString group = CellText(ctx.display.ActorRowGroupName(r));
    UseDataPair(ctx, row);
    DrawKeyCell(ctx, y, group);
    DrawSlotCells(ctx, y, ctx.display.ActorRowRecord(r));
    if (!ctx.options.actorGrid) return;
    // The key column's line only opens a group, so each actor shows as one box.
    const int slot1 = SlotLeft(*ctx.list, 1);
    if (!group.isEmpty()) DrawLine(ctx.painter, 0, y, slot1, y, kLinePen);
    DrawLine(ctx.painter, slot1, y, ctx.ContentWidth(), y, kLinePen);
    DrawColumnDividers(ctx, y);
}

}  // namespace reelkeep
