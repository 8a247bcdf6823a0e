// The view's mouse, keyboard, context menu and command handling.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "column_edit.h"
#include "draw_context.h"
#include "reelkeep_view.h"
#include "view_accessible.h"
#include "view_strings.h"

namespace reelkeep {

std::int64_t CReelkeepView::RowUnder(const QPoint& pos) const {
    return RowAt(geometry_, metrics_, pos.x(), pos.y(), scroll_.scrollX, scroll_.scrollY);
}

std::optional<std::size_t> CReelkeepView::BoundaryAt(const QPoint& pos) const {
    for (std::size_t k = 0; k < grabZones_.size(); ++k) {
        if (grabZones_[k].contains(pos)) return k + 1;
    }
    return std::nullopt;
}

void CReelkeepView::SelectionEdited() {
    viewport()->update();
    emit selectionChanged();
    CViewAccessible::AnnounceSelection(*this);
}

void CReelkeepView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    UpdateLayout();
    const QPoint pos = event->position().toPoint();
    if (geometry_.rowCount == 0) return;
    const std::int64_t row = RowUnder(pos);
    if (row >= geometry_.rowCount) return;
    // The top line never selects, even when a record lies under it.
    if (pos.y() < metrics_.lineHeight) {
        const std::optional<std::size_t> boundary = BoundaryAt(pos);
        if (boundary && geometry_.linesPerRow == 1) StartBoundaryDrag(*boundary);
        return;
    }
    if (row < 0) return;
    const auto mods = event->modifiers();
    selection_.Click(static_cast<std::size_t>(row), mods.testFlag(Qt::ShiftModifier),
                     mods.testFlag(Qt::ControlModifier));
    focusRow_ = static_cast<std::uint32_t>(row);
    SelectionEdited();
    CViewAccessible::AnnounceFocusRow(*this);
}

// The press did the work, but for ending a drag; the release is taken so that it goes no
// further.
void CReelkeepView::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_) EndBoundaryDrag();
    event->accept();
}

void CReelkeepView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    UpdateLayout();
    if (geometry_.mode == DisplayMode::Labels || geometry_.rowCount == 0) return;
    const QPoint pos = event->position().toPoint();
    const std::int64_t row = RowUnder(pos);
    if (row < 0 || row >= geometry_.rowCount || pos.y() < metrics_.lineHeight) return;
    selection_.SelectSingle(static_cast<std::size_t>(row));
    focusRow_ = static_cast<std::uint32_t>(row);
    SelectionEdited();
    emit commandRequested(CommandId::Modify);
}

void CReelkeepView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (drag_) {
        FollowBoundaryDrag(pos);
        return;
    }
    const bool overBoundary = geometry_.linesPerRow == 1 && geometry_.rowCount != 0 &&
                              pos.y() < metrics_.lineHeight && BoundaryAt(pos);
    if (overBoundary) {
        viewport()->setCursor(Qt::SizeHorCursor);
    } else {
        viewport()->unsetCursor();
    }
}

void CReelkeepView::keyPressEvent(QKeyEvent* event) {
    if (frozen_) return;
    UpdateLayout();
    if (FocusKey(*event)) return;
    switch (event->key()) {
        case Qt::Key_PageUp:
            VerticalRequest(ScrollRequest::PageBack);
            break;
        case Qt::Key_PageDown:
            VerticalRequest(ScrollRequest::PageForward);
            break;
        case Qt::Key_Home:
            VerticalRequest(ScrollRequest::ToStart);
            HorizontalRequest(ScrollRequest::ToStart);
            break;
        case Qt::Key_End:
            VerticalRequest(ScrollRequest::ToEnd);
            HorizontalRequest(ScrollRequest::ToStart);
            break;
        case Qt::Key_Left:
            HorizontalRequest(ScrollRequest::LineBack);
            break;
        case Qt::Key_Right:
            HorizontalRequest(ScrollRequest::LineForward);
            break;
        case Qt::Key_Up:
            VerticalRequest(ScrollRequest::LineBack);
            break;
        case Qt::Key_Down:
            VerticalRequest(ScrollRequest::LineForward);
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            break;  // left to the window's shortcuts
    }
}

void CReelkeepView::contextMenuEvent(QContextMenuEvent* event) {
    UpdateLayout();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        ShowRecordMenuAtFocusRow();
        return;
    }
    if (geometry_.rowCount == 0 || !viewport()->rect().contains(event->pos())) return;
    const int recordsTop = geometry_.linesPerRow == 1 ? metrics_.lineHeight : 0;
    if (event->pos().y() < recordsTop) {
        ShowPopUp(FieldsMenuItemsAt(event->pos()), event->globalPos());
    } else {
        ShowPopUp(RecordMenuItems(), event->globalPos());
    }
}

void CReelkeepView::ShowPopUp(const std::vector<ContextMenuItem>& items, const QPoint& globalPos) {
    if (items.empty()) return;
    QMenu menu(this);
    QAction* first = nullptr;
    for (const ContextMenuItem& item : items) {
        QAction* action = menu.addAction(viewtext::Tr(item.text));
        action->setEnabled(item.enabled);
        action->setData(static_cast<uint>(item.id));
        if (first == nullptr && item.enabled) first = action;
    }
    // Opened with its first item active, so a screen reader speaks the menu and the item at
    // once; an item made active before the menu shows is not announced.
    if (first != nullptr) {
        QMetaObject::invokeMethod(
            &menu, [&menu, first] { menu.setActiveAction(first); }, Qt::QueuedConnection);
    }
    if (const QAction* chosen = menu.exec(globalPos)) {
        emit commandRequested(static_cast<CommandId>(chosen->data().toUInt()));
    }
}

std::vector<ContextMenuItem> CReelkeepView::RecordMenuItems() const {
    const DisplayMode mode = doc_.Display().State().Mode();
    const bool rows = doc_.Display().ShownRowCount() != 0;
    const bool labels = mode == DisplayMode::Labels;
    const bool chosen = RowsToActOn() && !labels;
    return {
        {CommandId::Delete, viewtext::kMenuDelete, chosen},
        {CommandId::Modify, viewtext::kMenuModify, chosen},
        {CommandId::SelectAll, viewtext::kMenuSelectAll, rows && mode != DisplayMode::OneLine},
        {CommandId::Undo, viewtext::kMenuUndo, doc_.IsEnabled(CommandId::Undo)},
        {CommandId::Find, viewtext::kMenuFind, rows && !labels},
    };
}

std::vector<ContextMenuItem> CReelkeepView::FieldsMenuItemsAt(const QPoint& pos) {
    UpdateLayout();
    const ColumnLayout* list = ShownList();
    if (list == nullptr || geometry_.linesPerRow != 1 || pos.y() >= metrics_.lineHeight) return {};
    fieldsColumn_ = ColumnUnder(*list, pos.x() + scroll_.scrollX);
    return {
        {CommandId::AddField, viewtext::kMenuAddField, CanAddColumn(*list)},
        {CommandId::RemoveField, viewtext::kMenuRemoveField, CanRemoveColumn(fieldsColumn_)},
    };
}

void CReelkeepView::AddColumn(std::size_t after, std::uint32_t id) {
    emit columnAddRequested(after, id, metrics_.dpiY);
    Relayout();
}

void CReelkeepView::RemoveField() {
    emit columnRemoveRequested(fieldsColumn_);
    Relayout();
}

void CReelkeepView::StartBoundaryDrag(std::size_t slot) {
    drag_ = BoundaryDrag{slot, ShownList()->positions[slot]};
}

void CReelkeepView::FollowBoundaryDrag(const QPoint& pos) {
    if (pos.y() <= 0 || pos.y() >= metrics_.lineHeight) {
        EndBoundaryDrag();
        return;
    }
    const std::optional<int> x =
        DraggedBoundary(*ShownList(), drag_->slot, pos.x() + scroll_.scrollX,
                        viewport()->width() + scroll_.scrollX);
    if (!x || *x == drag_->x) return;
    drag_->x = *x;
    viewport()->update(DraggedHeaderStrip());
}

// From the boundary before the dragged one to the next, where the header cells change.
QRect CReelkeepView::DraggedHeaderStrip() const {
    const ColumnLayout& list = *ShownList();
    const std::size_t slot = drag_->slot;
    int right = viewport()->width() + scroll_.scrollX;
    for (std::size_t k = slot + 1; k < kColumnSlotCount; ++k) {
        if (SlotPresent(list, k)) {
            right = list.positions[k];
            break;
        }
    }
    return Edges(SlotLeft(list, slot - 1) - scroll_.scrollX, 0, right - scroll_.scrollX + 1,
                 metrics_.lineHeight);
}

void CReelkeepView::EndBoundaryDrag() {
    const BoundaryDrag done = *drag_;
    drag_.reset();
    emit columnBoundaryMoved(done.slot, done.x);
    Relayout();
}

void CReelkeepView::ClearSelection() {
    selection_.ClearAll();
    SelectionEdited();
}

void CReelkeepView::SelectOnly(std::uint32_t row, bool selected) {
    UpdateLayout();
    selection_.Reset(geometry_.rowCount);
    selection_.SelectOnly(row, selected);
    // Find selects the movie it found while the document is consistent; show it, with the
    // focus row on it, before the edit dialog opens over it.
    if (selected && row < geometry_.rowCount) {
        focusRow_ = row;
        ShowFocusRow();
    }
    if (frozen_) frozenPicture_ = CurrentPicture();
    viewport()->repaint();
    emit selectionChanged();
    CViewAccessible::AnnounceSelection(*this);
    CViewAccessible::AnnounceFocusRow(*this);
    announceWhenThawed_ = announceWhenThawed_ || frozen_;
}

void CReelkeepView::SelectRows(std::vector<std::uint32_t> rows) {
    UpdateLayout();
    selection_.Reset(geometry_.rowCount);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const std::uint32_t row : rows) {
        if (row < geometry_.rowCount) selection_.Click(row, false, true);
    }
    SelectionEdited();
}

bool CReelkeepView::Handles(CommandId id) {
    switch (id) {
        case CommandId::SelectAll:
        case CommandId::LargeLabels:
        case CommandId::SmallLabels:
        case CommandId::GoToEntry:
        case CommandId::AddField:
        case CommandId::RemoveField:
            return true;
        default:
            return false;
    }
}

bool CReelkeepView::IsEnabled(CommandId id) const {
    const DisplayMode mode = doc_.Display().State().Mode();
    const bool rows = doc_.Display().ShownRowCount() != 0;
    switch (id) {
        case CommandId::SelectAll:
        case CommandId::GoToEntry:
            return rows;
        // As the "Fields" menu offered them over the list shown.
        case CommandId::AddField:
            return ShownList() != nullptr && fieldsColumn_ >= kKeyColumn &&
                   CanAddColumn(*ShownList());
        case CommandId::RemoveField:
            return ShownList() != nullptr && CanRemoveColumn(fieldsColumn_);
        case CommandId::LargeLabels:
        case CommandId::SmallLabels:
            return rows && mode == DisplayMode::Labels;
        default:
            return false;
    }
}

bool CReelkeepView::IsChecked(CommandId id) const {
    if (id == CommandId::LargeLabels) return largeLabels_;
    if (id == CommandId::SmallLabels) return !largeLabels_;
    return false;
}

void CReelkeepView::Execute(CommandId id) {
    if (!IsEnabled(id)) return;
    switch (id) {
        case CommandId::SelectAll:
            // Counted in the rows on screen, so labels select as labels.
            selection_.ToggleAll(CurrentRowCount());
            SelectionEdited();
            CViewAccessible::AnnounceFocusRowAgain(*this);
            break;
        case CommandId::LargeLabels:
            SetLargeLabels(true);
            break;
        case CommandId::SmallLabels:
            SetLargeLabels(false);
            break;
        case CommandId::GoToEntry:
            emit goToEntryRequested();
            break;
        case CommandId::AddField:
            emit addColumnRequested(fieldsColumn_);
            break;
        case CommandId::RemoveField:
            RemoveField();
            break;
        default:
            break;
    }
}

}  // namespace reelkeep
