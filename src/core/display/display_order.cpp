// The display order: the records the filters let through, in record order, and the rows of
// what is shown.
#include <algorithm>
#include <new>

#include "catalogue_display.h"
#include "key_sorts.h"
#include "sort_keys.h"
#include "text_compare.h"
#include "title_sort.h"

namespace reelkeep {

namespace {

bool IsAll(std::string_view filter) { return EqualsNoCase(filter, kFilterAll); }

bool Passes(std::string_view value, std::string_view filter) {
    return IsAll(filter) || StartsWithNoCase(value, filter);
}

bool ReadableTape(std::string_view tape) { return tape.empty() || IsAllDigits(tape); }

// The order a sort by key leaves, as a comparison of two records: the key, then the title the
// sort started from. Records it calls equal are the ties the title sort places at will.
class COrderLess {
public:
    COrderLess(const CCatalogue& records, const OrderKey& key) : records_(records), key_(key) {}

    bool operator()(std::uint32_t a, std::uint32_t b) const {
        if (key_.sort == SortMark::None) return a < b;
        if (const int c = CompareKeys(a, b); c != 0) return c < 0;
        return CompareNoCase(Title(a), Title(b)) < 0;
    }

private:
    std::string_view Title(std::uint32_t r) const {
        return TitleKey(records_.Value(r, Field::MovieName), key_.ignoreThe);
    }

    int CompareKeys(std::uint32_t a, std::uint32_t b) const {
        if (key_.sort == SortMark::Title) return 0;
        if (key_.sort == SortMark::TapeNumber) {
            const std::string& ta = records_.Value(a, Field::TapeNumber);
            const std::string& tb = records_.Value(b, Field::TapeNumber);
            if (key_.tapeText) return CompareNoCase(ta, tb);
            const bool na = IsAllDigits(ta);
            const bool nb = IsAllDigits(tb);
            if (na && nb) return CompareDigitsByValue(ta, tb);
            return na == nb ? 0 : (na ? -1 : 1);
        }
        const Field f = *FindSortKey(key_.sort)->keyField;
        const std::string& va = records_.Value(a, f);
        const std::string& vb = records_.Value(b, f);
        if (BlanksLastLess(va, vb)) return -1;
        return BlanksLastLess(vb, va) ? 1 : 0;
    }

    const CCatalogue& records_;
    OrderKey key_;
};

}  // namespace

void CCatalogueDisplay::NoteOrderKey(std::optional<OrderKey> key) {
    orderKey_ = key;
    tiesMayDiffer_ = false;
    unreadableTapes_ = 0;
    if (!key || key->sort != SortMark::TapeNumber || key->tapeText) return;
    for (std::uint32_t record : order_) {
        if (!ReadableTape(catalogue_.Value(record, Field::TapeNumber))) ++unreadableTapes_;
    }
}

bool CCatalogueDisplay::CanFollowRecords(const OrderKey& key) const {
    if (!orderKey_ || *orderKey_ != key || FiltersOn() || state_.LabelFormat()) return false;
    // The index follows a record order and a sorted copy of the actor lookup list.
    return state_.sort != SortMark::Actors ||
           (!actorsFromLookup_ && displayedActors_.Sorted() && !actorIndex_.groupNames.empty());
}

void CCatalogueDisplay::RemoveFromOrder(const std::vector<std::uint32_t>& records) {
    const bool countTapes = orderKey_ && orderKey_->sort == SortMark::TapeNumber;
    tiesMayDiffer_ = tiesMayDiffer_ || orderKey_->sort != SortMark::None;
    for (std::uint32_t record : records) {
        if (countTapes && !ReadableTape(catalogue_.Value(record, Field::TapeNumber))) {
            --unreadableTapes_;
        }
    }
    if (records.size() == 1) {
        const auto at = std::find(order_.begin(), order_.end(), records.front());
        if (at != order_.end()) order_.erase(at);
        return;
    }
    std::erase_if(order_, [&](std::uint32_t r) {
        return std::binary_search(records.begin(), records.end(), r);
    });
}

void CCatalogueDisplay::InsertInOrder(std::uint32_t record) {
    const COrderLess less(catalogue_, *orderKey_);
    tiesMayDiffer_ = tiesMayDiffer_ || orderKey_->sort != SortMark::None;
    order_.insert(std::upper_bound(order_.begin(), order_.end(), record, less), record);
    if (orderKey_->sort == SortMark::TapeNumber &&
        !ReadableTape(catalogue_.Value(record, Field::TapeNumber))) {
        ++unreadableTapes_;
    }
}

void CCatalogueDisplay::RenumberOrder(const std::vector<std::uint32_t>& purged) {
    if (purged.empty()) return;
    for (std::uint32_t& record : order_) {
        if (record < purged.front()) continue;
        record -= static_cast<std::uint32_t>(
            std::lower_bound(purged.begin(), purged.end(), record) - purged.begin());
    }
}

bool CCatalogueDisplay::FiltersOn() const {
    return !std::all_of(filters_.begin(), filters_.end(),
                        [](const std::string& f) { return IsAll(f); });
}

void CCatalogueDisplay::RebuildOrder() {
    order_.clear();
    NoteOrderKey(OrderKey{});
    actorsFromLookup_ = false;
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
    // actor lookup list, when that is up to date: it serves as it is, and follows each change.
    if (allPass && records.LookupsMatchRecords()) {
        displayedActors_.Clear();
        actorsFromLookup_ = true;
        return;
    }
    displayedActors_.Clear();
    const std::string& actorFilter = filter(FilterField::Actor);
    for (std::uint32_t record : order_) {
        for (int k = 0; k < 3; ++k) {
            const std::string& name = records.Value(record, ActorField(k));
            if (Passes(name, actorFilter)) displayedActors_.Add(name, SourceKeyOf(record, k));
        }
    }
}

void CCatalogueDisplay::RebuildOrderOrClear() {
    try {
        RebuildOrder();
    } catch (const std::bad_alloc&) {
        order_.clear();
        displayedActors_.Clear();
        actorsFromLookup_ = false;
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
