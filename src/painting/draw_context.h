#pragma once

#include <QFont>
#include <QPainter>
#include <QString>
#include <array>
#include <string_view>

#include "display_options.h"
#include "paint_primitives.h"
#include "qt_text.h"
#include "selection.h"
#include "view_colors.h"
#include "view_geometry.h"

namespace reelkeep {

// Everything one paint of the view reads; built afresh for every paint.
struct DrawContext {
    QPainter& painter;
    const CCatalogueDisplay& display;
    const ViewMetrics& metrics;
    const ModeGeometry& geometry;
    const ViewColors& colors;
    const ViewDisplayOptions& options;
    const std::array<QString, 10>& columnTitles;
    const std::array<QString, kCustomFieldCount>& headings;
    const CSelectionFlags& selection;
    const ColumnLayout* list;  // the list modes' columns
    QFont screenFont;
    QFont labelFont;
    int clientWidth = 0;

    int LineHeight() const { return metrics.lineHeight; }
    int ContentWidth() const { return geometry.contentWidth; }
    int Inch(int hundredths) const { return InchToPixels(metrics.dpiY, hundredths); }
};

// The data pair of a row: highlighted when the row is selected.
void UseDataPair(const DrawContext& ctx, std::size_t row);

}  // namespace reelkeep
