#include <array>
#include <optional>
#include <string_view>

#include "page_parts.h"
#include "paint_primitives.h"
#include "print_strings.h"
#include "qt_text.h"
#include "record_drawing.h"

namespace reelkeep {

namespace {

namespace pt = printtext;

// The left edge of the blocks and of the heading line, in hundredths of an inch; the heading's
// text sits kTextDrop pixels below the top of the page.
constexpr int kLeftX = 38;
constexpr int kTextDrop = 2;

// Paper's ink: captions bold in the heading colour, values in the text font and the colour of
// the movie's type, value boxes white.
class CPaperInk : public IRecordBlockInk {
public:
    CPaperInk(const PageContext& ctx, std::uint32_t record)
        : fonts_(ctx.fonts),
          captionColor_(PrintHeadingColor(ctx)),
          dataColor_(PrintDataColor(ctx, ctx.display.Catalogue().Value(record, Field::MovieType))) {
    }
    void UseCaptionText(QPainter& p) override {
        p.setFont(fonts_.bold);
        p.setPen(captionColor_);
    }
    void UseValueText(QPainter& p) override {
        p.setFont(fonts_.text);
        p.setPen(dataColor_);
    }
    QColor BoxFill(const QPainter&) const override { return Qt::white; }

private:
    const PrintFonts& fonts_;
    QColor captionColor_, dataColor_;
};

int DrawPrintedBlock(const PageContext& ctx, const RecordBlockPlaces& places, std::uint32_t record,
                     int y) {
    const RecordBlock block{ctx.display, record, ctx.style.options, ctx.style.colors,
                            ctx.style.headings};
    CPaperInk ink(ctx, record);
    return DrawRecordBlock(ctx.painter, block, places, ink, y);
}

QString SortedByCaption(Field field, const std::array<QString, kCustomFieldCount>& headings) {
    switch (field) {
        case Field::MovieName:
            return pt::Tr(pt::kSortedByTitle);
        case Field::Rating:
            return pt::Tr(pt::kSortedByRating);
        case Field::MovieType:
            return pt::Tr(pt::kSortedByMovieType);
        case Field::MediaType:
            return pt::Tr(pt::kSortedByMediaType);
        case Field::Custom1:
        case Field::Custom2:
        case Field::Custom3:
        case Field::Custom4: {
            const std::size_t k = FieldIndex(field) - FieldIndex(Field::Custom1);
            return pt::Tr(pt::kSortedBy) + headings[k] + ToQt(pt::kSortedByEnd);
        }
        default:
            return {};
    }
}

// "Sorted by ...: " and the break value of the page's first record.
void DrawHeadingLine(const PageContext& ctx, const ReportPagination& job, std::uint32_t first) {
    const std::optional<Field> field = BreakField(ReportKind::Normal, ctx.display.State().sort);
    const auto& order = ctx.display.Order();
    const std::optional<std::uint32_t> row = DisplayRow(job, first, order.size());
    if (!field || !row) return;
    const std::string value = HeadingValue(ctx.display.Catalogue().Value(order[*row], *field),
                                           job.breaks, ctx.style.report.ignoreTheNormal);
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
    const PrintMetrics& m = ctx.metrics;
    const RecordBlockPlaces places =
        PlaceRecordBlock(BlockSurface::Paper, m.dpiX, m.Inch(kLeftX), m.right, m.lineHeight);
    const auto& order = ctx.display.Order();
    ForEachPrintedRow(job, range, order.size(),
                      [&](std::uint32_t row) { y = DrawPrintedBlock(ctx, places, order[row], y); });
}

}  // namespace reelkeep
