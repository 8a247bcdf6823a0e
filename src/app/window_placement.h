#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

class QWidget;

namespace reelkeep {

class CSettingsStore;

// The main window's placement as the "Window size" settings keep it.
struct WindowPlacement {
    int left = 10;
    int top = 10;
    int right = 500;
    int bottom = 400;
    bool icon = false;       // minimized when closed
    bool maximized = false;  // maximized, or minimized from the maximized state

    QRect NormalRect() const { return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)); }
    bool operator==(const WindowPlacement&) const = default;
};

// The largest distance from the desktop's origin a stored edge may have: far past any set of
// screens, yet small enough that the window's size cannot overflow.
inline constexpr int kMaxPlacementCoordinate = 1000000;

// "Rect" holds left, top, right and bottom as "%04d %04d %04d %04d".
QString FormatPlacementRect(const WindowPlacement& placement);
// Reads the four numbers at character positions 0, 5, 10 and 15; nullopt when one of them is
// missing or beyond kMaxPlacementCoordinate.
std::optional<WindowPlacement> ParsePlacementRect(const QString& text);

WindowPlacement LoadPlacement(const CSettingsStore& store);
void SavePlacement(CSettingsStore& store, const WindowPlacement& placement);

// Where a window rectangle (frame included) goes: where it is while it meets one of the
// screens' available areas, shrunk to fit the one holding most of it; otherwise, of the same
// size as far as it fits, in the middle of the primary screen's area, so that a window last seen
// on a screen now gone is within reach.
QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& availableAreas, const QRect& primary);

// Shows the window as the placement says, its frame on the stored rectangle, and reads its
// placement back, frame included, before it closes.
void ApplyPlacement(QWidget& window, const WindowPlacement& placement);
WindowPlacement CapturePlacement(const QWidget& window);

}  // namespace reelkeep
