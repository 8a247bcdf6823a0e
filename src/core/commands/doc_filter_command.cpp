#include "reelkeep_doc.h"

namespace reelkeep {

void CReelkeepDoc::FiltersCommand() {
    std::array<std::string, kFilterCount> filters = filters_;
    if (!ui_.RunFiltersDialog(filters)) return;
    filters_ = std::move(filters);
    RebuildDisplayOrder();
    ReapplyCurrentSort();
    // With no sort key set the re-sort leaves the views alone, yet the listing has changed.
    if (display_.sort == SortMark::None) RequestViewUpdate();
}

}  // namespace reelkeep
