#pragma once

#include <QAbstractScrollArea>
#include <QDialog>
#include <QSizeF>
#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QPrinter;

namespace reelkeep {

// How the preview lays pages out; stored as the number of pages last shown side by side.
enum class PreviewLayout : std::uint8_t { Single = 1, Facing = 2, AllPages = 3 };
PreviewLayout PreviewLayoutFromSetting(int pagesSideBySide);

// The pages of a preview, drawn only where they are on screen, so a job of thousands of pages
// opens as fast as one of a single page.
class CPreviewPages : public QAbstractScrollArea {
    Q_OBJECT
public:
    using DrawPage = std::function<void(QPainter&, std::uint32_t)>;
    // paper: the sheet's size in printer pixels; printable: the printable area on it.
    CPreviewPages(std::uint32_t pageCount, QSizeF paper, QRectF printable, DrawPage draw,
                  QWidget* parent = nullptr);

    void SetLayout(PreviewLayout layout);
    PreviewLayout Layout() const { return layout_; }
    void ZoomBy(double factor);
    // The page at the top of the view (1-based), and a move to the top of another.
    std::uint32_t CurrentPage() const;
    void ShowPage(std::uint32_t page);
    std::uint32_t PageCount() const { return pageCount_; }
    // Pages painted so far; a large job paints a handful, not all.
    std::uint64_t PagesPainted() const { return pagesPainted_; }

signals:
    void currentPageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int Columns() const;
    double Scale() const;
    QSize Cell() const;  // one page with its gap, in screen pixels
    void UpdateScrollBars();
    void PaintPage(QPainter& painter, std::uint32_t page, QPoint topLeft);

    std::uint32_t pageCount_;
    QSizeF paper_;
    QRectF printable_;
    DrawPage draw_;
    PreviewLayout layout_ = PreviewLayout::Single;
    double zoom_ = 1.0;  // times the size that fits the window
    std::uint64_t pagesPainted_ = 0;
};

// The print preview window: the pages, page navigation, the three layouts, zoom, and a Print
// button that closes it and asks for the print job.
class CPrintPreview : public QDialog {
    Q_OBJECT
public:
    CPrintPreview(QPrinter& printer, std::uint32_t pageCount, CPreviewPages::DrawPage draw,
                  PreviewLayout layout, QWidget* parent = nullptr);

    CPreviewPages& Pages() { return *pages_; }
    bool PrintRequested() const { return printRequested_; }

private:
    void UpdatePageLabel();

    CPreviewPages* pages_;
    QLabel* pageLabel_;
    bool printRequested_ = false;
};

}  // namespace reelkeep
