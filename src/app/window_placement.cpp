#include "window_placement.h"

#include <QWidget>
#include <array>

#include "settings_store.h"

namespace reelkeep {

namespace {

constexpr std::array<int, 4> kRectPositions = {0, 5, 10, 15};

// The decimal number at a position: optional blanks, an optional sign, then digits.
std::optional<int> NumberAt(const QString& text, int position) {
    if (position >= text.size()) return std::nullopt;
    qsizetype end = position;
    while (end < text.size() && text[end] == u' ') ++end;
    if (end < text.size() && (text[end] == u'-' || text[end] == u'+')) ++end;
    const qsizetype digitsStart = end;
    while (end < text.size() && text[end].isDigit()) ++end;
    if (end == digitsStart) return std::nullopt;
    bool ok = false;
    const int value = text.mid(position, end - position).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

QString FormatPlacementRect(const WindowPlacement& p) {
    return QString::asprintf("%04d %04d %04d %04d", p.left, p.top, p.right, p.bottom);
}

std::optional<WindowPlacement> ParsePlacementRect(const QString& text) {
    std::array<int, 4> values{};
    for (std::size_t i = 0; i < kRectPositions.size(); ++i) {
        const auto number = NumberAt(text, kRectPositions[i]);
        if (!number) return std::nullopt;
        values[i] = *number;
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
