#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

#include "view_colors.h"

// The drawing steps the catalogue is made of, on the screen and on paper alike.
namespace reelkeep {

// A rectangle given by its edges, right and bottom excluded.
inline QRect Edges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}
// Text and opaque background colours of what is drawn next.
void UsePair(QPainter& p, const QColor& text, const QColor& background);
// Clipped cell text, left and top aligned, no wrapping and no mnemonic processing.
void DrawCell(QPainter& p, const QRect& cell, const QString& text);
// Text wrapped at word boundaries and at its own line breaks ("\r\n", "\n" or "\r"), one line
// every lineStep pixels from the top of the area, at most maxLines lines, clipped to the area.
void DrawWrappedText(QPainter& p, const QRect& area, const QString& text, int lineStep,
                     int maxLines);
// Unclipped text with its top left at (x, y).
void DrawTextAt(QPainter& p, int x, int y, const QString& text);
void FillSolid(QPainter& p, const QRect& r, const QColor& color);
void DrawLine(QPainter& p, int x1, int y1, int x2, int y2, const QColor& color);
// Four lines in the line pen through the given edges, right and bottom included.
void DrawOutline(QPainter& p, int left, int top, int right, int bottom);
// A one-pixel frame: top and left edges in topLeft, right and bottom in bottomRight.
void Draw3dRect(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);
// A two-pixel frame that stands out of the surface, and one that is pressed into it.
void DrawRaisedFrame(QPainter& p, const ViewColors& colors, const QRect& outer);
void DrawSunkenFrame(QPainter& p, const ViewColors& colors, const QRect& outer);

// The lines, frames and outlines of the catalogue are drawn with a black pen.
inline const QColor kLinePen{0, 0, 0};

}  // namespace reelkeep
