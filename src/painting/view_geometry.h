#pragma once

#include <cstdint>
#include <optional>

#include "catalogue_display.h"
#include "column_layout.h"
#include "column_positions.h"
#include "display_options.h"
#include "list_columns.h"

// Layout arithmetic of the catalogue view, kept free of widgets so the figures can be checked
// directly: modes, row heights, content extents, visible rows, point to row and scrolling.
namespace reelkeep {

// Font measurements the layout depends on, in device pixels.
struct ViewMetrics {
    int dpiY = 96;
    int lineHeight = 20;  // screen font height + external leading + 5
    int avgCharWidth = 6;
    int maxCharWidth = 12;
    int labelLineHeight = 13;  // label font height + external leading
    int labelCharWidth = 5;
};

inline constexpr int kLargeLabelLines = 12;
inline constexpr int kSmallLabelLines = 4;
inline constexpr int kLargeLabelChars = 48;
inline constexpr int kSmallLabelChars = 96;

// Pixel height of a font of sizeTenths tenths of a point on a dpiY screen (at least 1).
int FontPixelHeight(int sizeTenths, int dpiY);

// x of slot k's cell (slot 0 is the key column) and the right edge of its cell.
int SlotLeft(const ColumnLayout& layout, std::size_t slot);
int SlotRight(const ColumnLayout& layout, std::size_t slot, int contentWidth);
int ListContentWidth(const ColumnLayout& layout, int dpiY);

// What the current mode needs to lay out rows, before the scroll bars are fitted.
struct ModeGeometry {
    DisplayMode mode = DisplayMode::None;
    std::uint32_t rowCount = 0;    // entries of the mode (labels, not label rows)
    std::uint32_t screenRows = 0;  // rows on screen: label rows hold two large labels
    int linesPerRow = 1;
    int unitHeight = 20;   // one line: lineHeight, or labelLineHeight in labels
    int rowHeight = 20;    // linesPerRow * unitHeight
    int headerHeight = 0;  // the list modes' fixed header line
    int contentWidth = 0;
    int contentHeight = 0;
    int pageHeight = 0;
};

struct GeometryInput {
    DisplayMode mode = DisplayMode::None;
    std::uint32_t rowCount = 0;
    ViewMetrics metrics;
    ViewDisplayOptions options;
    bool largeLabels = true;
    const ColumnLayout* list = nullptr;  // list modes only
    int clientHeight = 0;
};

ModeGeometry ComputeGeometry(const GeometryInput& in);

// The scroll model after fitting the content to the client area: a dimension that fits has no
// bar and no scroll position.
struct ScrollModel {
    int contentWidth = 0;
    int contentHeight = 0;
    int pageWidth = 0;
    int pageHeight = 0;
    int scrollX = 0;
    int scrollY = 0;
    int limitX = 0;  // largest scrollX
    int limitY = 0;  // largest scrollY
};

ScrollModel FitScroll(const ModeGeometry& g, int clientWidth, int scrollX, int scrollY);

// Screen rows first..last (inclusive; none when last < first), the first drawn at -offset below
// the header.
struct RowSpan {
    std::int64_t first = 0;
    std::int64_t last = -1;
    int offset = 0;
};

RowSpan VisibleRows(const ModeGeometry& g, int scrollY, int clientHeight);

// The entry under a client point: may be negative (header line) or beyond the rows.
std::int64_t RowAt(const ModeGeometry& g, const ViewMetrics& m, int x, int y, int scrollX,
                   int scrollY);

// The screen row that holds an entry of the mode: large labels sit two to a row.
std::uint32_t ScreenRowOf(const ModeGeometry& g, std::uint32_t entry);

// Where Go to Entry scrolls for an entry of the mode: to the top of its row, but no further
// than the last full page.
int GoToScrollY(const ModeGeometry& g, const ScrollModel& s, std::uint32_t entry);

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd, Thumb };

int VerticalScrollTarget(ScrollRequest request, int scrollY, int limit, int lineStep, int page,
                         int lineHeight, int thumb);
int HorizontalScrollTarget(ScrollRequest request, int scrollX, int limit, int lineStep,
                           int clientWidth, int thumb);

}  // namespace reelkeep
