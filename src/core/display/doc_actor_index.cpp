// Sort by Actors: the actor index of the displayed records.
#include "actor_index_builder.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "text_compare.h"

namespace reelkeep {

void CReelkeepDoc::SortByActorsCommand() {
    WaitCursor wait(ui_);
    ShowSortedBy(SortMark::Actors);
    BuildActorIndex();
    RequestViewUpdate();
}

void CReelkeepDoc::SortDisplayedActors() {
    const std::size_t names = displayedActors_.size();
    // The sorted list is also what the actor filter's users see afterwards.
    ProgressScope progress(ui_, msg::kProgressSortActorNames, static_cast<std::uint32_t>(names - 1),
                           progressEnabled_);
    displayedActors_.StableSort(
        [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    progress.StepTo(static_cast<std::uint32_t>(names - 1));
}

void CReelkeepDoc::BuildActorIndex() {
    actorIndex_.clear();
    if (displayedActors_.empty()) return;
    SortDisplayedActors();
    const std::size_t names = displayedActors_.size();
    ProgressScope progress(ui_, msg::kProgressSortActors, static_cast<std::uint32_t>(names + 1),
                           progressEnabled_);
    actorIndex_.groupNames = displayedActors_.entries();
    actorIndex_.groupNames.emplace_back(msg::kNoActorListed);
    actorIndex_.rows = BuildActorRows(
        displayOrder_, {&Column(Field::Actor1), &Column(Field::Actor2), &Column(Field::Actor3)},
        actorIndex_.groupNames);
    progress.StepTo(static_cast<std::uint32_t>(names + 1));
}

std::string_view CReelkeepDoc::ActorRowGroupName(std::uint32_t row) const {
    const ActorIndex::Row& r = actorIndex_.rows[row];
    return r.firstOfGroup ? std::string_view(actorIndex_.groupNames[r.group]) : std::string_view();
}

}  // namespace reelkeep
