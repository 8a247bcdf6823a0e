#include "draw_context.h"

namespace reelkeep {

void UsePair(QPainter& p, const QColor& text, const QColor& background) {
    p.setPen(text);
    p.setBackground(background);
    p.setBackgroundMode(Qt::OpaqueMode);
}

void UseDataPair(const DrawContext& ctx, std::size_t row) {
    if (ctx.selection.IsSelected(row)) {
        UsePair(ctx.painter, ctx.colors.highlightData, ctx.colors.highlightBackground);
    } else {
        UsePair(ctx.painter, ctx.colors.data, ctx.colors.background);
    }
}

void DrawCell(QPainter& p, const QRect& cell, const QString& text) {
    if (text.isEmpty() || cell.width() <= 0 || cell.height() <= 0) return;
    p.drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
}

void DrawTextAt(QPainter& p, int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void FillSolid(QPainter& p, const QRect& r, const QColor& color) {
    if (r.width() > 0 && r.height() > 0) p.fillRect(r, color);
}

void DrawLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& color) {
    const QPen textPen = p.pen();
    p.setPen(color);
    p.drawLine(x1, y1, x2, y2);
    p.setPen(textPen);
}

void Draw3dRect(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    const int x = r.x(), y = r.y(), cx = r.width(), cy = r.height();
    FillSolid(p, QRect(x, y, cx - 1, 1), topLeft);
    FillSolid(p, QRect(x, y, 1, cy - 1), topLeft);
    FillSolid(p, QRect(x + cx - 1, y, 1, cy), bottomRight);
    FillSolid(p, QRect(x, y + cy - 1, cx, 1), bottomRight);
}

void DrawRaisedFrame(QPainter& p, const ViewColors& colors, const QRect& outer) {
    Draw3dRect(p, outer, colors.face3d, Qt::black);
    Draw3dRect(p, outer.adjusted(1, 1, -1, -1), Qt::white, colors.shadow3d);
}

void DrawSunkenFrame(QPainter& p, const ViewColors& colors, const QRect& outer) {
    Draw3dRect(p, outer, colors.shadow3d, Qt::white);
    Draw3dRect(p, outer.adjusted(1, 1, -1, -1), Qt::black, colors.face3d);
}

}  // namespace reelkeep
