#include "reelkeep_doc.h"

namespace reelkeep {

void CReelkeepDoc::FiltersCommand() {
    std::array<std::string, kFilterCount> filters = shown_.Filters();
    if (!ui_.RunFiltersDialog(filters)) return;
    shown_.SetFilters(filters);
    RebuildDisplayOrder();
    ReapplyCurrentSort();
    // With no sort key set the re-sort leaves the views alone, yet the listing has changed.
    if (shown_.State().sort == SortMark::None) RequestViewUpdate();
}

}  // namespace reelkeep
