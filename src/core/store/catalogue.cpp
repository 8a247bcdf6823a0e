#include "catalogue.h"

#include <new>
#include <utility>

#include "key_sorts.h"
#include "messages.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

constexpr std::array<std::string_view, kLookupCount> kNoMemoryMessages = {
    msg::kNoMemoryActors,     msg::kNoMemoryCustom1, msg::kNoMemoryCustom2,
    msg::kNoMemoryCustom3,    msg::kNoMemoryCustom4, msg::kNoMemoryMovieTypes,
    msg::kNoMemoryMediaTypes, msg::kNoMemoryRatings,
};

// The fields each list takes its values from, actors in slot order.
constexpr std::pair<LookupKind, Field> kSources[] = {
    {LookupKind::Actors, Field::Actor1},        {LookupKind::Actors, Field::Actor2},
    {LookupKind::Actors, Field::Actor3},        {LookupKind::MovieTypes, Field::MovieType},
    {LookupKind::MediaTypes, Field::MediaType}, {LookupKind::Ratings, Field::Rating},
    {LookupKind::Custom1, Field::Custom1},      {LookupKind::Custom2, Field::Custom2},
    {LookupKind::Custom3, Field::Custom3},      {LookupKind::Custom4, Field::Custom4},
};

}  // namespace

void CCatalogue::Set(std::uint32_t record, Field f, std::string value) {
    lookupsMatch_ = false;
    records_.Set(record, f, std::move(value));
}

void CCatalogue::SetRecord(std::uint32_t record, RecordValues values) {
    lookupsMatch_ = false;
    records_.SetRecord(record, std::move(values));
}

void CCatalogue::Append(RecordValues values) {
    records_.Append(std::move(values));
    lookupsMatch_ = false;
}

void CCatalogue::Resize(std::uint32_t count) {
    lookupsMatch_ = false;
    records_.Resize(count);
}

void CCatalogue::ReplaceColumn(Field f, std::vector<std::string> values) {
    lookupsMatch_ = false;
    records_.ReplaceColumn(f, std::move(values));
}

bool CCatalogue::Purge(const std::vector<bool>& marked) {
    if (!records_.Purge(marked)) return false;
    lookupsMatch_ = false;
    return true;
}

void CCatalogue::ClearRecords() {
    lookupsMatch_ = false;
    records_.Clear();
}

void CCatalogue::Adopt(CRecordLoader& loader) {
    lookupsMatch_ = false;
    records_.Adopt(loader);
}

void CCatalogue::ClearLookups() {
    for (auto& list : lookups_) list.Clear();
    lookupsMatch_ = false;
    // The entry dialog must not offer the values of a catalogue that is gone.
    for (auto& list : entryLists_) list.clear();
}

void CCatalogue::AddToLookup(LookupKind kind, std::string_view value) {
    try {
        lookups_[Index(kind)].Add(value);
    } catch (const std::bad_alloc&) {
        lookupsMatch_ = false;
        Warn(ui_, kNoMemoryMessages[Index(kind)]);
    }
}

void CCatalogue::AddRecordToLookups(std::uint32_t record) {
    for (const auto& [kind, field] : kSources) AddToLookup(kind, Value(record, field));
}

void CCatalogue::RebuildLookupLists(bool showProgress) {
    for (auto& list : lookups_) list.Clear();
    lookupsMatch_ = true;  // until a failed add or a change of the records
    CProgressScope progress(ui_, msg::kProgressLookupLists, records_.Count(), showProgress);
    for (std::uint32_t i = 0; i < records_.Count(); ++i) {
        AddRecordToLookups(i);
        progress.Step();
    }
}

void CCatalogue::SortMovieTypes(bool showProgress) {
    CLookupList& types = lookups_[Index(LookupKind::MovieTypes)];
    if (types.empty()) return;
    CProgressScope progress(ui_, msg::kProgressLabelColors,
                            static_cast<std::uint32_t>(types.size()), showProgress);
    types.StableSort(
        [](const std::string& a, const std::string& b) { return BlanksLastLess(a, b); });
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
        for (const auto& entry : lookups_[k].Entries()) {
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
