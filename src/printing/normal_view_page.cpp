#include <array>
#include <optional>
#include <string_view>

#include "page_parts.h"
#include "paint_primitives.h"
#include "print_strings.h"
#include "qt_text.h"
#include "record_strings.h"

namespace reelkeep {

namespace {

namespace rt = recordtext;
namespace pt = printtext;

// Hundredths of an inch across the page: captions and left values, the right-hand captions,
// the right-hand values and their boxes, and the custom values' box.
constexpr int kLeftX = 38;
constexpr int kRightCaptions = 500;
constexpr int kRightValues = 600;
constexpr int kRightBox = 590;
constexpr int kCustomBoxLeft = 250;
constexpr int kCustomBoxRight = 550;
// Pixels: text sits kTextDrop below the top of its line; left values end kLeftValueGap before
// the right-hand captions and right values kRightValueGap before the right edge; grid lines
// stand kGridInset left of what they enclose.
constexpr int kTextDrop = 2;
constexpr int kLeftValueGap = 58;
constexpr int kRightValueGap = 50;
constexpr int kGridInset = 8;
constexpr int kSynopsisLines = 4;

// One of the six lines every block starts with: a caption or a value on the left, a caption
// and a value on the right.
struct MainLine {
    std::string_view leftCaption;
    std::optional<Field> leftValue;
    std::string_view rightCaption;
    Field rightValue;
};

constexpr std::array<MainLine, 6> kMainLines = {{
    {rt::kMovieTitle, std::nullopt, rt::kTapeNumber, Field::TapeNumber},
    {{}, Field::MovieName, rt::kTime, Field::Time},
    {rt::kActors, std::nullopt, rt::kRating, Field::Rating},
    {{}, Field::Actor1, rt::kCounter, Field::Counter},
    {{}, Field::Actor2, rt::kMedia, Field::MediaType},
    {{}, Field::Actor3, pt::kType, Field::MovieType},
}};

// One record block on paper, laid out as the screen's with the page's columns.
class PrintedBlock {
public:
    PrintedBlock(const PageContext& ctx, std::uint32_t record)
        : ctx_(ctx),
          p_(ctx.painter),
          options_(ctx.style.options),
          record_(record),
          L_(ctx.metrics.lineHeight),
          x0_(ctx.metrics.Inch(kLeftX)),
          xc_(ctx.metrics.Inch(kRightCaptions)),
          right_(ctx.metrics.right),
          captionColor_(PrintHeadingColor(ctx)),
          dataColor_(PrintDataColor(ctx, ctx.doc.Value(record, Field::MovieType))) {}

    // Draws the block from y; returns where the next one starts.
    int Draw(int y) {
        const int top = y;
        const int linesPerRow = NormalLinesPerRow(options_);
        if (options_.showBox) {
            FillSolid(p_, QRect(0, y, right_, L_ * (linesPerRow - 1)), ctx_.style.colors.face3d);
            y += L_;
        }
        for (std::size_t i = 0; i < kMainLines.size(); ++i) {
            DrawMainLine(y + static_cast<int>(i) * L_, kMainLines[i]);
        }
        int r = y + static_cast<int>(kMainLines.size()) * L_;
        if (options_.showSynopsis) r = DrawSynopsis(r);
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (options_.showCustom[k]) r = DrawCustomLine(r, k);
        }
        if (options_.showGrid) DrawLine(p_, x0_ - kGridInset, r, right_, r, kLinePen);
        if (options_.showBox) DrawFrames(top, y);
        return top + linesPerRow * L_;
    }

private:
    QRect LeftBox(int y) const { return Edges(x0_ - 6, y, xc_ - kLeftValueGap + 3, y + L_); }
    QRect RightBox(int y) const {
        return Edges(ctx_.metrics.Inch(kRightBox), y, right_ - kRightValueGap + 3, y + L_);
    }
    QRect SynopsisBox(int y) const {
        return Edges(x0_ - 6, y, right_ - kRightValueGap + 3, y + kSynopsisLines * L_);
    }
    QRect CustomBox(int y) const {
        return Edges(ctx_.metrics.Inch(kCustomBoxLeft), y, ctx_.metrics.Inch(kCustomBoxRight) - 1,
                     y + L_);
    }

    void Caption(int x, int y, const QString& text) {
        p_.setFont(ctx_.fonts.bold);
        p_.setPen(captionColor_);
        DrawTextAt(p_, x, y + kTextDrop, text);
    }
    void UseValueText() {
        p_.setFont(ctx_.fonts.text);
        p_.setPen(dataColor_);
    }
    void Value(const QRect& cell, Field f) {
        UseValueText();
        DrawCell(p_, cell, ToQt(ctx_.doc.Value(record_, f)));
    }
    // Value areas are white on the box's face.
    void BoxFill(const QRect& r) {
        if (options_.showBox) FillSolid(p_, r, Qt::white);
    }
    void GridBand(int y, int height) {
        if (!options_.showGrid) return;
        const int left = x0_ - kGridInset;
        DrawLine(p_, left, y, right_, y, kLinePen);
        DrawLine(p_, right_, y, right_, y + height, kLinePen);
        DrawLine(p_, left, y, left, y + height, kLinePen);
    }

    void DrawMainLine(int y, const MainLine& line) {
        if (line.leftValue) {
            BoxFill(LeftBox(y));
            Value(Edges(x0_, y + kTextDrop, xc_ - kLeftValueGap, y + L_), *line.leftValue);
        } else {
            Caption(x0_, y, ToQt(line.leftCaption));
        }
        Caption(xc_, y, ToQt(line.rightCaption));
        BoxFill(RightBox(y));
        const int xv = ctx_.metrics.Inch(kRightValues);
        Value(Edges(xv, y + kTextDrop, right_ - kRightValueGap, y + L_), line.rightValue);
        GridBand(y, L_);
        if (options_.showGrid) {
            DrawLine(p_, xc_ - kGridInset, y, xc_ - kGridInset, y + L_, kLinePen);
        }
    }

    int DrawSynopsis(int r) {
        Caption(x0_, r, ToQt(rt::kSynopsis));
        GridBand(r, L_);
        const int text = r + L_, end = text + kSynopsisLines * L_;
        BoxFill(SynopsisBox(text));
        UseValueText();
        DrawWrappedText(p_, Edges(x0_, text + kTextDrop, right_ - kRightValueGap, end),
                        ToQt(ctx_.doc.Value(record_, Field::Synopsis)), L_, kSynopsisLines);
        GridBand(text, kSynopsisLines * L_);
        return end;
    }

    int DrawCustomLine(int r, std::size_t k) {
        Caption(x0_, r, ctx_.style.headings[k]);
        BoxFill(CustomBox(r));
        const int left = ctx_.metrics.Inch(kCustomBoxLeft) + 10;
        const int right = ctx_.metrics.Inch(kCustomBoxRight) - 4;
        Value(Edges(left, r + kTextDrop, right, r + L_), CustomField(k));
        GridBand(r, L_);
        return r + L_;
    }

    // Every value area gets its own sunken frame in the raised panel of the block; first is
    // the top of the block's first line.
    void DrawFrames(int top, int first) {
        const ViewColors& colors = ctx_.style.colors;
        const int linesPerRow = NormalLinesPerRow(options_);
        DrawRaisedFrame(p_, colors, QRect(0, top, right_, L_ * (linesPerRow - 1)));
        for (int line = 0; line < 6; ++line) {
            DrawSunkenFrame(p_, colors, RightBox(first + line * L_));
        }
        // The title and the three actors.
        for (const int line : {1, 3, 4, 5}) DrawSunkenFrame(p_, colors, LeftBox(first + line * L_));
        int r = first + 6 * L_;
        if (options_.showSynopsis) {
            DrawSunkenFrame(p_, colors, SynopsisBox(r + L_));
            r += (1 + kSynopsisLines) * L_;
        }
        for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
            if (!options_.showCustom[k]) continue;
            DrawSunkenFrame(p_, colors, CustomBox(r));
            r += L_;
        }
    }

    const PageContext& ctx_;
    QPainter& p_;
    const ViewDisplayOptions& options_;
    std::uint32_t record_;
    int L_, x0_, xc_, right_;
    QColor captionColor_, dataColor_;
};

QString SortedByCaption(Field field, const std::array<QString, kCustomFieldCount>& headings) {
    switch (field) {
        case Field::MovieName:
            return ToQt(pt::kSortedByTitle);
        case Field::Rating:
            return ToQt(pt::kSortedByRating);
        case Field::MovieType:
            return ToQt(pt::kSortedByMovieType);
        case Field::MediaType:
            return ToQt(pt::kSortedByMediaType);
        case Field::Custom1:
        case Field::Custom2:
        case Field::Custom3:
        case Field::Custom4: {
            const std::size_t k = FieldIndex(field) - FieldIndex(Field::Custom1);
            return ToQt(pt::kSortedBy) + headings[k] + ToQt(pt::kSortedByEnd);
        }
        default:
            return {};
    }
}

// "Sorted by ...: " and the break value of the page's first record.
void DrawHeadingLine(const PageContext& ctx, const ReportPagination& job, std::uint32_t first) {
    const std::optional<Field> field = BreakField(ReportKind::Normal, ctx.doc.CurrentSort());
    const auto& order = ctx.doc.DisplayOrder();
    const std::optional<std::uint32_t> row = DisplayRow(job, first, order.size());
    if (!field || !row) return;
    const std::string value = HeadingValue(ctx.doc.Value(order[*row], *field), job.breaks,
                                           ctx.style.report.ignoreTheNormal);
    QPainter& p = ctx.painter;
    p.setFont(ctx.fonts.text);
    p.setPen(PrintHeadingColor(ctx));
    DrawTextAt(p, ctx.metrics.Inch(kLeftX), kTextDrop,
               SortedByCaption(*field, ctx.style.headings) + ToQt(value));
}

}  // namespace

void DrawNormalViewPage(const PageContext& ctx, const ReportPagination& job,
                        const PageRange& range) {
    int y = 0;
    // The heading takes the two lines the pagination keeps for it, at the top of the page, so
    // the page's last block still ends above the page number line.
    if (job.showsHeading) {
        DrawHeadingLine(ctx, job, range.first);
        y = 2 * ctx.metrics.lineHeight;
    }
    const auto& order = ctx.doc.DisplayOrder();
    ForEachPrintedRow(job, range, order.size(),
                      [&](std::uint32_t row) { y = PrintedBlock(ctx, order[row]).Draw(y); });
}

}  // namespace reelkeep
