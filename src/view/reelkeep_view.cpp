#include "reelkeep_view.h"

#include <QFontMetrics>
#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "draw_context.h"
#include "go_to_entry.h"
#include "view_painter.h"
#include "view_strings.h"

namespace reelkeep {

namespace {

QFont MakeFont(const QString& face, int pixelHeight, int weight, bool italic) {
    QFont font(face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 1, 1000)));
    font.setItalic(italic);
    return font;
}

ScrollRequest RequestOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollRequest::LineBack;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollRequest::LineForward;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollRequest::PageBack;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollRequest::PageForward;
        case QAbstractSlider::SliderToMinimum:
            return ScrollRequest::ToStart;
        case QAbstractSlider::SliderToMaximum:
            return ScrollRequest::ToEnd;
        default:
            return ScrollRequest::Thumb;
    }
}

}  // namespace

CReelkeepView::CReelkeepView(CReelkeepDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    // The view jumps only when the thumb is released, to a whole line.
    verticalScrollBar()->setTracking(false);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CReelkeepView::OnVerticalAction);
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &CReelkeepView::OnHorizontalAction);

    metrics_.dpiY = logicalDpiY();
    doc.UseScreenResolution(metrics_.dpiY);
    const QString face = ToQt(viewtext::kDefaultFontFace);
    screenFont_ = MakeFont(face, std::max(1, 10 * metrics_.dpiY / 72), 400, false);
    labelFont_ = MakeFont(face, FontPixelHeight(80, metrics_.dpiY), 400, false);
    MeasureScreenFont();
    MeasureLabelFont();
    for (std::size_t i = 0; i < columnTitles_.size(); ++i) {
        columnTitles_[i] = ToQt(viewtext::kColumnTitles[i]);
    }
    SetCustomHeadings(doc_.CustomHeadings(), false);
    Relayout();
}

void CReelkeepView::OnUpdate() {
    // What Go to Entry was typed for, or the list dragged in, may be gone.
    emit documentUpdated();
    drag_.reset();
    // Another catalogue, mode or row count starts at the top.
    const ShownListing listing = ListingOf(doc_);
    if (!(listing == shown_)) ResetScroll();
    shown_ = listing;
    selection_.Reset(listing.rowCount);
    Relayout();
    // An update comes only when the document is consistent: a command that goes on (Find
    // opening Modify) shows the catalogue as it is now.
    if (frozen_) frozenPicture_ = CurrentPicture();
    emit selectionChanged();
}

void CReelkeepView::FreezeDrawing() {
    if (frozen_) return;
    frozenPicture_ = CurrentPicture();
    frozen_ = true;
}

void CReelkeepView::ThawDrawing() {
    if (!frozen_) return;
    frozen_ = false;
    frozenPicture_ = QPixmap();
    Relayout();
}

QPixmap CReelkeepView::CurrentPicture() {
    const qreal ratio = viewport()->devicePixelRatioF();
    QPixmap picture(viewport()->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    PaintClient(painter);
    return picture;
}

void CReelkeepView::SetScreenFont(const QString& face, int sizeTenths, int weight, bool italic) {
    metrics_.dpiY = logicalDpiY();
    screenFont_ = MakeFont(face, FontPixelHeight(sizeTenths, metrics_.dpiY), weight, italic);
    MeasureScreenFont();
    ResetScroll();
    Relayout();
}

void CReelkeepView::SetLabelFont(const QString& face, int sizeTenths, int weight, bool italic) {
    labelFont_ = MakeFont(face, FontPixelHeight(sizeTenths, metrics_.dpiY), weight, italic);
    MeasureLabelFont();
    ResetScroll();
    Relayout();
}

void CReelkeepView::SetDisplayColors(const ViewColors& colors) {
    colors_ = colors;
    viewport()->update();
}

void CReelkeepView::ApplyDisplayOptions(const ViewDisplayOptions& options) {
    options_ = options;
    Relayout();
}

void CReelkeepView::SetCustomHeadings(const HeadingTexts& headings, bool repaint) {
    for (std::size_t k = 0; k < headings.size(); ++k) {
        headings_[k] = ToQt(headings[k]);
        columnTitles_[3 + k] = QLatin1Char(' ') + headings_[k];
    }
    if (repaint) viewport()->update();
}

void CReelkeepView::PaintClient(QPainter& painter) {
    UpdateLayout();
    const ColumnLayout* list = ShownList();
    // A dragged boundary shows where the mouse holds it; the document has it when it is let go.
    ColumnLayout dragged;
    if (drag_ && list != nullptr) {
        dragged = *list;
        dragged.positions[drag_->slot] = drag_->x;
        list = &dragged;
    }
    const DrawContext ctx{painter,     doc_,          metrics_,           geometry_,  colors_,
                          options_,    columnTitles_, headings_,          selection_, list,
                          screenFont_, labelFont_,    viewport()->width()};
    painter.fillRect(viewport()->rect(), colors_.background);
    PaintVisibleRows(ctx, scroll_.scrollX, scroll_.scrollY, viewport()->height());
}

void CReelkeepView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (frozen_) {
        painter.fillRect(viewport()->rect(), colors_.background);
        painter.drawPixmap(0, 0, frozenPicture_);
        return;
    }
    PaintClient(painter);
    // The document may have changed under the view without an update; the bars follow later,
    // as changing them here would resize the area being painted.
    if (ScrollBarsOutOfDate()) {
        QMetaObject::invokeMethod(this, &CReelkeepView::ApplyScrollBars, Qt::QueuedConnection);
    }
}

bool CReelkeepView::viewportEvent(QEvent* event) {
    if (frozen_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
                return true;
            default:
                break;
        }
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CReelkeepView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (frozen_) return;  // laid out again when the change ends
    UpdateLayout();
    ApplyScrollBars();
}

// The scroll bars mirror the view's own scroll position; the view moves its contents itself.
void CReelkeepView::scrollContentsBy(int, int) {}

CReelkeepView::ShownListing CReelkeepView::ListingOf(const CReelkeepDoc& doc) {
    return {doc.CatalogueSerial(), doc.Display().Mode(), doc.Display().style, doc.ShownRowCount()};
}

std::uint32_t CReelkeepView::CurrentRowCount() const { return doc_.ShownRowCount(); }

void CReelkeepView::UpdateLayout() {
    GeometryInput in;
    in.mode = doc_.Display().Mode();
    in.rowCount = doc_.ShownRowCount();
    in.metrics = metrics_;
    in.options = options_;
    in.largeLabels = largeLabels_;
    in.clientHeight = viewport()->height();
    in.list = ShownList();
    geometry_ = ComputeGeometry(in);
    scroll_ = FitScroll(geometry_, viewport()->width(), scroll_.scrollX, scroll_.scrollY);
    if (geometry_.rowCount != 0 && selection_.size() != geometry_.rowCount) {
        selection_.Reset(geometry_.rowCount);
    }
    UpdateGrabZones();
}

const ColumnLayout* CReelkeepView::ShownList() const {
    const std::optional<LayoutKey> key = ShownListLayout(doc_.Display());
    return key ? &doc_.Layouts()[static_cast<std::size_t>(*key)] : nullptr;
}

void CReelkeepView::UpdateGrabZones() {
    grabZones_.fill(QRect());
    const ColumnLayout* list = ShownList();
    if (list == nullptr) return;
    for (std::size_t k = 1; k < kColumnSlotCount; ++k) {
        if (!SlotPresent(*list, k)) continue;
        const int x = list->positions[k] - scroll_.scrollX;
        grabZones_[k - 1] = Edges(x - 4, 0, x + 4, metrics_.lineHeight);
    }
}

void CReelkeepView::ApplyScrollBars() {
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, scroll_.limitY);
    v->setPageStep(std::max(1, scroll_.pageHeight));
    v->setSingleStep(std::max(1, geometry_.unitHeight));
    v->setValue(scroll_.scrollY);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, scroll_.limitX);
    h->setPageStep(std::max(1, scroll_.pageWidth));
    h->setSingleStep(std::max(1, metrics_.avgCharWidth));
    h->setValue(scroll_.scrollX);
}

bool CReelkeepView::ScrollBarsOutOfDate() const {
    const QScrollBar* v = verticalScrollBar();
    const QScrollBar* h = horizontalScrollBar();
    return v->maximum() != scroll_.limitY || v->value() != scroll_.scrollY ||
           h->maximum() != scroll_.limitX || h->value() != scroll_.scrollX;
}

void CReelkeepView::Relayout() {
    UpdateLayout();
    ApplyScrollBars();
    viewport()->update();
}

void CReelkeepView::ResetScroll() {
    scroll_.scrollX = 0;
    scroll_.scrollY = 0;
}

void CReelkeepView::MeasureScreenFont() {
    const QFontMetrics fm(screenFont_);
    metrics_.lineHeight = fm.height() + std::max(0, fm.leading()) + 5;
    metrics_.avgCharWidth = std::max(1, fm.averageCharWidth());
    metrics_.maxCharWidth = std::max(1, fm.maxWidth());
}

void CReelkeepView::MeasureLabelFont() {
    const QFontMetrics fm(labelFont_);
    metrics_.labelLineHeight = std::max(1, fm.height() + std::max(0, fm.leading()));
    metrics_.labelCharWidth = std::max(1, fm.averageCharWidth());
}

void CReelkeepView::SetLargeLabels(bool large) {
    largeLabels_ = large;
    Relayout();
}

void CReelkeepView::OnVerticalAction(int action) {
    if (action == QAbstractSlider::SliderNoAction) return;
    VerticalRequest(RequestOf(action), verticalScrollBar()->sliderPosition());
}

void CReelkeepView::OnHorizontalAction(int action) {
    if (action == QAbstractSlider::SliderNoAction) return;
    HorizontalRequest(RequestOf(action), horizontalScrollBar()->sliderPosition());
}

void CReelkeepView::VerticalRequest(ScrollRequest request, int thumb) {
    const int target =
        VerticalScrollTarget(request, scroll_.scrollY, scroll_.limitY, geometry_.unitHeight,
                             scroll_.pageHeight, metrics_.lineHeight, thumb);
    ScrollVertically(target);
    // Also corrects the thumb when the request was rounded or refused.
    verticalScrollBar()->setValue(scroll_.scrollY);
}

void CReelkeepView::HorizontalRequest(ScrollRequest request, int thumb) {
    const int target = HorizontalScrollTarget(request, scroll_.scrollX, scroll_.limitX,
                                              metrics_.avgCharWidth, viewport()->width(), thumb);
    ScrollHorizontally(target);
    horizontalScrollBar()->setValue(scroll_.scrollX);
}

void CReelkeepView::ScrollVertically(int newY) {
    const int dy = newY - scroll_.scrollY;
    if (dy == 0) return;
    scroll_.scrollY = newY;
    if (geometry_.linesPerRow == 1 && geometry_.headerHeight > 0) {
        // The header line stays put: only whole row lines below it move.
        const int L = metrics_.lineHeight;
        const int h = viewport()->height();
        viewport()->scroll(0, -dy, Edges(0, L, viewport()->width(), h - h % L));
    } else {
        viewport()->scroll(0, -dy);
    }
}

void CReelkeepView::GoToTypedText(const QString& typed) {
    UpdateLayout();
    const std::optional<std::uint32_t> row = GoToRow(doc_, FromQt(typed));
    if (!row) return;  // the view stays where the last match put it
    scroll_.scrollY = GoToScrollY(geometry_, scroll_, *row);
    verticalScrollBar()->setValue(scroll_.scrollY);
    viewport()->update();
}

void CReelkeepView::ScrollHorizontally(int newX) {
    const int dx = newX - scroll_.scrollX;
    if (dx == 0) return;
    scroll_.scrollX = newX;
    UpdateGrabZones();
    viewport()->scroll(-dx, 0);
}

}  // namespace reelkeep
