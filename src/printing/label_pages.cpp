#include <vector>

#include "column_positions.h"
#include "label_content.h"
#include "page_parts.h"
#include "paint_primitives.h"
#include "qt_text.h"

namespace reelkeep {

namespace {

// Where the text of the labels starts on a sheet, from the paper's edge: hundredths of an inch
// across for the left and the right text, down for the first line of sheet row 0, and the
// distance between rows in thousandths.
struct SheetLayout {
    int leftX;
    int rightX;
    int firstLineY;
    int rowPitch;
};
constexpr SheetLayout kLargeSheet{113, 455, 99, 1833};
constexpr SheetLayout kSmallSheet{143, 455, 56, 667};

// A label sheet on the printable area. Large labels have a right column; a small label has a
// right part.
class LabelSheet {
public:
    LabelSheet(const PageContext& ctx, const LabelJob& job)
        : ctx_(ctx), job_(job), labels_(job.selectionJob ? job.printLabels : ctx.doc.Labels()) {
        const PrintMetrics& m = ctx.metrics;
        const SheetLayout& sheet = job.large ? kLargeSheet : kSmallSheet;
        leftX_ = m.Inch(sheet.leftX) - m.offsetX;
        rightX_ = m.Inch(sheet.rightX) - m.offsetX;
        firstLineY_ = InchToPixels(m.dpiY, sheet.firstLineY) - m.offsetY;
        pitch_ = m.dpiY * sheet.rowPitch / 1000;
    }

    // Label row row at sheet row sheetRow: large row r holds the labels 2r and 2r + 1.
    void DrawRow(std::uint32_t row, int sheetRow) {
        const int y = sheetRow * pitch_ + firstLineY_;
        if (job_.large) {
            DrawLabel(2 * std::size_t{row}, leftX_, y);
            DrawLabel(2 * std::size_t{row} + 1, rightX_, y);
        } else {
            DrawLabel(row, leftX_, y);
        }
    }

private:
    // The label's line 1 at y; a selection job's label without a first title is a blank that
    // only moves the next label on.
    void DrawLabel(std::size_t entry, int x, int y) {
        if (entry >= labels_.size()) return;
        const Label& label = labels_[entry];
        if (job_.selectionJob && label.titles[0].empty()) return;
        const std::vector<LabelText> texts =
            job_.large ? LargeLabelTexts(label) : SmallLabelTexts(label);
        QPainter& p = ctx_.painter;
        const int w = ctx_.metrics.charWidth, L = ctx_.metrics.lineHeight;
        for (const LabelText& t : texts) {
            p.setPen(t.kind == LabelTextKind::Value ? PrintDataColor(ctx_, label.movieTypes[t.slot])
                                                    : PrintHeadingColor(ctx_));
            const int left = (t.rightPart ? rightX_ : x) + t.column * w;
            DrawTextAt(p, left, y + (t.line - 1) * L, ToQt(t.text));
        }
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
    LabelSheet sheet(ctx, job);
    for (std::uint32_t row = rows.first; row <= rows.last; ++row) {
        sheet.DrawRow(row, rows.firstSheetRow + static_cast<int>(row - rows.first));
    }
    p.restore();
}

}  // namespace reelkeep
