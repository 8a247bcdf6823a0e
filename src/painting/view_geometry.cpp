#include "view_geometry.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace reelkeep {

namespace {

constexpr int kMinListWidth = 900;      // 9.00 in
constexpr int kColumnAllowance = 200;   // 2.00 in after the last column
constexpr int kNormalValuesX = 490;     // 4.90 in
constexpr int kLargeLabelWidth = 1030;  // 10.30 in
constexpr int kSmallLabelWidthChars = 110;

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, 0, INT_MAX)); }

}  // namespace

int FontPixelHeight(int sizeTenths, int dpiY) {
    const int height = (sizeTenths / -10) * dpiY / 72;
    return std::max(1, -height);
}

int SlotLeft(const ColumnLayout& layout, std::size_t slot) {
    if (slot == 0) return kKeyColumnX;
    return SlotPresent(layout, slot) ? layout.positions[slot] : 0;
}

int SlotRight(const ColumnLayout& layout, std::size_t slot, int contentWidth) {
    if (slot + 1 >= kColumnSlotCount || !SlotPresent(layout, slot + 1)) return contentWidth;
    return layout.positions[slot + 1] - 4;
}

int ListContentWidth(const ColumnLayout& layout, int dpiY) {
    int width = InchToPixels(dpiY, kMinListWidth);
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (SlotPresent(layout, k)) {
            width = std::max(width, layout.positions[k] + InchToPixels(dpiY, kColumnAllowance));
        }
    }
    return width;
}

ModeGeometry ComputeGeometry(const GeometryInput& in) {
    const ViewMetrics& m = in.metrics;
    ModeGeometry g;
    g.mode = in.mode;
    g.rowCount = in.rowCount;
    g.screenRows = in.rowCount;
    g.unitHeight = m.lineHeight;
    switch (in.mode) {
        case DisplayMode::Normal:
            g.linesPerRow = NormalLinesPerRow(in.options);
            g.contentWidth = InchToPixels(m.dpiY, kNormalValuesX) + 13 * m.maxCharWidth;
            g.pageHeight = in.clientHeight;
            break;
        case DisplayMode::OneLine:
        case DisplayMode::Actors: {
            const int room = std::max(0, in.clientHeight - m.lineHeight);
            g.linesPerRow = 1;
            g.headerHeight = m.lineHeight;
            g.contentWidth = in.list ? ListContentWidth(*in.list, m.dpiY) : 0;
            g.pageHeight = m.lineHeight > 0 ? room - room % m.lineHeight : 0;
            break;
        }
        case DisplayMode::Labels:
            g.unitHeight = m.labelLineHeight;
            g.pageHeight = in.clientHeight;
            if (in.largeLabels) {
                g.linesPerRow = kLargeLabelLines;
                g.screenRows = (in.rowCount + 1) / 2;
                g.contentWidth = InchToPixels(m.dpiY, kLargeLabelWidth);
            } else {
                g.linesPerRow = kSmallLabelLines;
                g.contentWidth = kSmallLabelWidthChars * m.labelCharWidth;
            }
            break;
        case DisplayMode::None:
            g.screenRows = 0;
            break;
    }
    g.rowHeight = g.linesPerRow * g.unitHeight;
    g.contentHeight = ClampToInt(std::int64_t{g.screenRows} * g.rowHeight);
    return g;
}

ScrollModel FitScroll(const ModeGeometry& g, int clientWidth, int scrollX, int scrollY) {
    ScrollModel s;
    s.contentWidth = g.contentWidth;
    s.contentHeight = g.contentHeight;
    s.pageHeight = g.pageHeight;
    s.pageWidth = clientWidth;
    if (s.contentHeight < s.pageHeight) s.contentHeight = s.pageHeight = 0;
    if (s.contentWidth < clientWidth) s.contentWidth = s.pageWidth = 0;
    s.limitY = std::max(0, s.contentHeight - s.pageHeight);
    s.limitX = std::max(0, s.contentWidth - s.pageWidth);
    // A window grown since the last scroll must not show space beyond the end.
    s.scrollX = std::clamp(scrollX, 0, s.limitX);
    s.scrollY = std::clamp(scrollY, 0, s.limitY);
    return s;
}

RowSpan VisibleRows(const ModeGeometry& g, int scrollY, int clientHeight) {
    RowSpan span;
    if (g.screenRows == 0 || g.rowHeight <= 0) return span;
    const std::int64_t lastRow = std::int64_t{g.screenRows} - 1;
    if (g.headerHeight > 0) {
        span.first = scrollY / g.unitHeight;
        span.offset = scrollY % g.unitHeight;
        span.last = std::min(lastRow, span.first + g.pageHeight / g.unitHeight - 1);
    } else {
        span.first = scrollY / g.rowHeight;
        span.offset = scrollY % g.rowHeight;
        const int visibleLines = clientHeight / g.unitHeight;
        span.last = std::min(lastRow, visibleLines / g.linesPerRow + span.first + 1);
    }
    return span;
}

std::int64_t RowAt(const ModeGeometry& g, const ViewMetrics& m, int x, int y, int scrollX,
                   int scrollY) {
    const std::int64_t contentY = std::int64_t{y} + scrollY;
    if (g.mode == DisplayMode::Labels) {
        if (m.labelLineHeight <= 0) return -1;
        const std::int64_t labelRow = contentY / g.rowHeight;
        if (g.linesPerRow == kSmallLabelLines) return labelRow;
        // Measured in content coordinates, so the right-hand label is found when scrolled too.
        const bool right = x + scrollX > kLargeLabelChars * m.labelCharWidth;
        return 2 * labelRow + (right ? 1 : 0);
    }
    if (m.lineHeight <= 0) return -1;
    const std::int64_t line = contentY / m.lineHeight;
    return g.linesPerRow == 1 ? line - 1 : line / g.linesPerRow;
}

std::uint32_t ScreenRowOf(const ModeGeometry& g, std::uint32_t entry) {
    const bool twoPerRow = g.mode == DisplayMode::Labels && g.linesPerRow == kLargeLabelLines;
    return twoPerRow ? entry / 2 : entry;
}

int GoToScrollY(const ModeGeometry& g, const ScrollModel& s, std::uint32_t entry) {
    const std::int64_t top = std::int64_t{ScreenRowOf(g, entry)} * g.rowHeight;
    return ClampToInt(std::min(top, std::int64_t{s.contentHeight} - s.pageHeight));
}

namespace {

// pos moved by delta and kept within 0..limit, in 64 bits: a million rows come close to the
// largest int.
int MovedWithin(int pos, std::int64_t delta, int limit) {
    return static_cast<int>(std::clamp<std::int64_t>(pos + delta, 0, std::max(0, limit)));
}

// Line and page steps do nothing when already at that end.
std::optional<int> StepTarget(ScrollRequest request, int pos, int limit, int lineStep, int page) {
    switch (request) {
        case ScrollRequest::LineBack:
            return pos <= 0 ? pos : MovedWithin(pos, -std::int64_t{lineStep}, limit);
        case ScrollRequest::LineForward:
            return pos >= limit ? pos : MovedWithin(pos, lineStep, limit);
        case ScrollRequest::PageBack:
            return pos <= 0 ? pos : MovedWithin(pos, -std::int64_t{page}, limit);
        case ScrollRequest::PageForward:
            return pos >= limit ? pos : MovedWithin(pos, page, limit);
        default:
            return std::nullopt;
    }
}

}  // namespace

int VerticalScrollTarget(ScrollRequest request, int scrollY, int limit, int lineStep, int page,
                         int lineHeight, int thumb) {
    if (const auto stepped = StepTarget(request, scrollY, limit, lineStep, page)) return *stepped;
    switch (request) {
        case ScrollRequest::ToStart:
            return 0;
        case ScrollRequest::ToEnd:
            return limit;
        case ScrollRequest::Thumb: {
            // The view jumps by whole lines only, toward where the thumb started.
            std::int64_t delta = std::int64_t{thumb} - scrollY;
            if (lineHeight > 0) delta -= delta % lineHeight;
            return MovedWithin(scrollY, delta, limit);
        }
        default:
            return scrollY;
    }
}

int HorizontalScrollTarget(ScrollRequest request, int scrollX, int limit, int lineStep,
                           int clientWidth, int thumb) {
    if (const auto stepped = StepTarget(request, scrollX, limit, lineStep, clientWidth)) {
        return *stepped;
    }
    switch (request) {
        case ScrollRequest::Thumb:
            return std::clamp(thumb, 0, std::max(0, limit));
        case ScrollRequest::ToStart:
            return 0;
        default:
            return scrollX;  // the right end request is not acted on
    }
}

}  // namespace reelkeep
