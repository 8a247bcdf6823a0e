#include "print_preview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "print_strings.h"

namespace reelkeep {

namespace {

constexpr int kGap = 16;            // screen pixels around and between pages
constexpr int kAllPagesAcross = 4;  // pages across the all-pages view at its first zoom
constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 8.0;
const QColor kDesk(128, 128, 128);
constexpr double kScreenShare = 0.8;

}  // namespace

PreviewLayout PreviewLayoutFromSetting(int pagesSideBySide) {
    if (pagesSideBySide == 2) return PreviewLayout::Facing;
    if (pagesSideBySide >= 3) return PreviewLayout::AllPages;
    return PreviewLayout::Single;  // 0: never chosen
}

CPreviewPages::CPreviewPages(std::uint32_t pageCount, QSizeF paper, QRectF printable, DrawPage draw,
                             QWidget* parent)
    : QAbstractScrollArea(parent),
      pageCount_(std::max<std::uint32_t>(1, pageCount)),
      paper_(paper),
      printable_(printable),
      draw_(std::move(draw)) {
    viewport()->setAutoFillBackground(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            &CPreviewPages::currentPageChanged);
}

void CPreviewPages::SetLayout(PreviewLayout layout) {
    const std::uint32_t page = CurrentPage();
    layout_ = layout;
    zoom_ = 1.0;
    UpdateScrollBars();
    ShowPage(page);
    viewport()->update();
}

void CPreviewPages::ZoomBy(double factor) {
    const std::uint32_t page = CurrentPage();
    zoom_ = std::clamp(zoom_ * factor, kMinZoom, kMaxZoom);
    UpdateScrollBars();
    ShowPage(page);
    viewport()->update();
}

// At zoom 1 the pages of a row fill the window's width.
double CPreviewPages::Scale() const {
    const int across =
        layout_ == PreviewLayout::AllPages ? kAllPagesAcross : static_cast<int>(layout_);
    const double room = std::max(1, viewport()->width() - (across + 1) * kGap);
    return room / (across * paper_.width()) * zoom_;
}

int CPreviewPages::Columns() const {
    if (layout_ != PreviewLayout::AllPages) return static_cast<int>(layout_);
    return std::max(1, (viewport()->width() - kGap) / std::max(1, Cell().width()));
}

QSize CPreviewPages::Cell() const {
    const double s = Scale();
    return {static_cast<int>(paper_.width() * s) + kGap,
            static_cast<int>(paper_.height() * s) + kGap};
}

void CPreviewPages::UpdateScrollBars() {
    const QSize cell = Cell();
    const int columns = Columns();
    const std::int64_t rows = (pageCount_ + columns - 1) / columns;
    const std::int64_t height = rows * cell.height() + kGap;
    const int width = columns * cell.width() + kGap;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, static_cast<int>(std::clamp<std::int64_t>(height - viewport()->height(), 0,
                                                             std::numeric_limits<int>::max())));
    v->setPageStep(viewport()->height());
    v->setSingleStep(std::max(1, cell.height() / 10));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, width - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(std::max(1, cell.width() / 10));
}

std::uint32_t CPreviewPages::CurrentPage() const {
    const int cellHeight = std::max(1, Cell().height());
    const std::int64_t row = (verticalScrollBar()->value() + cellHeight / 2) / cellHeight;
    return static_cast<std::uint32_t>(std::min<std::int64_t>(row * Columns() + 1, pageCount_));
}

void CPreviewPages::ShowPage(std::uint32_t page) {
    page = std::clamp<std::uint32_t>(page, 1, pageCount_);
    const std::int64_t row = (page - 1) / static_cast<std::uint32_t>(Columns());
    verticalScrollBar()->setValue(static_cast<int>(
        std::min<std::int64_t>(row * Cell().height(), std::numeric_limits<int>::max())));
}

void CPreviewPages::resizeEvent(QResizeEvent* event) {
    const std::uint32_t page = CurrentPage();
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    ShowPage(page);
}

void CPreviewPages::scrollContentsBy(int, int) { viewport()->update(); }

void CPreviewPages::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kDesk);
    const QSize cell = Cell();
    const int columns = Columns();
    const int contentWidth = columns * cell.width() + kGap;
    const int left =
        std::max(0, (viewport()->width() - contentWidth) / 2) - horizontalScrollBar()->value();
    const int scrollY = verticalScrollBar()->value();
    const std::int64_t firstRow = scrollY / std::max(1, cell.height());
    for (std::int64_t row = firstRow;; ++row) {
        const std::int64_t top = kGap + row * cell.height() - scrollY;
        if (top >= viewport()->height()) break;
        for (int column = 0; column < columns; ++column) {
            const std::int64_t page = row * columns + column + 1;
            if (page > pageCount_) return;
            PaintPage(painter, static_cast<std::uint32_t>(page),
                      QPoint(left + kGap + column * cell.width(), static_cast<int>(top)));
        }
    }
}

void CPreviewPages::PaintPage(QPainter& painter, std::uint32_t page, QPoint topLeft) {
    const double s = Scale();
    const QRect sheet(topLeft, QSize(static_cast<int>(paper_.width() * s),
                                     static_cast<int>(paper_.height() * s)));
    painter.fillRect(sheet, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(sheet.adjusted(0, 0, -1, -1));
    painter.save();
    // Hairlines of the printed page shrink below a pixel; smoothing keeps them all visible.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QPointF(topLeft) + printable_.topLeft() * s);
    painter.scale(s, s);
    painter.setClipRect(QRectF(QPointF(0, 0), printable_.size()));
    draw_(painter, page);
    painter.restore();
    ++pagesPainted_;
}

CPrintPreview::CPrintPreview(QPrinter& printer, std::uint32_t pageCount,
                             CPreviewPages::DrawPage draw, PreviewLayout layout, QWidget* parent)
    : QDialog(parent), pageLabel_(new QLabel(this)) {
    setWindowTitle(printtext::Tr(printtext::kPreviewTitle));
    const int dpi = printer.resolution();
    const QPageLayout page = printer.pageLayout();
    pages_ = new CPreviewPages(pageCount, page.fullRectPixels(dpi).size(),
                               page.paintRectPixels(dpi), std::move(draw), this);

    auto* bar = new QToolBar(this);
    const auto add = [&](const char* text, auto slot) {
        connect(bar->addAction(printtext::Tr(text)), &QAction::triggered, this, slot);
    };
    add(printtext::kPreviewPrint, [this] {
        printRequested_ = true;
        accept();
    });
    bar->addSeparator();
    add(printtext::kPreviewPrevious,
        [this] { pages_->ShowPage(pages_->CurrentPage() - std::min(pages_->CurrentPage(), 1u)); });
    add(printtext::kPreviewNext, [this] { pages_->ShowPage(pages_->CurrentPage() + 1); });
    bar->addWidget(pageLabel_);
    bar->addSeparator();
    add(printtext::kPreviewSingle, [this] { pages_->SetLayout(PreviewLayout::Single); });
    add(printtext::kPreviewFacing, [this] { pages_->SetLayout(PreviewLayout::Facing); });
    add(printtext::kPreviewAll, [this] { pages_->SetLayout(PreviewLayout::AllPages); });
    bar->addSeparator();
    add(printtext::kPreviewZoomIn, [this] { pages_->ZoomBy(kZoomStep); });
    add(printtext::kPreviewZoomOut, [this] { pages_->ZoomBy(1 / kZoomStep); });
    bar->addSeparator();
    add(printtext::kPreviewClose, [this] { reject(); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(bar);
    column->addWidget(pages_, 1);
    connect(pages_, &CPreviewPages::currentPageChanged, this, &CPrintPreview::UpdatePageLabel);
    pages_->SetLayout(layout);
    UpdatePageLabel();
    // Most of the screen: the pages are what the window is for.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        resize(screen->availableGeometry().size() * kScreenShare);
    }
}

void CPrintPreview::UpdatePageLabel() {
    const QLocale locale;
    pageLabel_->setText(
        printtext::Tr(printtext::kPreviewPageOf)
            .arg(locale.toString(pages_->CurrentPage()), locale.toString(pages_->PageCount())));
}

}  // namespace reelkeep
