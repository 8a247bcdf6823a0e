// Label Format: the counter-number order, the label layout and the label colours.
#include <new>

#include "key_sorts.h"
#include "label_builder.h"
#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

void CReelkeepDoc::SortByCounterNumber() {
    if (records_.Count() < 2) return;
    const std::uint32_t passes =
        displayOrder_.empty() ? 0 : static_cast<std::uint32_t>(displayOrder_.size() - 1);
    ProgressScope progress(ui_, msg::kProgressSortCounter, passes);
    StableSortCounters(displayOrder_, Column(Field::Counter));
    progress.StepTo(passes);
}

void CReelkeepDoc::BuildLabelLayout() {
    labels_.clear();
    ProgressScope progress(ui_, msg::kProgressBuildLabels,
                           records_.Count() == 0 ? 0 : records_.Count() - 1);
    try {
        BuildLabels(*this, displayOrder_, options_.tapeText, labels_, [&] { progress.Step(); });
    } catch (const std::bad_alloc&) {
        progress.End();
        Warn(ui_, msg::kNoMemoryLabels);
    }
}

void CReelkeepDoc::UpdateLabelColors() {
    LookupList& types = lookups_[Index(LookupKind::MovieTypes)];
    if (types.empty()) {
        dataColors_.clear();
        headingColors_.clear();
        return;
    }
    {
        ProgressScope progress(ui_, msg::kProgressLabelColors,
                               static_cast<std::uint32_t>(types.size()), progressEnabled_);
        // Only the names move: colour k stays with whichever type ends up at place k.
        types.StableSort(
            [](const std::string& a, const std::string& b) { return BlanksLastLess(a, b); });
        progress.StepTo(static_cast<std::uint32_t>(types.size() - 1));
    }
    if (dataColors_.size() < types.size()) dataColors_.assign(types.size(), 0);
    if (headingColors_.empty()) headingColors_.push_back(0);
}

}  // namespace reelkeep
