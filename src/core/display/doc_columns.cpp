// The user's changes to the columns of the list shown.
#include "column_edit.h"
#include "column_positions.h"
#include "reelkeep_doc.h"

namespace reelkeep {

void CReelkeepDoc::ShownColumnsEdited() {
    // As the next paint would leave it, so that the catalogue saves what the screen shows.
    shown_.LayOutShownList();
    modified_ = true;
}

void CReelkeepDoc::AddShownListColumn(std::size_t after, std::uint32_t id, int dpiY) {
    ColumnLayout* list = shown_.ShownList();
    if (list == nullptr || after < kKeyColumn || after > kLastColumn) return;
    InsertColumn(*list, after, id, dpiY);
    ShownColumnsEdited();
}

void CReelkeepDoc::RemoveShownListColumn(std::size_t column) {
    ColumnLayout* list = shown_.ShownList();
    if (list == nullptr || !CanRemoveColumn(column)) return;
    RemoveColumn(*list, column);
    ShownColumnsEdited();
}

void CReelkeepDoc::MoveShownListBoundary(std::size_t slot, int x) {
    ColumnLayout* list = shown_.ShownList();
    if (list == nullptr || slot < 1 || slot >= kColumnSlotCount) return;
    list->positions[slot] = x;
    ShownColumnsEdited();
}

}  // namespace reelkeep
