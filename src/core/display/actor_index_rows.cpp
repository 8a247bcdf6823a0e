// The actor index of the displayed records.
#include "actor_index_builder.h"
#include "catalogue_display.h"
#include "messages.h"
#include "text_compare.h"
#include "ui_interface.h"

namespace reelkeep {

void CCatalogueDisplay::SortDisplayedActors(bool showProgress) {
    const std::size_t names = displayedActors_.size();
    CProgressScope progress(ui_, msg::kProgressSortActorNames,
                            static_cast<std::uint32_t>(names - 1), showProgress);
    displayedActors_.StableSort(
        [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    progress.StepTo(static_cast<std::uint32_t>(names - 1));
}

void CCatalogueDisplay::BuildActorIndex(bool showProgress) {
    actorIndex_.clear();
    if (displayedActors_.empty()) return;
    SortDisplayedActors(showProgress);
    const std::size_t names = displayedActors_.size();
    CProgressScope progress(ui_, msg::kProgressSortActors, static_cast<std::uint32_t>(names + 1),
                            showProgress);
    actorIndex_.groupNames = displayedActors_.Entries();
    actorIndex_.groupNames.emplace_back(msg::kNoActorListed);
    const CCatalogue& records = catalogue_;
    actorIndex_.rows =
        BuildActorRows(order_,
                       {&records.Column(Field::Actor1), &records.Column(Field::Actor2),
                        &records.Column(Field::Actor3)},
                       actorIndex_.groupNames);
    progress.StepTo(static_cast<std::uint32_t>(names + 1));
}

std::string_view CCatalogueDisplay::ActorRowGroupName(std::uint32_t row) const {
    const ActorIndex::Row& r = actorIndex_.rows[row];
    return r.firstOfGroup ? std::string_view(actorIndex_.groupNames[r.group]) : std::string_view();
}

}  // namespace reelkeep
