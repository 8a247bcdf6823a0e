// The view's mouse, keyboard, context menu and command handling.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <algorithm>

#include "draw_context.h"
#include "reelkeep_view.h"
#include "view_strings.h"

namespace reelkeep {

std::int64_t CReelkeepView::RowUnder(const QPoint& pos) const {
    return RowAt(geometry_, metrics_, pos.x(), pos.y(), scroll_.scrollX, scroll_.scrollY);
}

bool CReelkeepView::InGrabZone(const QPoint& pos) const {
    return std::any_of(grabZones_.begin(), grabZones_.end(),
                       [&](const QRect& zone) { return zone.contains(pos); });
}

void CReelkeepView::PublishSelection(SelectionCopy copy) {
    switch (copy) {
        case SelectionCopy::Keep:
            break;
        case SelectionCopy::Drop:
            sharedSelection_.flags.clear();
            break;
        case SelectionCopy::Take:
            // A failed copy throws before anything changed; the document reports it.
            sharedSelection_.flags = selection_.flags();
            break;
    }
    sharedSelection_.present = selection_.present();
}

void CReelkeepView::SelectionEdited() {
    PublishSelection(SelectionCopy::Keep);
    viewport()->update();
    emit selectionChanged();
}

void CReelkeepView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    UpdateLayout();
    const QPoint pos = event->position().toPoint();
    if (geometry_.rowCount == 0) return;
    const std::int64_t row = RowUnder(pos);
    // The top line never selects, even when a record lies under it.
    if (row < 0 || row >= geometry_.rowCount || pos.y() < metrics_.lineHeight) return;
    const auto mods = event->modifiers();
    selection_.Click(static_cast<std::size_t>(row), mods.testFlag(Qt::ShiftModifier),
                     mods.testFlag(Qt::ControlModifier));
    SelectionEdited();
}

// The press did the work; the release is taken so that it goes no further.
void CReelkeepView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void CReelkeepView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    UpdateLayout();
    if (geometry_.mode == DisplayMode::Labels || geometry_.rowCount == 0) return;
    const QPoint pos = event->position().toPoint();
    const std::int64_t row = RowUnder(pos);
    if (row < 0 || row >= geometry_.rowCount || pos.y() < metrics_.lineHeight) return;
    selection_.SelectSingle(static_cast<std::size_t>(row));
    SelectionEdited();
    emit commandRequested(CommandId::Modify);
}

void CReelkeepView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool overBoundary = geometry_.linesPerRow == 1 && geometry_.rowCount != 0 &&
                              pos.y() < metrics_.lineHeight && InGrabZone(pos);
    if (overBoundary) {
        viewport()->setCursor(Qt::SizeHorCursor);
    } else {
        viewport()->unsetCursor();
    }
}

void CReelkeepView::keyPressEvent(QKeyEvent* event) {
    if (frozen_) return;
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
    if (geometry_.rowCount == 0 || !viewport()->rect().contains(event->pos())) return;
    const int recordsTop = geometry_.linesPerRow == 1 ? metrics_.lineHeight : 0;
    if (event->pos().y() < recordsTop) return;  // the header line has a menu of its own
    QMenu menu(this);
    for (const ContextMenuItem& item : RecordMenuItems()) {
        QAction* action = menu.addAction(ToQt(item.text));
        action->setEnabled(item.enabled);
        action->setData(static_cast<uint>(item.id));
    }
    if (const QAction* chosen = menu.exec(event->globalPos())) {
        emit commandRequested(static_cast<CommandId>(chosen->data().toUInt()));
    }
}

std::vector<ContextMenuItem> CReelkeepView::RecordMenuItems() const {
    const DisplayMode mode = CurrentDisplayMode(doc_);
    const bool rows = ModeRowCount(doc_, mode) != 0;
    const bool labels = mode == DisplayMode::Labels;
    const bool chosen = selection_.present() && !labels;
    return {
        {CommandId::Delete, viewtext::kMenuDelete, chosen},
        {CommandId::Modify, viewtext::kMenuModify, chosen},
        {CommandId::SelectAll, viewtext::kMenuSelectAll, rows && mode != DisplayMode::OneLine},
        {CommandId::Undo, viewtext::kMenuUndo, doc_.Undo().available},
        {CommandId::Find, viewtext::kMenuFind, rows && !labels},
    };
}

void CReelkeepView::StoreSelection() { PublishSelection(SelectionCopy::Take); }

void CReelkeepView::SelectOnly(std::uint32_t row, bool selected) {
    UpdateLayout();
    selection_.Reset(geometry_.rowCount);
    selection_.SelectOnly(row, selected);
    PublishSelection(SelectionCopy::Keep);
    // Find selects the movie it found while the document is consistent; show it.
    if (frozen_) frozenPicture_ = CurrentPicture();
    viewport()->update();
    emit selectionChanged();
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
    return id == CommandId::SelectAll || id == CommandId::LargeLabels ||
           id == CommandId::SmallLabels;
}

bool CReelkeepView::IsEnabled(CommandId id) const {
    const DisplayMode mode = CurrentDisplayMode(doc_);
    const bool rows = ModeRowCount(doc_, mode) != 0;
    switch (id) {
        case CommandId::SelectAll:
            return rows;
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
            break;
        case CommandId::LargeLabels:
            SetLargeLabels(true);
            break;
        case CommandId::SmallLabels:
            SetLargeLabels(false);
            break;
        default:
            break;
    }
}

}  // namespace reelkeep
