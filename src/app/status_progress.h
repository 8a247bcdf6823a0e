#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QStatusBar;
class QWidget;

namespace reelkeep {

// The status bar's two layouts. Normal: the message pane, the filter pane while a filter is on,
// and the "CAP", "NUM" and "SCRL" indicators. Progress: the message pane holding the caption of the
// running work and the progress pane, as wide as 105 blanks, with the bar of that work.
class CStatusPanes : public QObject {
    Q_OBJECT
public:
    explicit CStatusPanes(QStatusBar& bar);

    void ShowProgressLayout();
    void ShowNormalLayout();
    // Puts the text into the message pane and paints the status bar at once, so the caption
    // shows even while a long loop keeps the event loop from running.
    void SetProgressCaption(const QString& text);

    // The bar exists only between Begin and End. Values past the end leave it full.
    void BeginBar(std::uint32_t max);
    void SetBarValue(std::uint32_t value);
    void EndBar();

    // What the filters let through, told in the normal layout; the pane is empty without one.
    void SetFilterText(const QString& text);
    QString FilterText() const;

    // Lights the lock indicators whose key is on; all stay dimmed, and are named off for a
    // screen reader, where that cannot be told.
    void RefreshLockKeys();

    bool InProgressLayout() const { return progressLayout_; }
    // The panes that show something in the current layout, message pane first.
    int VisiblePaneCount() const;
    QString MessageText() const;
    const QProgressBar* Bar() const { return progressBar_; }
    // The indicators in pane order: caps, num, scroll.
    const std::array<QLabel*, 3>& Indicators() const { return indicators_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PaintNow();

    QStatusBar& bar_;
    QLabel* message_;
    QLabel* filter_;
    QString filterText_;  // kept while the progress layout empties the pane
    std::array<QLabel*, 3> indicators_{};
    QWidget* progressPane_;
    QPointer<QProgressBar> progressBar_;
    // The bar is set only when a value reaches the next one a pixel further on.
    int valuesPerPixel_ = 1;
    int nextShownValue_ = 0;
    bool progressLayout_ = false;
};

}  // namespace reelkeep
