// The view's focus row: the keys that move and choose it, and what the screen reader and the
// picture are told of it.
#include <QKeyEvent>
#include <QScrollBar>

#include "focus_row.h"
#include "paint_primitives.h"
#include "reelkeep_view.h"
#include "view_accessible.h"

namespace reelkeep {

std::optional<std::uint32_t> CReelkeepView::ShownRowAt(const QPoint& pos) const {
    if (pos.y() < geometry_.headerHeight) return std::nullopt;
    const std::int64_t row = RowUnder(pos);
    if (row < 0 || row >= geometry_.rowCount) return std::nullopt;
    return static_cast<std::uint32_t>(row);
}

QRect CReelkeepView::RowRect(std::uint32_t row) const {
    return EntryRect(geometry_, metrics_, row, scroll_.scrollX, scroll_.scrollY,
                     viewport()->width());
}

bool CReelkeepView::RowShows(std::uint32_t row) const {
    const QRect rows = Edges(0, geometry_.headerHeight, viewport()->width(), viewport()->height());
    return RowRect(row).intersects(rows);
}

std::uint32_t CReelkeepView::AccessibleRowCount() const {
    return frozen_ ? geometry_.rowCount : CurrentRowCount();
}

std::optional<RowText> CReelkeepView::AccessibleRowText(std::uint32_t row) const {
    if (frozen_) return std::nullopt;
    return CRowTexts::Of(doc_.Display(), look_, row);
}

bool CReelkeepView::RowsToActOn() const {
    return selection_.Present() || focusRow_ < CurrentRowCount();
}

std::vector<std::uint32_t> CReelkeepView::ActedRowFlags() const {
    if (selection_.Present() && selection_.IsSelected(focusRow_)) return selection_.Flags();
    const std::uint32_t rows = CurrentRowCount();
    if (focusRow_ >= rows) return selection_.Flags();
    std::vector<std::uint32_t> flags(rows, 0);
    flags[focusRow_] = 1;
    return flags;
}

bool CReelkeepView::FocusKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool shift = mods.testFlag(Qt::ShiftModifier);
    const std::uint32_t rows = geometry_.rowCount;
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (!ctrl) return false;
            MoveFocusRow(MovedRow(focusRow_, event.key() == Qt::Key_Up ? -1 : 1, rows), shift);
            return true;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!ctrl) return false;
            MoveFocusRow(event.key() == Qt::Key_Home ? 0 : MovedRow(rows, -1, rows), shift);
            return true;
        case Qt::Key_Space:
            ToggleFocusRow();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ModifyFromKeyboard();
            return true;
        case Qt::Key_Menu:
            ShowRecordMenuAtFocusRow();
            return true;
        case Qt::Key_F10:
            if (!shift) return false;
            ShowRecordMenuAtFocusRow();
            return true;
        default:
            return false;
    }
}

void CReelkeepView::MoveFocusRow(std::uint32_t row, bool extendSelection) {
    if (geometry_.rowCount == 0) return;
    const std::uint32_t from = focusRow_;
    focusRow_ = row;
    if (extendSelection) {
        selection_.AddRange(from, row);
        emit selectionChanged();
        CViewAccessible::AnnounceSelection(*this);
    }
    ShowFocusRow();
    CViewAccessible::AnnounceFocusRow(*this);
}

void CReelkeepView::ShowFocusRow() {
    JumpTo(ScrollYShowing(geometry_, scroll_, focusRow_));
    viewport()->update();
}

void CReelkeepView::JumpTo(int scrollY) {
    scroll_.scrollY = scrollY;
    verticalScrollBar()->setValue(scroll_.scrollY);
}

void CReelkeepView::ToggleFocusRow() {
    if (focusRow_ >= geometry_.rowCount) return;
    selection_.Toggle(focusRow_);
    viewport()->update();
    emit selectionChanged();
    CViewAccessible::AnnounceRowSelection(*this, focusRow_, selection_.IsSelected(focusRow_));
}

// Modify takes the rows acted on itself.
void CReelkeepView::ModifyFromKeyboard() {
    if (geometry_.mode == DisplayMode::Labels || geometry_.rowCount == 0) return;
    emit commandRequested(CommandId::Modify);
}

void CReelkeepView::ShowRecordMenuAtFocusRow() {
    if (geometry_.rowCount == 0) return;
    const QRect row = RowRect(focusRow_);
    const QRect area = viewport()->rect();
    const QPoint at(std::clamp(row.left() + metrics_.avgCharWidth * 4, 0, area.width() - 1),
                    std::clamp(row.top() + metrics_.lineHeight / 2, 0, area.height() - 1));
    ShowPopUp(RecordMenuItems(), viewport()->mapToGlobal(at));
}

void CReelkeepView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    CViewAccessible::AnnounceFocusRow(*this);
}

void CReelkeepView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

}  // namespace reelkeep
