#include "reelkeep_doc.h"

#include <algorithm>
#include <new>

#include "column_positions.h"
#include "messages.h"
#include "sort_keys.h"

namespace reelkeep {

namespace {

constexpr std::array<std::string_view, 4> kDefaultHeadings = {
    "Custom 1 Heading", "Custom 2 Heading", "Custom 3 Heading", "Custom 4 Heading"};

constexpr std::array<std::string_view, kLookupCount> kNoMemoryMessages = {
    msg::kNoMemoryActors,     msg::kNoMemoryCustom1, msg::kNoMemoryCustom2,
    msg::kNoMemoryCustom3,    msg::kNoMemoryCustom4, msg::kNoMemoryMovieTypes,
    msg::kNoMemoryMediaTypes, msg::kNoMemoryRatings,
};

}  // namespace

std::string_view DefaultCustomHeading(std::size_t k) { return kDefaultHeadings[k]; }

CReelkeepDoc::CReelkeepDoc(IReelkeepUI& ui) : ui_(ui), layouts_(DefaultColumnLayouts()) {
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) headings_[k] = kDefaultHeadings[k];
    filters_.fill(std::string(kFilterAll));
}

CReelkeepDoc::~CReelkeepDoc() = default;

void CReelkeepDoc::SetValue(std::uint32_t record, Field f, std::string value) {
    lookupsMatchRecords_ = false;
    records_.Set(record, f, std::move(value));
}

void CReelkeepDoc::SetRecord(std::uint32_t record, RecordValues values) {
    lookupsMatchRecords_ = false;
    records_.SetRecord(record, std::move(values));
}

void CReelkeepDoc::ResetCatalogue() {
    ++catalogueSerial_;
    lookupsMatchRecords_ = false;
    filters_.fill(std::string(kFilterAll));
    displayedActors_.Clear();
    displayOrder_.clear();
    displayOrder_.shrink_to_fit();
    records_.Clear();
    for (auto& list : lookups_) list.Clear();
    // The entry dialog must not offer the values of a catalogue that is gone.
    for (auto& list : entryLists_) list.clear();
    actorIndex_.clear();
    headingColors_.clear();
    dataColors_.clear();
    display_.style = ViewStyle::Normal;
    const SortKeyInfo* key = FindSortKey(display_.sort);
    if (key == nullptr || !key->keptOnReset) display_.sort = SortMark::None;
    ClearUndoJournal();
    labels_.clear();
}

void CReelkeepDoc::SetRecordCount(std::uint32_t count) {
    lookupsMatchRecords_ = false;
    records_.Resize(count);
}

void CReelkeepDoc::StartLoading() {
    ++catalogueSerial_;
    lookupsMatchRecords_ = false;
    records_.Clear();
    displayOrder_.clear();
    actorIndex_.clear();
    labels_.clear();
    rowSelection_ = RowSelection{};
    ui_.ClearSelection();
}

void CReelkeepDoc::AdoptRecords(RecordLoader& loader) {
    lookupsMatchRecords_ = false;
    records_.Adopt(loader);
}

void CReelkeepDoc::AppendRecord(RecordValues values) {
    records_.Append(std::move(values));
    lookupsMatchRecords_ = false;
}

void CReelkeepDoc::PurgeDeletedRecords(const std::vector<bool>& marked) {
    if (records_.Purge(marked)) lookupsMatchRecords_ = false;
    RebuildDisplayOrder();
}

void CReelkeepDoc::ReplaceColumn(Field f, std::vector<std::string> values) {
    lookupsMatchRecords_ = false;
    records_.ReplaceColumn(f, std::move(values));
}

void CReelkeepDoc::AddToLookup(LookupKind kind, std::string_view value) {
    try {
        lookups_[Index(kind)].Add(value);
    } catch (const std::bad_alloc&) {
        lookupsMatchRecords_ = false;
        Warn(ui_, kNoMemoryMessages[Index(kind)]);
    }
}

void CReelkeepDoc::AddRecordToLookups(std::uint32_t i) {
    // The fields each list takes its values from, actors in slot order.
    static constexpr std::pair<LookupKind, Field> kSources[] = {
        {LookupKind::Actors, Field::Actor1},        {LookupKind::Actors, Field::Actor2},
        {LookupKind::Actors, Field::Actor3},        {LookupKind::MovieTypes, Field::MovieType},
        {LookupKind::MediaTypes, Field::MediaType}, {LookupKind::Ratings, Field::Rating},
        {LookupKind::Custom1, Field::Custom1},      {LookupKind::Custom2, Field::Custom2},
        {LookupKind::Custom3, Field::Custom3},      {LookupKind::Custom4, Field::Custom4},
    };
    for (const auto& [kind, field] : kSources) AddToLookup(kind, Value(i, field));
}

void CReelkeepDoc::RebuildLookupLists() {
    for (auto& list : lookups_) list.Clear();
    lookupsMatchRecords_ = true;  // until a failed add or a change of the records
    ProgressScope progress(ui_, msg::kProgressLookupLists, records_.Count(), progressEnabled_);
    for (std::uint32_t i = 0; i < records_.Count(); ++i) {
        AddRecordToLookups(i);
        progress.Step();
    }
}

void CReelkeepDoc::RefreshEntryDialogLists() {
    std::uint32_t total = 0;
    for (auto& list : entryLists_) {
        list.clear();
        list.shrink_to_fit();
    }
    for (const auto& lookup : lookups_) total += static_cast<std::uint32_t>(lookup.size());
    {
        ProgressScope progress(ui_, msg::kProgressDialogLists, total, progressEnabled_);
        for (std::size_t k = 0; k < kLookupCount; ++k) {
            for (const auto& entry : lookups_[k].entries()) {
                try {
                    entryLists_[k].push_back(entry);
                } catch (const std::bad_alloc&) {
                    Warn(ui_, kNoMemoryMessages[k]);
                }
                progress.Step();
            }
        }
    }
    UpdateLabelColors();
}

void CReelkeepDoc::ApplyCustomHeadings(const HeadingTexts& headings, bool repaint) {
    headings_ = headings;
    ui_.ApplyCustomHeadings(headings_, repaint);
}

void CReelkeepDoc::RequestViewUpdate() {
    if (changeDepth_ > 0) {
        viewUpdatePending_ = true;
    } else {
        UpdateViews();
    }
}

void CReelkeepDoc::UpdateViews() {
    LayOutShownList();
    ui_.UpdateAllViews();
}

void CReelkeepDoc::UseScreenResolution(int dpiY) {
    screenDpiY_ = dpiY;
    InitDefaultColumnPositions(layouts_, dpiY);
}

void CReelkeepDoc::LayOutShownList() {
    const std::optional<LayoutKey> key = ShownListLayout(display_);
    if (!screenDpiY_ || !key) return;
    ColumnLayout& list = layouts_[static_cast<std::size_t>(*key)];
    // Columns piled up at the left edge would hide each other.
    if (LacksColumnPositions(list)) InitDefaultColumnPositions(list, *key, *screenDpiY_);
    if (display_.OneLine() && display_.sort != SortMark::Actors) ZeroEmptySlotPositions(list);
}

void CReelkeepDoc::RecordsChanged() {
    RebuildDisplayOrder();
    ShowChangedRecords();
}

void CReelkeepDoc::ShowChangedRecords() {
    ReapplyCurrentSort();
    RefreshEntryDialogLists();
    RequestViewUpdate();
}

void CReelkeepDoc::OnNewDocument() {
    ChangeScope change(*this);
    modified_ = false;
    ready_ = true;
    ResetCatalogue();
    progressEnabled_ = true;
    find_ = FindSettings{};
}

void CReelkeepDoc::FinishLoad(const HeadingTexts& headingsFromFile) {
    HeadingTexts headings = headings_;
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (!headingsFromFile[k].empty()) headings[k] = headingsFromFile[k];
    }
    ApplyCustomHeadings(headings, false);
    ready_ = true;
    // The lookup lists come first so the display-order rebuild, which shows nothing, can take
    // the displayed actors from them.
    RebuildLookupLists();
    RebuildDisplayOrder();
    // The title sort below discards the actor index at once, so with more than one record only
    // the displayed-actor list is sorted; the index rows would be thrown away unseen.
    if (records_.Count() > 1) {
        if (!displayedActors_.empty()) SortDisplayedActors();
    } else {
        BuildActorIndex();
        // No title sort follows to discard labels built from the previous catalogue.
        if (display_.LabelFormat()) BuildLabelLayout();
    }
    RefreshEntryDialogLists();
    if (records_.Count() > 1) TitleSort();
    RequestViewUpdate();
}

}  // namespace reelkeep
