// The actor index of the displayed records.
#include <algorithm>
#include <iterator>
#include <utility>

#include "actor_index_builder.h"
#include "catalogue_display.h"
#include "messages.h"
#include "text_compare.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

void SortByName(CLookupList& actors) {
    actors.StableSort(
        [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
}

}  // namespace

void CCatalogueDisplay::SortDisplayedActors(bool showProgress) {
    const std::size_t names = DisplayedActors().size();
    CProgressScope progress(ui_, msg::kProgressSortActorNames,
                            static_cast<std::uint32_t>(names - 1), showProgress);
    if (actorsFromLookup_) {
        TakeSortedActors(SortedDisplayedActors());
    } else {
        SortByName(displayedActors_);
    }
    progress.StepTo(static_cast<std::uint32_t>(names - 1));
}

CLookupList CCatalogueDisplay::SortedDisplayedActors() const {
    CLookupList sorted = DisplayedActors();
    SortByName(sorted);
    return sorted;
}

void CCatalogueDisplay::TakeSortedActors(CLookupList sorted) {
    displayedActors_ = std::move(sorted);
    actorsFromLookup_ = false;
}

void CCatalogueDisplay::BuildActorIndex(bool showProgress) {
    actorIndex_.clear();
    if (DisplayedActors().empty()) return;
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

namespace {

using Row = ActorIndex::Row;

bool RowBefore(const Row& row, std::pair<std::uint32_t, std::uint32_t> at) {
    return row.group != at.first ? row.group < at.first : row.record < at.second;
}

}  // namespace

std::vector<std::uint32_t> CCatalogueDisplay::ActorGroupsOf(std::uint32_t record) const {
    // As BuildActorRows finds them: a movie without actors goes under the pseudo-actor (and
    // under an actor spelled exactly like it), any actor spelled like it in any case too.
    const auto pseudo = static_cast<std::uint32_t>(actorIndex_.groupNames.size() - 1);
    std::vector<std::uint32_t> groups;
    bool noActor = true;
    for (int k = 0; k < 3; ++k) {
        const std::string& name = catalogue_.Value(record, ActorField(static_cast<std::size_t>(k)));
        if (name.empty()) continue;
        noActor = false;
        if (const std::size_t g = displayedActors_.Find(name); g != CLookupList::kAbsent) {
            groups.push_back(static_cast<std::uint32_t>(g));
        }
        if (EqualsNoCase(name, msg::kNoActorListed)) groups.push_back(pseudo);
    }
    if (noActor) {
        const std::size_t g = displayedActors_.Find(msg::kNoActorListed);
        if (g != CLookupList::kAbsent && displayedActors_[g] == msg::kNoActorListed) {
            groups.push_back(static_cast<std::uint32_t>(g));
        }
        groups.push_back(pseudo);
    }
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

void CCatalogueDisplay::RemoveFromActorIndex(std::uint32_t record) {
    std::vector<Row>& rows = actorIndex_.rows;
    for (std::uint32_t g : ActorGroupsOf(record)) {
        const auto at = std::lower_bound(rows.begin(), rows.end(), std::pair{g, record}, RowBefore);
        if (at == rows.end() || at->group != g || at->record != record) continue;
        const bool first = at->firstOfGroup;
        const auto next = rows.erase(at);
        if (first && next != rows.end() && next->group == g) next->firstOfGroup = true;
    }
    for (int k = 0; k < 3; ++k) {
        namesToSync_.push_back(catalogue_.Value(record, ActorField(static_cast<std::size_t>(k))));
    }
}

void CCatalogueDisplay::SyncActorGroups() {
    const CLookupList& lookup = catalogue_.Lookup(LookupKind::Actors);
    std::vector<Row>& rows = actorIndex_.rows;
    for (const std::string& name : namesToSync_) {
        if (name.empty()) continue;
        // The pseudo-actor's exact spelling brings movies without actors with it.
        if (EqualsNoCase(name, msg::kNoActorListed)) actorIndexStale_ = true;
        const std::size_t shown = displayedActors_.Find(name);
        const std::size_t listed = lookup.Find(name);
        if (listed == CLookupList::kAbsent) {
            if (shown == CLookupList::kAbsent) continue;
            displayedActors_.EraseAt(shown);
            actorIndex_.groupNames.erase(actorIndex_.groupNames.begin() +
                                         static_cast<std::ptrdiff_t>(shown));
            for (Row& row : rows) {
                if (row.group > shown) --row.group;
            }
        } else if (shown == CLookupList::kAbsent) {
            const std::size_t at =
                displayedActors_.AddOccurrence(lookup[listed], lookup.FirstKey(listed)).inserted;
            actorIndex_.groupNames.insert(
                actorIndex_.groupNames.begin() + static_cast<std::ptrdiff_t>(at), lookup[listed]);
            for (Row& row : rows) {
                if (row.group >= at) ++row.group;
            }
        } else if (displayedActors_[shown] != lookup[listed]) {
            displayedActors_.SetForm(shown, lookup[listed]);
            actorIndex_.groupNames[shown] = lookup[listed];
        }
    }
    namesToSync_.clear();
}

void CCatalogueDisplay::AddToActorIndex(std::uint32_t record) {
    for (int k = 0; k < 3; ++k) {
        namesToSync_.push_back(catalogue_.Value(record, ActorField(static_cast<std::size_t>(k))));
    }
    SyncActorGroups();
    std::vector<Row>& rows = actorIndex_.rows;
    for (std::uint32_t g : ActorGroupsOf(record)) {
        auto at = std::lower_bound(rows.begin(), rows.end(), std::pair{g, record}, RowBefore);
        const bool first = at == rows.begin() || std::prev(at)->group != g;
        if (first && at != rows.end() && at->group == g) at->firstOfGroup = false;
        rows.insert(at, Row{g, record, first});
    }
}

void CCatalogueDisplay::RenumberActorIndex(const std::vector<std::uint32_t>& purged) {
    if (!purged.empty()) {
        for (Row& row : actorIndex_.rows) {
            if (row.record < purged.front()) continue;
            row.record -= static_cast<std::uint32_t>(
                std::lower_bound(purged.begin(), purged.end(), row.record) - purged.begin());
        }
    }
    SyncActorGroups();
}

bool CCatalogueDisplay::EndActorIndexChange() {
    namesToSync_.clear();
    return std::exchange(actorIndexStale_, false);
}

std::string_view CCatalogueDisplay::ActorRowGroupName(std::uint32_t row) const {
    const ActorIndex::Row& r = actorIndex_.rows[row];
    return r.firstOfGroup ? std::string_view(actorIndex_.groupNames[r.group]) : std::string_view();
}

}  // namespace reelkeep
