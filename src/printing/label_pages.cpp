#include <vector>

#include "column_positions.h"
#include "label_content.h"
#include "page_parts.h"
#include "paint_primitives.h"

namespace reelkeep {

namespace {

// A label sheet on the printable area. Large labels have a right column; a small label has a
// right part.
class CLabelSheet {
public:
    CLabelSheet(const PageContext& ctx, const LabelJob& job)
        : ctx_(ctx), job_(job), labels_(job.selectionJob ? job.printLabels : ctx.display.Labels()) {
        const PrintMetrics& m = ctx.metrics;
        const SheetGeometry& sheet = SheetOf(job.large);
        leftX_ = m.Inch(sheet.leftX) - m.offsetX;
        rightX_ = m.Inch(sheet.rightX) - m.offsetX;
        firstLineY_ = InchToPixels(m.dpiY, sheet.firstLineY) - m.offsetY;
        pitch_ = m.dpiY * sheet.rowPitch / 1000;
    }

    // Label row row at sheet row sheetRow: large row r holds the labels 2r and 2r + 1. A label
    // reaches down to the next row and across to the next column or the printable edge.
    void DrawRow(std::uint32_t row, int sheetRow) {
        const int y = sheetRow * pitch_ + firstLineY_;
        const int edge = ctx_.metrics.right;
        if (job_.large) {
            DrawLabel(2 * std::size_t{row}, Edges(leftX_, y, rightX_, y + pitch_), leftX_);
            DrawLabel(2 * std::size_t{row} + 1, Edges(rightX_, y, edge, y + pitch_), rightX_);
        } else {
            DrawLabel(row, Edges(leftX_, y, edge, y + pitch_), leftX_);
        }
    }

private:
    // The label's line 1 at the top of its area; a selection job's label without a first title
    // is a blank that only moves the next label on.
    void DrawLabel(std::size_t entry, const QRect& area, int x) {
        if (entry >= labels_.size()) return;
        const Label& label = labels_[entry];
        if (job_.selectionJob && label.titles[0].empty()) return;
        const LabelPlacement place{
            area, x, rightX_, area.top(), ctx_.metrics.charWidth, ctx_.metrics.lineHeight};
        DrawLabelTexts(ctx_.painter, place,
                       job_.large ? LargeLabelTexts(label) : SmallLabelTexts(label),
                       [&](const LabelText& t) {
                           ctx_.painter.setPen(t.kind == LabelTextKind::Value
                                                   ? PrintDataColor(ctx_, label.movieTypes[t.slot])
                                                   : PrintHeadingColor(ctx_));
                       });
    }

    const PageContext& ctx_;
    const LabelJob& job_;
    const std::vector<Label>& labels_;
    int leftX_ = 0, rightX_ = 0, firstLineY_ = 0, pitch_ = 0;
};

}  // namespace

void DrawLabelPage(const PageContext& ctx, const LabelJob& job, std::uint32_t page) {
    const LabelRows rows = LabelRowsOnPage(job, page);
    if (rows.empty) return;
    QPainter& p = ctx.painter;
    p.save();
    p.setBackgroundMode(Qt::TransparentMode);
    p.setFont(ctx.fonts.label);
    CLabelSheet sheet(ctx, job);
    for (std::uint32_t row = rows.first; row <= rows.last; ++row) {
        sheet.DrawRow(row, rows.firstSheetRow + static_cast<int>(row - rows.first));
    }
    p.restore();
}

}  // namespace reelkeep
