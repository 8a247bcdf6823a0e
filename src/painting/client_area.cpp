#include "client_area.h"

#include <algorithm>
#include <optional>

#include "draw_context.h"
#include "view_painter.h"

namespace reelkeep {

const ColumnLayout* ShownColumnLayout(const CCatalogueDisplay& doc) {
    const std::optional<LayoutKey> key = ShownListLayout(doc.State());
    return key ? &doc.Layouts()[static_cast<std::size_t>(*key)] : nullptr;
}

ModeGeometry ShownGeometry(const CCatalogueDisplay& doc, const ViewMetrics& metrics,
                           const ViewDisplayOptions& options, bool largeLabels, int clientHeight) {
    GeometryInput in;
    in.mode = doc.State().Mode();
    in.rowCount = doc.ShownRowCount();
    in.metrics = metrics;
    in.options = options;
    in.largeLabels = largeLabels;
    in.clientHeight = clientHeight;
    in.list = ShownColumnLayout(doc);
    return ComputeGeometry(in);
}

ScrollBarSetting VerticalBarSetting(const ModeGeometry& geometry, const ScrollModel& scroll) {
    return {scroll.limitY, std::max(1, scroll.pageHeight), std::max(1, geometry.unitHeight),
            scroll.scrollY};
}

ScrollBarSetting HorizontalBarSetting(const ScrollModel& scroll, const ViewMetrics& metrics) {
    return {scroll.limitX, std::max(1, scroll.pageWidth), std::max(1, metrics.avgCharWidth),
            scroll.scrollX};
}

void PaintClientArea(QPainter& painter, const CCatalogueDisplay& doc, const ClientState& state) {
    const ViewLook& look = state.look;
    const DrawContext ctx{painter,           doc,          state.metrics,     state.geometry,
                          look.colors,       look.options, look.columnTitles, look.headings,
                          state.selection,   state.list,   look.screenFont,   look.labelFont,
                          state.size.width()};
    painter.fillRect(QRect(QPoint(0, 0), state.size), look.colors.background);
    PaintVisibleRows(ctx, state.scroll.scrollX, state.scroll.scrollY, state.size.height());
}

}  // namespace reelkeep
