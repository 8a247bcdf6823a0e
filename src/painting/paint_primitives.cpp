#include "paint_primitives.h"

#include <QRegularExpression>
#include <QTextLayout>

namespace reelkeep {

void UsePair(QPainter& p, const QColor& text, const QColor& background) {
    p.setPen(text);
    p.setBackground(background);
    p.setBackgroundMode(Qt::OpaqueMode);
}

void DrawCell(QPainter& p, const QRect& cell, const QString& text) {
    if (text.isEmpty() || cell.width() <= 0 || cell.height() <= 0) return;
    p.drawText(cell, Qt::AlignLeft | Qt::AlignTop, text);
}

namespace {

// The lines a paragraph wraps into at the given width, as the font breaks it at word boundaries.
QStringList WrappedLines(const QString& paragraph, const QFont& font, int width) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << paragraph.mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    return lines;
}

}  // namespace

void DrawWrappedText(QPainter& p, const QRect& area, const QString& text, int lineStep,
                     int maxLines) {
    if (text.isEmpty() || area.width() <= 0 || area.height() <= 0) return;
    static const QRegularExpression kBreak(QStringLiteral("\r\n|\n|\r"));
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    int drawn = 0;
    for (const QString& paragraph : text.split(kBreak)) {
        for (const QString& line : WrappedLines(paragraph, p.font(), area.width())) {
            if (drawn == maxLines) break;
            const QRect row(area.left(), area.top() + drawn * lineStep, area.width(), lineStep);
            p.drawText(row, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
            ++drawn;
        }
    }
    p.restore();
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

void DrawOutline(QPainter& p, int left, int top, int right, int bottom) {
    DrawLine(p, left, top, right, top, kLinePen);
    DrawLine(p, right, top, right, bottom, kLinePen);
    DrawLine(p, left, bottom, right, bottom, kLinePen);
    DrawLine(p, left, top, left, bottom, kLinePen);
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
