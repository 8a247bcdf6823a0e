#include "page_parts.h"

#include "label_colors.h"

namespace reelkeep {

namespace {

bool PrintsInColor(const PageContext& ctx) { return ctx.style.printerColors > 2; }

}  // namespace

QColor PrintHeadingColor(const PageContext& ctx) {
    if (!PrintsInColor(ctx)) return Qt::black;
    return ChosenHeadingColor(ctx.style.printerColor, ctx.style.colors, ctx.display);
}

QColor PrintDataColor(const PageContext& ctx, std::string_view movieType) {
    if (!PrintsInColor(ctx)) return Qt::black;
    return ChosenDataColor(ctx.style.printerColor, ctx.style.colors, ctx.display, movieType);
}

std::optional<std::uint32_t> DisplayRow(const ReportPagination& job, std::uint32_t position,
                                        std::size_t rowCount) {
    if (job.printsSelection && position >= job.selection.size()) return std::nullopt;
    const std::uint32_t row = job.DisplayPosition(position);
    if (row >= rowCount) return std::nullopt;
    return row;
}

}  // namespace reelkeep
