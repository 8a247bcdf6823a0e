#include "client_area.h"

#include <algorithm>
#include <optional>

#include "draw_context.h"
#include "focus_row.h"
#include "view_painter.h"

namespace reelkeep {

const ColumnLayout* ShownColumnLayout(const CCatalogueDisplay& display) {
    const std::optional<LayoutKey> key = ShownListLayout(display.State());
    return key ? &display.Layouts()[static_cast<std::size_t>(*key)] : nullptr;
}

ModeGeometry ShownGeometry(const CCatalogueDisplay& display, const ViewMetrics& metrics,
                           const ViewDisplayOptions& options, bool largeLabels, int clientHeight) {
    GeometryInput in;
    in.mode = display.State().Mode();
    in.rowCount = display.ShownRowCount();
    in.metrics = metrics;
    in.options = options;
    in.largeLabels = largeLabels;
    in.clientHeight = clientHeight;
    in.list = ShownColumnLayout(display);
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

namespace {

// A dotted frame just inside the row, below the list header: dots of the text colour between
// dots of the background's, so that it shows on a selected row's highlight and on the plain
// background around a selected block alike.
void DrawFocusFrame(QPainter& p, const ClientState& state, std::uint32_t row) {
    const ModeGeometry& g = state.geometry;
    if (row >= g.rowCount) return;
    const QRect area = EntryRect(g, state.metrics, row, state.scroll.scrollX, state.scroll.scrollY,
                                 state.size.width());
    p.save();
    p.setClipRect(Edges(0, g.headerHeight, state.size.width(), state.size.height()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(state.look.colors.background, 1, Qt::SolidLine));
    p.drawRect(area.adjusted(1, 1, -2, -2));
    p.setPen(QPen(state.look.colors.data, 1, Qt::DotLine));
    p.drawRect(area.adjusted(1, 1, -2, -2));
    p.restore();
}

}  // namespace

void PaintClientArea(QPainter& painter, const CCatalogueDisplay& display, const ClientState& state,
                     std::optional<std::uint32_t> focusRow) {
    const ViewLook& look = state.look;
    const DrawContext ctx{painter,           display,      state.metrics,     state.geometry,
                          look.colors,       look.options, look.columnTitles, look.headings,
                          state.selection,   state.list,   look.screenFont,   look.labelFont,
                          state.size.width()};
    painter.fillRect(QRect(QPoint(0, 0), state.size), look.colors.background);
    PaintVisibleRows(ctx, state.scroll.scrollX, state.scroll.scrollY, state.size.height());
    if (focusRow) DrawFocusFrame(painter, state, *focusRow);
}

}  // namespace reelkeep
