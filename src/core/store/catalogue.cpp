#include "catalogue.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <utility>

#include "key_sorts.h"
#include "messages.h"
#include "side_by_side.h"
#include "text_compare.h"
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

// Cap on the changes kept per entry dialog list: a copy further behind is made anew, which then
// costs about what following that many changes would.
constexpr std::size_t kMaxLoggedChanges = 64;

// Fills are numbered across every catalogue of the process (one may be read on another
// thread), so that a copy never takes another catalogue's list for the one it came from.
std::atomic<std::uint64_t> g_lastEntryListFill{0};

// Eight bytes of a value from offset, folded, big-endian, so that unequal keys order values
// as CompareNoCase does; past its end a value reads zero bytes, below every byte but a zero one,
// whose tie CompareNoCase settles.
std::uint64_t FoldedBytes(const std::string& value, std::size_t offset) {
    std::uint64_t key = 0;
    for (std::size_t i = offset; i < offset + 8; ++i) {
        const auto byte = i < value.size() ? static_cast<unsigned char>(FoldChar(value[i])) : 0;
        key = (key << 8) | byte;
    }
    return key;
}

using KeyedEntries = std::vector<std::pair<std::uint64_t, const std::string*>>;

// Sorts values that agree ignoring case in their first offset bytes by the next eight, then each
// run that agrees in those too by the eight after, and so on: a sort of some 300,000 actors,
// most of which share their first eight bytes with others (first names), mostly compares keys
// held side by side. Runs of long values sharing a long beginning are left to CompareNoCase.
void SortFrom(KeyedEntries::iterator first, KeyedEntries::iterator last, std::size_t offset) {
    constexpr std::size_t kKeyedBytes = 64;
    if (offset >= kKeyedBytes) {
        std::sort(first, last, [](const auto& a, const auto& b) {
            return CompareNoCase(*a.second, *b.second) < 0;
        });
        return;
    }
    for (auto it = first; it != last; ++it) it->first = FoldedBytes(*it->second, offset);
    std::sort(first, last, [](const auto& a, const auto& b) { return a.first < b.first; });
    while (first != last) {
        const auto run =
            std::find_if(first, last, [&](const auto& e) { return e.first != first->first; });
        const bool goesOn =
            std::any_of(first, run, [&](const auto& e) { return e.second->size() > offset + 8; });
        if (run - first > 1) SortFrom(first, run, goesOn ? offset + 8 : kKeyedBytes);
        first = run;
    }
}

// A list's entries in the order the entry dialog shows them.
KeyedEntries InShownOrder(const CLookupList& list) {
    KeyedEntries keyed;
    keyed.reserve(list.size());
    for (const std::string& entry : list.Entries()) keyed.emplace_back(0, &entry);
    SortFrom(keyed.begin(), keyed.end(), 0);
    return keyed;
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
    entryListFill_ = other.entryListFill_;
    entryListChanges_ = std::move(other.entryListChanges_);
    typesChanged_ = other.typesChanged_;
}

void CCatalogue::ClearLookups() {
    for (auto& list : lookups_) list.Clear();
    lookupsMatch_ = false;
    // The entry dialog must not offer the values of a catalogue that is gone.
    for (std::size_t k = 0; k < kLookupCount; ++k) {
        entryLists_[k].clear();
        NewEntryListFill(k);
    }
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

void CCatalogue::NewEntryListFill(std::size_t k) {
    entryListFill_[k] = ++g_lastEntryListFill;
    entryListChanges_[k].clear();
}

void CCatalogue::LogEntryListChange(std::size_t k, std::size_t place, const std::string* arriving) {
    std::vector<EntryListChange>& changes = entryListChanges_[k];
    if (changes.size() == kMaxLoggedChanges) return NewEntryListFill(k);
    try {
        changes.push_back({place, arriving != nullptr, arriving ? *arriving : std::string()});
    } catch (const std::bad_alloc&) {
        // A copy that cannot learn the change is made anew.
        NewEntryListFill(k);
    }
}

void CCatalogue::FollowEdit(LookupKind kind, ListEdit edit, std::string_view value) {
    if (edit.erased == ListEdit::kNone && edit.inserted == ListEdit::kNone) return;
    const std::size_t k = Index(kind);
    if (kind == LookupKind::MovieTypes) typesChanged_ = true;
    std::vector<std::string>& copy = entryLists_[k];
    const CLookupList& list = lookups_[k];
    const std::size_t added = edit.inserted != ListEdit::kNone ? 1 : 0;
    const std::size_t gone = edit.erased != ListEdit::kNone ? 1 : 0;
    // A copy cut short by lack of memory cannot follow entry by entry: it is copied whole at the
    // end.
    if (entryListStale_[k] || copy.size() + added != list.size() + gone) {
        entryListStale_[k] = true;
        return;
    }
    // The entry that goes, arrives or takes another form is the one equal to value ignoring
    // case, and the copy's order puts it at the same place either way.
    const auto at = std::lower_bound(
        copy.begin(), copy.end(), value,
        [](const std::string& entry, std::string_view v) { return CompareNoCase(entry, v) < 0; });
    const auto place = static_cast<std::size_t>(at - copy.begin());
    if (gone) {
        if (at == copy.end() || !EqualsNoCase(*at, value)) {
            entryListStale_[k] = true;
            return;
        }
        copy.erase(at);
        LogEntryListChange(k, place, nullptr);
    }
    if (added) {
        const std::string& entry = list[edit.inserted];
        copy.insert(copy.begin() + static_cast<std::ptrdiff_t>(place), entry);
        LogEntryListChange(k, place, &entry);
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
            const std::string& value = Value(record, field);
            FollowEdit(kind,
                       lookups_[Index(kind)].RemoveOccurrence(
                           value, SourceKeyOf(record, SlotOf(field)), next),
                       value);
        }
    }
}

void CCatalogue::AddChangedRecordToLookups(std::uint32_t record) {
    KeepMovieTypesSorted();
    for (const auto& [kind, field] : kLookupSources) {
        const std::string& value = Value(record, field);
        FollowEdit(kind,
                   lookups_[Index(kind)].AddOccurrence(value, SourceKeyOf(record, SlotOf(field))),
                   value);
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
        CProgressScope unseen(ui_, {}, 0, false);
        FillEntryList(k, unseen);
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

void CCatalogue::FillEntryList(std::size_t k, CProgressScope& progress) {
    const CLookupList& list = lookups_[k];
    std::vector<std::string>& copy = entryLists_[k];
    copy.clear();
    copy.shrink_to_fit();
    NewEntryListFill(k);
    // Each entry is read in the list's order and copied to its place: read in the order shown,
    // the values would be sought all over memory, which at a million movies is slower.
    std::vector<std::uint32_t> placeOf;
    try {
        const KeyedEntries order = InShownOrder(list);
        placeOf.resize(order.size());
        for (std::size_t place = 0; place < order.size(); ++place) {
            placeOf[static_cast<std::size_t>(order[place].second - list.Entries().data())] =
                static_cast<std::uint32_t>(place);
        }
        copy.resize(list.size());
    } catch (const std::bad_alloc&) {
        copy.clear();
        Warn(ui_, kNoMemoryMessages[k]);
        return;
    }
    bool lost = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        try {
            copy[placeOf[i]] = list[i];
        } catch (const std::bad_alloc&) {
            Warn(ui_, kNoMemoryMessages[k]);
            lost = true;
        }
        progress.Step();
    }
    // No entry is empty, so the places of those lost are.
    if (lost) std::erase_if(copy, [](const std::string& entry) { return entry.empty(); });
}

void CCatalogue::RefreshEntryDialogLists(bool showProgress) {
    std::uint32_t total = 0;
    for (const auto& lookup : lookups_) total += static_cast<std::uint32_t>(lookup.size());
    CProgressScope progress(ui_, msg::kProgressDialogLists, total, showProgress);
    for (std::size_t k = 0; k < kLookupCount; ++k) FillEntryList(k, progress);
}

}  // namespace reelkeep
