#pragma once

#include <QPainter>
#include <cstdint>

#include "catalogue_display.h"
#include "label_pagination.h"
#include "print_style.h"
#include "report_pagination.h"

// Draws one printed page from the job's state alone, so pages can be drawn in any order (the
// preview asks for the pages it shows). Everything is in printer pixels with the origin at the
// top left of the printable area.
namespace reelkeep {

struct PageContext {
    QPainter& painter;
    const CCatalogueDisplay& display;
    const PrintStyle& style;
    const PrintFonts& fonts;
    const PrintMetrics& metrics;
};

// Measures the printer with the job's measuring font (the label print font in Label Format,
// the four-times screen font otherwise).
PrintMetrics MeasurePrinter(QPaintDevice& device, const QFont& measuringFont, int offsetX,
                            int offsetY);

// The label print font, or the largest pixel size of its face whose labels fit the sheet's
// labels on device; a label that must carry all its lines cannot keep a size it has no room for.
QFont FitLabelFont(const QFont& font, QPaintDevice& device, bool largeLabels);

// A Normal View, One Line Sorts or Sort by Actors page; nothing for an empty catalogue.
void DrawReportPage(const PageContext& ctx, const ReportPagination& job, std::uint32_t page);
// A label sheet; the labels are the layout's for an all-labels job, the job's own otherwise.
void DrawLabelPage(const PageContext& ctx, const LabelJob& job, std::uint32_t page);

}  // namespace reelkeep
