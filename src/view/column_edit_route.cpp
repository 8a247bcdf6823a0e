#include "column_edit_route.h"

#include "reelkeep_doc.h"
#include "reelkeep_view.h"

namespace reelkeep {

void RouteColumnEdits(CReelkeepView& view, CReelkeepDoc& doc) {
    QObject::connect(&view, &CReelkeepView::columnAddRequested, &view,
                     [&doc](std::size_t after, std::uint32_t id, int dpiY) {
                         doc.AddShownListColumn(after, id, dpiY);
                     });
    QObject::connect(&view, &CReelkeepView::columnRemoveRequested, &view,
                     [&doc](std::size_t column) { doc.RemoveShownListColumn(column); });
    QObject::connect(&view, &CReelkeepView::columnBoundaryMoved, &view,
                     [&doc](std::size_t slot, int x) { doc.MoveShownListBoundary(slot, x); });
}

}  // namespace reelkeep
