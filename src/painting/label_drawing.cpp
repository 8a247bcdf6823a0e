#include "label_drawing.h"

#include "label_colors.h"
#include "label_content.h"

namespace reelkeep {

namespace {

// One label on the screen: its texts placed by character columns and label lines from the
// label's corner, in the label colours, or highlighted when the label is selected.
class CLabelPainter {
public:
    CLabelPainter(const DrawContext& ctx, std::size_t entry, int x0, int top)
        : ctx_(ctx),
          label_(ctx.display.Labels()[entry]),
          selected_(ctx.selection.IsSelected(entry)),
          x0_(x0),
          top_(top),
          w_(ctx.metrics.labelCharWidth),
          line_(ctx.metrics.labelLineHeight) {}

    const Label& DrawnLabel() const { return label_; }

    // The outline, and the texts inside it. The small label's right part starts where a large
    // label would end.
    void Draw(int widthChars, int lines, const std::vector<LabelText>& texts) {
        const int left = x0_ - 10, right = left + widthChars * w_, bottom = top_ + lines * line_;
        DrawOutline(ctx_.painter, left, top_, right, bottom);
        const LabelPlacement place{Edges(left, top_, right, bottom),
                                   x0_,
                                   x0_ + kLargeLabelChars * w_,
                                   top_ + line_,
                                   w_,
                                   line_};
        DrawLabelTexts(ctx_.painter, place, texts, [this](const LabelText& t) { UseColorsOf(t); });
    }

private:
    void UseColorsOf(const LabelText& t) {
        if (selected_ && t.kind != LabelTextKind::Caption) {
            UsePair(ctx_.painter, ctx_.colors.highlightData, ctx_.colors.highlightBackground);
            return;
        }
        const LabelColorChoice choice = ctx_.options.labelColors;
        const QColor color =
            t.kind == LabelTextKind::Value
                ? ChosenDataColor(choice, ctx_.colors, ctx_.display, label_.movieTypes[t.slot])
                : ChosenHeadingColor(choice, ctx_.colors, ctx_.display);
        UsePair(ctx_.painter, color, ctx_.colors.background);
    }

    const DrawContext& ctx_;
    const Label& label_;
    bool selected_;
    int x0_, top_, w_, line_;
};

void DrawLargeLabel(const DrawContext& ctx, int y, std::size_t entry, int x0) {
    CLabelPainter lp(ctx, entry, x0, y);
    lp.Draw(kLargeLabelChars, kLargeLabelLines, LargeLabelTexts(lp.DrawnLabel()));
}

}  // namespace

void DrawLargeLabelRow(const DrawContext& ctx, int y, std::size_t row) {
    const std::size_t left = 2 * row;
    const std::size_t count = ctx.display.Labels().size();
    if (left < count) DrawLargeLabel(ctx, y, left, 10);
    if (left + 1 < count) {
        DrawLargeLabel(ctx, y, left + 1, kLargeLabelChars * ctx.metrics.labelCharWidth + 10);
    }
}

void DrawSmallLabel(const DrawContext& ctx, int y, std::size_t entry) {
    CLabelPainter lp(ctx, entry, 10, y);
    lp.Draw(kSmallLabelChars, kSmallLabelLines, SmallLabelTexts(lp.DrawnLabel()));
}

}  // namespace reelkeep
