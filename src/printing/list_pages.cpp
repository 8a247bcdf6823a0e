#include <algorithm>
#include <array>
#include <cstdint>

#include "column_positions.h"
#include "list_columns.h"
#include "page_parts.h"
#include "paint_primitives.h"
#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

// The key column, in hundredths of an inch; the other columns keep their place on the screen,
// shifted right as far.
constexpr int kLeftX = 38;
// Pixels: text sits kTextDrop below the top of its line and ends kClipGap before the next
// column; rules stand kRuleInset left of the column they open.
constexpr int kTextDrop = 2;
constexpr int kClipGap = 16;
constexpr int kRuleInset = 8;

// One page of One Line Sorts or Sort by Actors. Text is black; only the header band has a
// colour.
class CListPage {
public:
    CListPage(const PageContext& ctx, const ReportPagination& job, const ColumnLayout& layout)
        : ctx_(ctx),
          p_(ctx.painter),
          job_(job),
          layout_(layout),
          actors_(job.kind == ReportKind::Actors),
          grid_(actors_ ? ctx.style.options.actorGrid : ctx.style.options.oneLineGrid),
          lineHeight_(ctx.metrics.lineHeight),
          right_(ctx.metrics.right) {
        PlaceColumns();
    }

    void Draw(const PageRange& range) {
        p_.setPen(Qt::black);
        DrawHeader();
        const std::size_t rowCount =
            actors_ ? ctx_.display.ActorRowCount() : ctx_.display.Order().size();
        int y = lineHeight_;
        ForEachPrintedRow(job_, range, rowCount, [&](std::uint32_t row) {
            DrawRow(y, row);
            y += lineHeight_;
        });
        if (grid_) DrawLine(p_, Left(), y, right_, y, kLinePen);
    }

private:
    // Slot 0 at the key column, the others at their screen position on paper; a column that
    // would start past the right edge is not printed.
    void PlaceColumns() {
        x_[0] = ctx_.metrics.Inch(kLeftX);
        shown_[0] = true;
        for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
            if (!SlotPresent(layout_, k)) continue;
            x_[k] = PaperX(layout_.positions[k]);
            shown_[k] = x_[k] < right_ - kClipGap;
        }
    }
    // Screen pixels to whole hundredths of an inch, then across the paper. In 64 bits, as a
    // catalogue file may hold any position.
    int PaperX(std::int32_t screenX) const {
        const std::int64_t hundredths =
            std::int64_t{screenX} * 100 / std::max(1, ctx_.style.screenDpiY) + kLeftX;
        const std::int64_t x = std::int64_t{ctx_.metrics.dpiX} * hundredths / 100;
        return static_cast<int>(std::clamp<std::int64_t>(x, 0, right_));
    }
    // Where the next printed column starts, or the right edge after the last.
    int NextX(std::size_t slot) const {
        for (std::size_t k = slot + 1; k < kColumnSlotCount; ++k) {
            if (shown_[k]) return x_[k];
        }
        return right_;
    }
    int Left() const { return x_[0] - kRuleInset; }
    QRect Cell(std::size_t slot, int y) const {
        return Edges(x_[slot], y + kTextDrop, NextX(slot) - kClipGap, y + lineHeight_);
    }

    void DrawHeader() {
        FillSolid(p_, Edges(Left(), 0, right_, lineHeight_), ctx_.style.colors.face3d);
        p_.setFont(ctx_.fonts.bold);
        const QString keyTitle = actors_ ? recordtext::Tr(recordtext::kActorsColumnTitle)
                                         : ColumnTitle(ctx_.style.columnTitles, layout_.ids[0]);
        DrawCell(p_, Cell(0, 0), keyTitle);
        for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
            if (shown_[k])
                DrawCell(p_, Cell(k, 0), ColumnTitle(ctx_.style.columnTitles, layout_.ids[k]));
        }
        if (grid_) DrawOutline(p_, Left(), 0, right_, lineHeight_);
    }

    void DrawRow(int y, std::uint32_t row) {
        const std::uint32_t record =
            actors_ ? ctx_.display.ActorRowRecord(row) : ctx_.display.Order()[row];
        const QString key = actors_ ? CellText(ctx_.display.ActorRowGroupName(row))
                                    : ColumnText(ctx_.display, record, layout_.ids[0]);
        p_.setFont(ctx_.fonts.text);
        DrawCell(p_, Cell(0, y), key);
        for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
            if (shown_[k])
                DrawCell(p_, Cell(k, y), ColumnText(ctx_.display, record, layout_.ids[k]));
        }
        // An actor's further rows leave the key column open, so each actor shows as one box.
        if (grid_) DrawRowRules(y, !actors_ || !key.isEmpty());
    }

    void DrawRowRules(int y, bool acrossKey) {
        const int keyEnd = NextX(0) - kRuleInset;
        if (acrossKey) DrawLine(p_, Left(), y, keyEnd, y, kLinePen);
        DrawLine(p_, keyEnd, y, right_, y, kLinePen);
        DrawLine(p_, Left(), y, Left(), y + lineHeight_, kLinePen);
        DrawLine(p_, right_, y, right_, y + lineHeight_, kLinePen);
        for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
            if (shown_[k])
                DrawLine(p_, x_[k] - kRuleInset, y, x_[k] - kRuleInset, y + lineHeight_, kLinePen);
        }
    }

    const PageContext& ctx_;
    QPainter& p_;
    const ReportPagination& job_;
    const ColumnLayout& layout_;
    bool actors_, grid_;
    int lineHeight_, right_;
    std::array<int, kColumnSlotCount> x_{};
    std::array<bool, kColumnSlotCount> shown_{};
};

}  // namespace

void DrawListPage(const PageContext& ctx, const ReportPagination& job, const PageRange& range) {
    const std::optional<LayoutKey> key = ShownListLayout(ctx.display.State());
    if (!key) return;
    CListPage(ctx, job, ctx.display.Layouts()[static_cast<std::size_t>(*key)]).Draw(range);
}

}  // namespace reelkeep
