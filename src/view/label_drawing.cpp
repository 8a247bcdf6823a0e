#include "label_drawing.h"

#include "view_colors.h"
#include "view_strings.h"

namespace reelkeep {

namespace {

namespace vt = viewtext;

// Catalogue colours keep red in the low byte.
// One label: text is placed by character columns and label lines from the label's corner.
class LabelPainter {
public:
    LabelPainter(const DrawContext& ctx, std::size_t entry, int x0, int top)
        : ctx_(ctx),
          label_(ctx.doc.Labels()[entry]),
          selected_(ctx.selection.IsSelected(entry)),
          x0_(x0),
          top_(top),
          w_(ctx.metrics.labelCharWidth),
          line_(ctx.metrics.labelLineHeight) {}

    const Label& label() const { return label_; }

    void Outline(int widthChars, int lines) {
        const int l = x0_ - 10, t = top_, r = l + widthChars * w_, b = t + lines * line_;
        QPainter& p = ctx_.painter;
        DrawLine(p, l, t, r, t, kLinePen);
        DrawLine(p, r, t, r, b, kLinePen);
        DrawLine(p, l, b, r, b, kLinePen);
        DrawLine(p, l, t, l, b, kLinePen);
    }

    void Caption(int column, int line, std::string_view text) {
        UsePair(ctx_.painter, ChosenHeadingColor(ctx_), ctx_.colors.background);
        Put(column, line, text);
    }

    // A value in the data colour of the movie type of slot (0..4).
    void Value(int column, int line, std::string_view text, int slot) {
        DrawValue(column, line, text, ChosenDataColor(ctx_, label_.movieTypes[slot]));
    }

    // The tape number is a value drawn in the heading colour.
    void TapeNumber(int column, int line) {
        DrawValue(column, line, label_.tapeNumber, ChosenHeadingColor(ctx_));
    }

private:
    void DrawValue(int column, int line, std::string_view text, const QColor& color) {
        if (selected_) {
            UsePair(ctx_.painter, ctx_.colors.highlightData, ctx_.colors.highlightBackground);
        } else {
            UsePair(ctx_.painter, color, ctx_.colors.background);
        }
        Put(column, line, text);
    }
    void Put(int column, int line, std::string_view text) {
        DrawTextAt(ctx_.painter, x0_ + column * w_, top_ + line * line_, ToQt(text));
    }

    const DrawContext& ctx_;
    const Label& label_;
    bool selected_;
    int x0_, top_, w_, line_;
};

void DrawSingleMovieLabel(LabelPainter& lp) {
    const Label& l = lp.label();
    lp.Caption(0, 1, vt::kMovieTitle);
    lp.Value(0, 2, l.titles[0], 0);
    lp.Caption(0, 3, vt::kActors);
    for (std::size_t k = 0; k < kActorSlotCount; ++k)
        lp.Value(0, 4 + static_cast<int>(k), l.actors[k], 0);
    lp.Caption(0, 8, vt::kTime);
    lp.Value(6, 8, l.time, 0);
    lp.Caption(12, 8, vt::kType);
    lp.Value(18, 8, l.movieTypes[0], 0);
    lp.Caption(0, 9, vt::kRating);
    lp.Value(9, 9, l.rating, 0);
    lp.Caption(20, 9, vt::kTapeNumber);
    lp.TapeNumber(28, 9);
}

void DrawTapeLabel(LabelPainter& lp) {
    const Label& l = lp.label();
    for (int k = 0; k < 5; ++k) {
        const int line = 2 * k + 1;
        lp.Value(0, line, l.titles[k], k);
        const bool captions = k == 0 || !l.titles[k].empty();
        if (captions) lp.Caption(0, line + 1, vt::kCounter);
        lp.Value(9, line + 1, l.counters[k], k);
        if (captions) lp.Caption(15, line + 1, vt::kType);
        lp.Value(22, line + 1, l.movieTypes[k], k);
    }
    lp.Caption(0, 11, vt::kTapeNumber);
    lp.TapeNumber(9, 11);
}

void DrawLargeLabel(const DrawContext& ctx, int y, std::size_t entry, int x0) {
    LabelPainter lp(ctx, entry, x0, y);
    lp.Outline(kLargeLabelChars, kLargeLabelLines);
    if (lp.label().multiple != 0) {
        DrawTapeLabel(lp);
    } else {
        DrawSingleMovieLabel(lp);
    }
}

}  // namespace

QColor ChosenHeadingColor(const DrawContext& ctx) {
    switch (ctx.options.labelColors) {
        case LabelColorChoice::ScreenColors:
            return ctx.colors.heading;
        case LabelColorChoice::LabelColors: {
            const auto& headings = ctx.doc.HeadingColors();
            return headings.empty() ? QColor(Qt::black) : ToQColor(headings[0]);
        }
        case LabelColorChoice::BlackOnly:
            break;
    }
    return Qt::black;
}

QColor ChosenDataColor(const DrawContext& ctx, std::string_view movieType) {
    switch (ctx.options.labelColors) {
        case LabelColorChoice::ScreenColors:
            return ctx.colors.data;
        case LabelColorChoice::LabelColors: {
            // The type must match a lookup entry exactly; colours follow the list's order.
            const auto& types = ctx.doc.Lookup(LookupKind::MovieTypes).entries();
            const auto& colors = ctx.doc.DataColors();
            for (std::size_t k = 0; k < types.size() && k < colors.size(); ++k) {
                if (types[k] == movieType) return ToQColor(colors[k]);
            }
            break;
        }
        case LabelColorChoice::BlackOnly:
            break;
    }
    return Qt::black;
}

void DrawLargeLabelRow(const DrawContext& ctx, int y, std::size_t row) {
    const std::size_t left = 2 * row;
    const std::size_t count = ctx.doc.Labels().size();
    if (left < count) DrawLargeLabel(ctx, y, left, 10);
    if (left + 1 < count) {
        DrawLargeLabel(ctx, y, left + 1, kLargeLabelChars * ctx.metrics.labelCharWidth + 10);
    }
}

void DrawSmallLabel(const DrawContext& ctx, int y, std::size_t entry) {
    LabelPainter lp(ctx, entry, 10, y);
    const Label& l = lp.label();
    const bool several = l.multiple != 0;
    const int right = kLargeLabelChars;
    lp.Outline(kSmallLabelChars, kSmallLabelLines);
    lp.Caption(0, 1, vt::kTapeNumber);
    lp.TapeNumber(9, 1);
    lp.Value(0, 2, l.titles[0], 0);
    if (several) {
        lp.Value(0, 3, l.titles[1], 1);
        lp.Value(right, 1, l.titles[4], 4);
        lp.Value(right, 2, l.titles[2], 2);
        lp.Value(right, 3, l.titles[3], 3);
    } else {
        lp.Value(right, 1, l.actors[1], 0);
        lp.Value(right, 2, l.actors[0], 0);
        lp.Value(right, 3, l.actors[2], 0);
    }
}

}  // namespace reelkeep
