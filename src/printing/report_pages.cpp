#include <QString>

#include "page_parts.h"
#include "paint_primitives.h"
#include "print_strings.h"

namespace reelkeep {

namespace {

constexpr int kPageNumberX = 310;  // hundredths of an inch

// The page number line sits below the lines the pagination gave the page: one line below in
// the Normal View, two in the lists, whose header line takes one more.
int PageNumberLine(const ReportPagination& job) {
    return job.kind == ReportKind::Normal ? job.linesPerPage + 1 : job.linesPerPage + 2;
}

void DrawPageNumber(const PageContext& ctx, const ReportPagination& job, std::uint32_t page) {
    QPainter& p = ctx.painter;
    p.setFont(ctx.fonts.text);
    p.setPen(Qt::black);
    // Plain digits, as a page number is printed everywhere.
    const QString text = printtext::Tr(printtext::kPageNumber)
                             .arg(QString::number(page), QString::number(job.totalPages));
    DrawTextAt(p, ctx.metrics.Inch(kPageNumberX), PageNumberLine(job) * ctx.metrics.lineHeight,
               text);
}

}  // namespace

void DrawReportPage(const PageContext& ctx, const ReportPagination& job, std::uint32_t page) {
    if (ctx.display.Catalogue().Count() == 0) return;
    const PageRange range = job.Range(page);
    if (range.empty) return;
    QPainter& p = ctx.painter;
    p.save();
    // Text goes straight onto the paper or onto the fills drawn for it.
    p.setBackgroundMode(Qt::TransparentMode);
    if (job.kind == ReportKind::Normal) {
        DrawNormalViewPage(ctx, job, range);
    } else {
        DrawListPage(ctx, job, range);
    }
    if (ctx.style.report.pageNumbers) DrawPageNumber(ctx, job, page);
    p.restore();
}

}  // namespace reelkeep
