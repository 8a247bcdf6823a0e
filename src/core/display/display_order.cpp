// The display order: the records the filters let through, in record order, and the rows of
// what is shown.
#include <algorithm>
#include <new>

#include "catalogue_display.h"
#include "text_compare.h"

namespace reelkeep {

namespace {

bool IsAll(std::string_view filter) { return EqualsNoCase(filter, kFilterAll); }

bool Passes(std::string_view value, std::string_view filter) {
    return IsAll(filter) || StartsWithNoCase(value, filter);
}

}  // namespace

bool CCatalogueDisplay::FiltersOn() const {
    return !std::all_of(filters_.begin(), filters_.end(),
                        [](const std::string& f) { return IsAll(f); });
}

void CCatalogueDisplay::RebuildOrder() {
    order_.clear();
    const bool allPass = !FiltersOn();
    const auto filter = [this](FilterField f) -> const std::string& {
        return filters_[static_cast<std::size_t>(f)];
    };
    const CCatalogue& records = catalogue_;
    order_.reserve(records.Count());
    for (std::uint32_t i = 0; i < records.Count(); ++i) {
        if (!allPass) {
            const std::string& actorFilter = filter(FilterField::Actor);
            if (!Passes(records.Value(i, Field::Actor1), actorFilter) &&
                !Passes(records.Value(i, Field::Actor2), actorFilter) &&
                !Passes(records.Value(i, Field::Actor3), actorFilter)) {
                continue;
            }
            const bool passesAll =
                std::all_of(kFilters.begin(), kFilters.end(), [&](const FilterInfo& info) {
                    return info.filter == FilterField::Actor ||
                           Passes(records.Value(i, info.field), filter(info.filter));
                });
            if (!passesAll) continue;
        }
        order_.push_back(i);
    }
    // Without filters every record shows in record order, so the displayed actors are the
    // actor lookup list, when that is up to date: a copy spares a hash probe per actor name.
    if (allPass && records.LookupsMatchRecords()) {
        displayedActors_ = records.Lookup(LookupKind::Actors);
        return;
    }
    displayedActors_.Clear();
    const std::string& actorFilter = filter(FilterField::Actor);
    for (std::uint32_t record : order_) {
        for (int k = 0; k < 3; ++k) {
            const std::string& name = records.Value(record, ActorField(k));
            if (Passes(name, actorFilter)) displayedActors_.Add(name);
        }
    }
}

void CCatalogueDisplay::RebuildOrderOrClear() {
    try {
        RebuildOrder();
    } catch (const std::bad_alloc&) {
        order_.clear();
        displayedActors_.Clear();
    }
}

std::uint32_t CCatalogueDisplay::ListingCount() const {
    return state_.sort == SortMark::Actors ? ActorRowCount()
                                           : static_cast<std::uint32_t>(order_.size());
}

std::uint32_t CCatalogueDisplay::ListingRecord(std::uint32_t row) const {
    return state_.sort == SortMark::Actors ? ActorRowRecord(row) : order_[row];
}

std::uint32_t CCatalogueDisplay::ShownRowCount() const {
    switch (state_.Mode()) {
        case DisplayMode::Actors:
            return ActorRowCount();
        case DisplayMode::Normal:
        case DisplayMode::OneLine:
            return static_cast<std::uint32_t>(order_.size());
        case DisplayMode::Labels:
            return static_cast<std::uint32_t>(labels_.size());
        case DisplayMode::None:
            break;
    }
    return 0;
}

}  // namespace reelkeep
