#pragma once

#include <QColor>
#include <cstdint>
#include <optional>
#include <string_view>

#include "page_drawing.h"

// What the printed pages share, and the page of each report mode.
namespace reelkeep {

// Text colours on paper: the chosen colours on a colour printer, black on any other.
QColor PrintHeadingColor(const PageContext& ctx);
QColor PrintDataColor(const PageContext& ctx, std::string_view movieType);

// The display row a print position stands for; none past the end of rowCount rows, so a job
// made before the catalogue shrank cannot reach rows that are gone.
std::optional<std::uint32_t> DisplayRow(const ReportPagination& job, std::uint32_t position,
                                        std::size_t rowCount);

// Calls draw(row) with the display row of each print position of the range, in order.
template <typename Draw>
void ForEachPrintedRow(const ReportPagination& job, const PageRange& range, std::size_t rowCount,
                       Draw draw) {
    for (std::uint32_t position = range.first; position <= range.last; ++position) {
        const std::optional<std::uint32_t> row = DisplayRow(job, position, rowCount);
        if (!row) return;
        draw(*row);
    }
}

// The records of the page's range as Normal View blocks.
void DrawNormalViewPage(const PageContext& ctx, const ReportPagination& job,
                        const PageRange& range);
// The page's range as a ruled list of One Line Sorts or Sort by Actors, under its header.
void DrawListPage(const PageContext& ctx, const ReportPagination& job, const PageRange& range);

}  // namespace reelkeep
