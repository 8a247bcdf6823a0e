#include "reelkeep_view.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "client_area.h"
#include "focus_row.h"
#include "go_to_entry.h"
#include "paint_primitives.h"
#include "qt_text.h"
#include "view_accessible.h"

namespace reelkeep {

namespace {

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
    CViewAccessible::Install();
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

    doc.UseScreenResolution(logicalDpiY());
    look_ = StartingLook(logicalDpiY());
    metrics_ = MeasureLook(look_, logicalDpiY());
    SetCustomHeadings(doc_.Display().CustomHeadings(), false);
    Relayout();
}

void CReelkeepView::OnUpdate() {
    // What Go to Entry was typed for, or the list dragged in, may be gone.
    emit documentUpdated();
    drag_.reset();
    // Another catalogue or mode starts at the top, and so does another row count, but for a
    // focus row kept below the first page. In the same listing the focus row follows its
    // movie when the rows are the same ones (a Modify that sorts it elsewhere), else keeps its
    // place (a Delete leaves it on the next movie).
    const ShownListing listing = ListingOf(doc_);
    const std::uint32_t focusBefore = focusRow_;
    const bool sameRows = listing.rowCount == shown_.rowCount;
    if (listing.catalogue != shown_.catalogue || listing.mode != shown_.mode ||
        listing.style != shown_.style) {
        ResetScroll();
        focusRow_ = 0;
    } else if (!sameRows) {
        ResetScroll();
    } else if (focusRecord_) {
        focusRow_ = RowOfRecord(*focusRecord_).value_or(focusRow_);
    }
    focusRecord_.reset();
    shown_ = listing;
    selection_.Reset(listing.rowCount);
    // The rows a screen reader holds may name other movies now.
    accessibleRows_.Release();
    Relayout();
    if (focusRow_ != focusBefore || !sameRows) ShowFocusRow();
    CViewAccessible::AnnounceListing(*this);
    CViewAccessible::AnnounceFocusRow(*this);
    announceWhenThawed_ = frozen_;
    // An update comes only when the document is consistent: a command that goes on (Find
    // opening Modify) shows the catalogue as it is now.
    if (frozen_) frozenPicture_ = CurrentPicture();
    emit selectionChanged();
}

void CReelkeepView::AwaitCatalogue(bool awaiting) {
    if (awaiting == awaitingCatalogue_) return;
    awaitingCatalogue_ = awaiting;
    // Given up, or the file held no movie: the reader is told where the keyboard is after all.
    if (!awaiting) CViewAccessible::AnnounceEmptyViewFocus(*this);
}

void CReelkeepView::FreezeDrawing() {
    if (frozen_) return;
    frozenPicture_ = CurrentPicture();
    frozen_ = true;
    focusRecord_ = RecordOfRow(focusRow_);
}

void CReelkeepView::ThawDrawing() {
    if (!frozen_) return;
    frozen_ = false;
    frozenPicture_ = QPixmap();
    Relayout();
    if (announceWhenThawed_) CViewAccessible::AnnounceFocusRow(*this);
    announceWhenThawed_ = false;
}

// Only the lists of movies have a movie per row; an actor's row or a label is not followed.
std::optional<std::uint32_t> CReelkeepView::RecordOfRow(std::uint32_t row) const {
    const DisplayMode mode = doc_.Display().State().Mode();
    const std::vector<std::uint32_t>& order = doc_.Display().Order();
    if ((mode != DisplayMode::Normal && mode != DisplayMode::OneLine) || row >= order.size()) {
        return std::nullopt;
    }
    return order[row];
}

// One pass over the order, once per change: a few milliseconds at a million movies.
std::optional<std::uint32_t> CReelkeepView::RowOfRecord(std::uint32_t record) const {
    const std::vector<std::uint32_t>& order = doc_.Display().Order();
    const auto at = std::find(order.begin(), order.end(), record);
    if (at == order.end() || !RecordOfRow(0)) return std::nullopt;
    return static_cast<std::uint32_t>(at - order.begin());
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
    look_.screenFont = MakeViewFont(face, sizeTenths, weight, italic, metrics_.dpiY);
    MeasureScreenFont(look_.screenFont, metrics_);
    ResetScroll();
    Relayout();
}

void CReelkeepView::SetLabelFont(const QString& face, int sizeTenths, int weight, bool italic) {
    look_.labelFont = MakeViewFont(face, sizeTenths, weight, italic, metrics_.dpiY);
    MeasureLabelFont(look_.labelFont, metrics_);
    ResetScroll();
    Relayout();
}

void CReelkeepView::SetDisplayColors(const ViewColors& colors) {
    look_.colors = colors;
    viewport()->update();
}

void CReelkeepView::ApplyDisplayOptions(const ViewDisplayOptions& options) {
    look_.options = options;
    Relayout();
}

void CReelkeepView::SetCustomHeadings(const HeadingTexts& headings, bool repaint) {
    UseCustomHeadings(look_, headings);
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
    std::optional<std::uint32_t> focus;
    if (hasFocus()) focus = focusRow_;
    PaintClientArea(painter, doc_.Display(),
                    {look_, metrics_, geometry_, scroll_, selection_, list, viewport()->size()},
                    focus);
}

void CReelkeepView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (frozen_) {
        painter.fillRect(viewport()->rect(), look_.colors.background);
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
    return {doc.CatalogueSerial(), doc.Display().State().Mode(), doc.Display().State().style,
            doc.Display().ShownRowCount()};
}

std::uint32_t CReelkeepView::CurrentRowCount() const { return doc_.Display().ShownRowCount(); }

void CReelkeepView::UpdateLayout() {
    geometry_ =
        ShownGeometry(doc_.Display(), metrics_, look_.options, largeLabels_, viewport()->height());
    scroll_ = FitScroll(geometry_, viewport()->width(), scroll_.scrollX, scroll_.scrollY);
    if (geometry_.rowCount != 0 && selection_.size() != geometry_.rowCount) {
        selection_.Reset(geometry_.rowCount);
    }
    focusRow_ = MovedRow(focusRow_, 0, geometry_.rowCount);
    UpdateGrabZones();
}

const ColumnLayout* CReelkeepView::ShownList() const { return ShownColumnLayout(doc_.Display()); }

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
    ApplyBarSetting(*verticalScrollBar(), VerticalBarSetting(geometry_, scroll_));
    ApplyBarSetting(*horizontalScrollBar(), HorizontalBarSetting(scroll_, metrics_));
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
        const int lineHeight = metrics_.lineHeight;
        const int h = viewport()->height();
        viewport()->scroll(0, -dy, Edges(0, lineHeight, viewport()->width(), h - h % lineHeight));
    } else {
        viewport()->scroll(0, -dy);
    }
}

void CReelkeepView::GoToTypedText(const QString& typed) {
    UpdateLayout();
    const std::optional<std::uint32_t> row = GoToRow(doc_.Display(), FromQt(typed));
    if (!row) return;  // the view stays where the last match put it
    focusRow_ = *row;
    JumpTo(GoToScrollY(geometry_, scroll_, *row));
    viewport()->update();
    CViewAccessible::AnnounceFocusRow(*this);
}

void CReelkeepView::ScrollHorizontally(int newX) {
    const int dx = newX - scroll_.scrollX;
    if (dx == 0) return;
    scroll_.scrollX = newX;
    UpdateGrabZones();
    viewport()->scroll(-dx, 0);
}

}  // namespace reelkeep
