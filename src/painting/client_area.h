#pragma once

#include <QPainter>
#include <QSize>
#include <cstdint>
#include <optional>

#include "catalogue_display.h"
#include "column_layout.h"
#include "selection.h"
#include "view_geometry.h"
#include "view_look.h"

// The catalogue view's client area without its widget: how the display mode shown lays out in
// an area of a given size, what its scroll bars show, and one paint of it. The view and the tool
// draw through it alike.
namespace reelkeep {

// The column layout of the list the display mode shows; null outside the list modes.
const ColumnLayout* ShownColumnLayout(const CCatalogueDisplay& display);

// The layout of the mode shown in an area clientHeight high.
ModeGeometry ShownGeometry(const CCatalogueDisplay& display, const ViewMetrics& metrics,
                           const ViewDisplayOptions& options, bool largeLabels, int clientHeight);

// A scroll bar's range (from 0), steps and position.
struct ScrollBarSetting {
    int maximum = 0;
    int pageStep = 1;
    int singleStep = 1;
    int value = 0;
};
ScrollBarSetting VerticalBarSetting(const ModeGeometry& geometry, const ScrollModel& scroll);
ScrollBarSetting HorizontalBarSetting(const ScrollModel& scroll, const ViewMetrics& metrics);

// Sets a scroll bar (a QScrollBar; any slider with its setters) as the setting says.
template <typename Bar>
void ApplyBarSetting(Bar& bar, const ScrollBarSetting& setting) {
    bar.setRange(0, setting.maximum);
    bar.setPageStep(setting.pageStep);
    bar.setSingleStep(setting.singleStep);
    bar.setValue(setting.value);
}

// Everything one paint of the client area reads besides the document.
struct ClientState {
    const ViewLook& look;
    const ViewMetrics& metrics;
    const ModeGeometry& geometry;
    const ScrollModel& scroll;
    const CSelectionFlags& selection;
    const ColumnLayout* list = nullptr;  // the list modes' columns, as a column drag shows them
    QSize size;
};

// Fills the area with the background and draws the rows of the mode that show in it, and the
// frame of the keyboard's row when there is one.
void PaintClientArea(QPainter& painter, const CCatalogueDisplay& display, const ClientState& state,
                     std::optional<std::uint32_t> focusRow = std::nullopt);

}  // namespace reelkeep
