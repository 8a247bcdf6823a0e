#include "window_placement.h"

#include <QWidget>
#include <array>

#include "settings_store.h"

namespace reelkeep {

QString FormatPlacementRect(const WindowPlacement& p) {
    return QString::asprintf("%04d %04d %04d %04d", p.left, p.top, p.right, p.bottom);
}

std::optional<WindowPlacement> ParsePlacementRect(const QString& text) {
    // The numbers are taken between blanks rather than at fixed columns: "%04d" writes a fifth
    // character for values below -999 or above 9999 (a window on a screen left of the main one),
    // and fixed columns would then cut the numbers apart.
    const QStringList fields = text.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 4) return std::nullopt;
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        bool ok = false;
        values[i] = fields[static_cast<qsizetype>(i)].toInt(&ok);
        if (!ok) return std::nullopt;
    }
    WindowPlacement placement;
    placement.left = values[0];
    placement.top = values[1];
    placement.right = values[2];
    placement.bottom = values[3];
    return placement;
}

WindowPlacement LoadPlacement(const CSettingsStore& store) {
    // A "Rect" too short to hold four numbers is treated as absent.
    WindowPlacement placement =
        ParsePlacementRect(store.ReadText(kSectionWindow, "Rect", QString()))
            .value_or(WindowPlacement{});
    placement.icon = store.ReadInt(kSectionWindow, "Icon", 0) != 0;
    placement.maximized = store.ReadInt(kSectionWindow, "Maximized", 0) != 0;
    return placement;
}

void SavePlacement(CSettingsStore& store, const WindowPlacement& placement) {
    store.WriteText(kSectionWindow, "Rect", FormatPlacementRect(placement));
    store.WriteInt(kSectionWindow, "Icon", placement.icon ? 1 : 0);
    store.WriteInt(kSectionWindow, "Maximized", placement.maximized ? 1 : 0);
}

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
    window.setGeometry(placement.NormalRect());
    if (placement.icon) {
        // Minimized without activation; un-minimizing restores the state kept with it.
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.setWindowState(placement.maximized ? (Qt::WindowMinimized | Qt::WindowMaximized)
                                                  : Qt::WindowMinimized);
        window.show();
        window.setAttribute(Qt::WA_ShowWithoutActivating, false);
    } else if (placement.maximized) {
        window.showMaximized();
    } else {
        window.showNormal();
    }
}

WindowPlacement CapturePlacement(const QWidget& window) {
    const bool restored = !window.isMaximized() && !window.isMinimized() && !window.isFullScreen();
    const QRect normal =
        restored || window.normalGeometry().isEmpty() ? window.geometry() : window.normalGeometry();
    WindowPlacement placement;
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    placement.icon = window.isMinimized();
    placement.maximized = (window.windowState() & Qt::WindowMaximized) != 0;
    return placement;
}

}  // namespace reelkeep
