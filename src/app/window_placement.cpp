#include "window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstdint>

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
        if (!ok || values[i] < -kMaxPlacementCoordinate || values[i] > kMaxPlacementCoordinate) {
            return std::nullopt;
        }
    }
    WindowPlacement placement;
    placement.left = values[0];
    placement.top = values[1];
    placement.right = values[2];
    placement.bottom = values[3];
    return placement;
}

WindowPlacement LoadPlacement(const CSettingsStore& store) {
    // A "Rect" too short to hold four numbers, or out of range, is treated as absent.
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

namespace {

std::int64_t AreaOf(const QRect& r) {
    return r.isEmpty() ? 0 : std::int64_t{r.width()} * r.height();
}

// A window wider or taller than its screen would have its title bar or edges out of reach: it
// takes the screen's width or height, from the screen's edge.
QRect ShrunkToFit(QRect rect, const QRect& area) {
    if (rect.width() > area.width()) {
        rect.setLeft(area.left());
        rect.setWidth(area.width());
    }
    if (rect.height() > area.height()) {
        rect.setTop(area.top());
        rect.setHeight(area.height());
    }
    return rect;
}

}  // namespace

QRect PlaceOnScreens(const QRect& rect, const QList<QRect>& availableAreas, const QRect& primary) {
    // The window lands on the screen that holds most of it.
    const QRect* landing = nullptr;
    for (const QRect& area : availableAreas) {
        if (AreaOf(area.intersected(rect)) > (landing ? AreaOf(landing->intersected(rect)) : 0)) {
            landing = &area;
        }
    }
    if (landing != nullptr) return ShrunkToFit(rect, *landing);
    const QSize size = rect.size().boundedTo(primary.size());
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(primary.center());
    return placed;
}

namespace {

QRect PlaceOnThisDesktop(const QRect& rect) {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? PlaceOnScreens(rect, areas, primary->availableGeometry()) : rect;
}

// The frame's width on each side; zero until the window manager has framed the window.
QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// The frame rectangle a window was given but could not take yet, its frame being unknown.
constexpr char kPendingFrameRect[] = "reelkeepPendingFrameRect";

// The frame's margins in the normal state. A maximized window's frame has others (the window
// manager drops its borders), which would move and shrink the normal rectangle kept for it.
constexpr char kNormalFrameMargins[] = "reelkeepNormalFrameMargins";

// Places the client area so that the whole window, frame included, covers frameRect.
void FitFrameTo(QWidget& window, const QRect& frameRect, const QMargins& margins) {
    window.setGeometry(frameRect.marginsRemoved(margins));
    window.setProperty(kPendingFrameRect, QVariant());
    window.setProperty(kNormalFrameMargins, QVariant::fromValue(margins));
}

// On some desktops the frame is known only a moment after the window is shown, once the window
// manager has framed it; the window is fitted then, as soon as it is in its normal state. One
// shown maximized waits for that, however long, without polling meanwhile.
class CFrameFitter : public QObject {
public:
    CFrameFitter(QWidget& window, const QRect& frameRect)
        : QObject(&window), window_(window), frameRect_(frameRect) {
        window.setProperty(kPendingFrameRect, frameRect);
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, &CFrameFitter::TryToFit);
        timer_.start();
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Show) {
            timer_.start();
        }
        return false;
    }

private:
    void TryToFit() {
        if (!window_.isVisible() || window_.windowState() != Qt::WindowNoState) {
            timer_.stop();
            return;
        }
        const QMargins margins = window_.windowHandle()->frameMargins();
        if (margins.isNull()) {
            if (++tries_ == kMaxTries) deleteLater();  // a window that never gets a frame
            return;
        }
        timer_.stop();
        FitFrameTo(window_, frameRect_, margins);
        deleteLater();
    }

    static constexpr int kMaxTries = 250;
    QWidget& window_;
    QRect frameRect_;
    QTimer timer_;
    int tries_ = 0;
};

}  // namespace

void ApplyPlacement(QWidget& window, const WindowPlacement& placement) {
    const QRect frameRect = PlaceOnThisDesktop(placement.NormalRect());
    window.winId();  // the platform window, which may know its frame already
    const QMargins margins = window.windowHandle()->frameMargins();
    if (margins.isNull()) {
        window.setGeometry(frameRect);
        // Until the frame is known, at least its corner goes where the rectangle's is.
        window.windowHandle()->setFramePosition(frameRect.topLeft());
        new CFrameFitter(window, frameRect);
    } else {
        FitFrameTo(window, frameRect, margins);
    }
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
    const QRect client =
        restored || window.normalGeometry().isEmpty() ? window.geometry() : window.normalGeometry();
    // A window maximized before its frame was known still has the rectangle it was given.
    const QVariant pending = window.property(kPendingFrameRect);
    const QVariant normalMargins = window.property(kNormalFrameMargins);
    const QMargins margins = !restored && normalMargins.isValid() ? normalMargins.value<QMargins>()
                                                                  : FrameMargins(window);
    const QRect normal =
        !restored && pending.isValid() ? pending.toRect() : client.marginsAdded(margins);
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
