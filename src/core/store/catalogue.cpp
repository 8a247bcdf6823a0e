#include "catalogue.h"

#include <algorithm>
#include <new>
#include <utility>

#include "key_sorts.h"
#include "messages.h"
#include "side_by_side.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

constexpr std::array<std::string_view, kLookupCount> kNoMemoryMessages = {
    msg::kNoMemoryActors,     msg::kNoMemoryCustom1, msg::kNoMemoryCustom2,
    msg::kNoMemoryCustom3,    msg::kNoMemoryCustom4, msg::kNoMemoryMovieTypes,
    msg::kNoMemoryMediaTypes, msg::kNoMemoryRatings,
};

// The slot of a field among those feeding its list: the actor number, else 0.
int SlotOf(Field f) {
    for (int k = 0; k < 3; ++k) {
        if (f == ActorField(static_cast<std::size_t>(k))) return k;
    }
    return 0;
}

// The places of a list's entries in order of first appearance, the order the entry dialog's
// copies keep whether or not the list was sorted.
std::vector<std::size_t> InKeyOrder(const CLookupList& list) {
    std::vector<std::size_t> places(list.size());
    for (std::size_t i = 0; i < places.size(); ++i) places[i] = i;
    if (list.Sorted()) {
        std::sort(places.begin(), places.end(), [&](std::size_t a, std::size_t b) {
            return list.FirstKey(a) < list.FirstKey(b);
        });
    }
    return places;
}

bool MovieTypeLess(const std::string& a, const std::string& b) { return BlanksLastLess(a, b); }

}  // namespace

void CCatalogue::Set(std::uint32_t record, Field f, std::string value) {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.Set(record, f, std::move(value));
}

void CCatalogue::SetRecord(std::uint32_t record, RecordValues values) {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.SetRecord(record, std::move(values));
}

void CCatalogue::Append(RecordValues values) {
    ++recordEdits_;
    records_.Append(std::move(values));
    lookupsMatch_ = false;
}

void CCatalogue::Resize(std::uint32_t count) {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.Resize(count);
}

void CCatalogue::ReplaceColumn(Field f, std::vector<std::string> values) {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.ReplaceColumn(f, std::move(values));
}

bool CCatalogue::Purge(const std::vector<bool>& marked) {
    if (!records_.Purge(marked)) return false;
    ++recordEdits_;
    lookupsMatch_ = false;
    return true;
}

void CCatalogue::ClearRecords() {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.Clear();
}

void CCatalogue::Adopt(CRecordLoader& loader) {
    ++recordEdits_;
    lookupsMatch_ = false;
    records_.Adopt(loader);
}

void CCatalogue::TakeFrom(CCatalogue&& other) {
    ++recordEdits_;
    records_ = std::move(other.records_);
    lookups_ = std::move(other.lookups_);
    lookupsMatch_ = other.lookupsMatch_;
    entryLists_ = std::move(other.entryLists_);
    entryListStale_ = other.entryListStale_;
    typesChanged_ = other.typesChanged_;
}

void CCatalogue::ClearLookups() {
    for (auto& list : lookups_) list.Clear();
    lookupsMatch_ = false;
    // The entry dialog must not offer the values of a catalogue that is gone.
    for (auto& list : entryLists_) list.clear();
}

void CCatalogue::AddToLookup(LookupKind kind, std::string_view value, SourceKey key) {
    try {
        lookups_[Index(kind)].Add(value, key);
    } catch (const std::bad_alloc&) {
        lookupsMatch_ = false;
        Warn(ui_, kNoMemoryMessages[Index(kind)]);
    }
}

void CCatalogue::AddRecordToLookups(std::uint32_t record) {
    for (const auto& [kind, field] : kLookupSources) {
        AddToLookup(kind, Value(record, field), SourceKeyOf(record, SlotOf(field)));
    }
}

void CCatalogue::FollowEdit(LookupKind kind, ListEdit edit) {
    if (edit.erased == ListEdit::kNone && edit.inserted == ListEdit::kNone) return;
    const std::size_t k = Index(kind);
    if (kind == LookupKind::MovieTypes) typesChanged_ = true;
    std::vector<std::string>& copy = entryLists_[k];
    const CLookupList& list = lookups_[k];
    const std::size_t added = edit.inserted != ListEdit::kNone ? 1 : 0;
    const std::size_t gone = edit.erased != ListEdit::kNone ? 1 : 0;
    // A sorted list's copy is in order of first appearance, and a copy cut short by lack of
    // memory cannot follow place by place: both are copied whole at the end.
    if (entryListStale_[k] || list.Sorted() || copy.size() + added != list.size() + gone) {
        entryListStale_[k] = true;
        return;
    }
    if (gone) copy.erase(copy.begin() + static_cast<std::ptrdiff_t>(edit.erased));
    if (added) {
        copy.insert(copy.begin() + static_cast<std::ptrdiff_t>(edit.inserted), list[edit.inserted]);
    }
}

std::optional<std::pair<SourceKey, std::string_view>> CCatalogue::NextSource(
    LookupKind kind, std::string_view value, SourceKey after,
    const std::vector<std::uint32_t>& skipped) const {
    for (std::uint32_t record = static_cast<std::uint32_t>(after / 3); record < Count(); ++record) {
        if (std::binary_search(skipped.begin(), skipped.end(), record)) continue;
        for (const auto& [k, field] : kLookupSources) {
            if (k != kind) continue;
            const SourceKey key = SourceKeyOf(record, SlotOf(field));
            const std::string& text = Value(record, field);
            if (key > after && EqualsNoCase(text, value)) {
                return std::pair<SourceKey, std::string_view>{key, text};
            }
        }
    }
    return std::nullopt;
}

void CCatalogue::KeepMovieTypesSorted() {
    CLookupList& types = lookups_[Index(LookupKind::MovieTypes)];
    if (!types.Sorted()) types.StableSort(MovieTypeLess);
}

void CCatalogue::RemoveRecordsFromLookups(const std::vector<std::uint32_t>& records) {
    KeepMovieTypesSorted();
    for (std::uint32_t record : records) {
        for (const auto& [kind, field] : kLookupSources) {
            const auto next = [&, kind = kind](std::string_view value, SourceKey after) {
                return NextSource(kind, value, after, records);
            };
            FollowEdit(kind, lookups_[Index(kind)].RemoveOccurrence(
                                 Value(record, field), SourceKeyOf(record, SlotOf(field)), next));
        }
    }
}

void CCatalogue::AddChangedRecordToLookups(std::uint32_t record) {
    KeepMovieTypesSorted();
    for (const auto& [kind, field] : kLookupSources) {
        FollowEdit(kind, lookups_[Index(kind)].AddOccurrence(Value(record, field),
                                                             SourceKeyOf(record, SlotOf(field))));
    }
}

void CCatalogue::RenumberLookups(const std::vector<std::uint32_t>& purged) {
    if (purged.empty()) return;
    // Purged records hold no first appearance any more, so every key falls between them.
    const auto map = [&](SourceKey key) {
        const auto below = std::lower_bound(purged.begin(), purged.end(), key / 3) - purged.begin();
        return key - SourceKey{3} * static_cast<SourceKey>(below);
    };
    for (auto& list : lookups_) list.RemapKeys(map);
}

bool CCatalogue::EndLookupChange() {
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        if (!entryListStale_[k]) continue;
        entryListStale_[k] = false;
        const CLookupList& list = lookups_[k];
        std::vector<std::string> copy;
        copy.reserve(list.size());
        for (const std::size_t i : InKeyOrder(list)) copy.push_back(list[i]);
        entryLists_[k].swap(copy);
    }
    lookupsMatch_ = true;
    return std::exchange(typesChanged_, false);
}

void CCatalogue::RebuildLookupLists(bool showProgress) {
    for (auto& list : lookups_) list.Clear();
    entryListStale_.fill(false);
    typesChanged_ = false;
    lookupsMatch_ = true;  // until a failed add or a change of the records
    // The actors' list, as long as all the others together, fills on a second core; its
    // failures are told once both are done, as the UI belongs to this thread.
    std::uint32_t actorsLeftOut = 0;
    CProgressScope progress(ui_, msg::kProgressLookupLists, records_.Count(), showProgress);
    RunSideBySide(
        [&] {
            actorsLeftOut = FillLookup(
                lookups_[Index(LookupKind::Actors)], LookupKind::Actors,
                [this](Field f) -> const std::vector<std::string>& { return Column(f); },
                records_.Count());
        },
        [&] {
            for (std::uint32_t i = 0; i < records_.Count(); ++i) {
                for (const auto& [kind, field] : kLookupSources) {
                    if (kind == LookupKind::Actors) continue;
                    AddToLookup(kind, Value(i, field), SourceKeyOf(i, SlotOf(field)));
                }
                progress.Step();
            }
        });
    WarnLeftOut(LookupKind::Actors, actorsLeftOut);
}

void CCatalogue::AdoptLookups(CLookupFiller::Lists filled) {
    lookups_ = std::move(filled.lists);
    entryListStale_.fill(false);
    typesChanged_ = false;
    lookupsMatch_ = true;
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        WarnLeftOut(static_cast<LookupKind>(k), filled.leftOut[k]);
    }
}

void CCatalogue::WarnLeftOut(LookupKind kind, std::uint32_t leftOut) {
    if (leftOut != 0) lookupsMatch_ = false;
    for (std::uint32_t k = 0; k < leftOut; ++k) Warn(ui_, kNoMemoryMessages[Index(kind)]);
}

void CCatalogue::SortMovieTypes(bool showProgress) {
    CLookupList& types = lookups_[Index(LookupKind::MovieTypes)];
    if (types.empty()) return;
    CProgressScope progress(ui_, msg::kProgressLabelColors,
                            static_cast<std::uint32_t>(types.size()), showProgress);
    types.StableSort(MovieTypeLess);
    progress.StepTo(static_cast<std::uint32_t>(types.size() - 1));
}

void CCatalogue::RefreshEntryDialogLists(bool showProgress) {
    std::uint32_t total = 0;
    for (auto& list : entryLists_) {
        list.clear();
        list.shrink_to_fit();
    }
    for (const auto& lookup : lookups_) total += static_cast<std::uint32_t>(lookup.size());
    CProgressScope progress(ui_, msg::kProgressDialogLists, total, showProgress);
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        for (const std::size_t i : InKeyOrder(lookups_[k])) {
            const std::string& entry = lookups_[k][i];
            try {
                entryLists_[k].push_back(entry);
            } catch (const std::bad_alloc&) {
                Warn(ui_, kNoMemoryMessages[k]);
            }
            progress.Step();
        }
    }
}

}  // namespace reelkeep
