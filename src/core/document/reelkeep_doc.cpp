#include "reelkeep_doc.h"

#include <algorithm>
#include <new>

#include "column_edit.h"
#include "column_positions.h"
#include "messages.h"
#include "side_by_side.h"
#include "sort_keys.h"

namespace reelkeep {

CReelkeepDoc::CReelkeepDoc(IReelkeepUI& ui) : ui_(ui), catalogue_(ui), display_(catalogue_, ui) {}

CReelkeepDoc::~CReelkeepDoc() = default;

void CReelkeepDoc::SetRecord(std::uint32_t record, RecordValues values) {
    catalogue_.SetRecord(record, std::move(values));
}

void CReelkeepDoc::ResetCatalogue() {
    ++catalogueSerial_;
    catalogue_.ClearRecords();
    catalogue_.ClearLookups();
    display_.Reset();
    ClearUndoJournal();
}

void CReelkeepDoc::SetRecordCount(std::uint32_t count) { catalogue_.Resize(count); }

void CReelkeepDoc::StartLoading() {
    ++catalogueSerial_;
    catalogue_.ClearRecords();
    display_.ForgetRecords();
    ui_.ClearSelection();
}

void CReelkeepDoc::AppendRecord(RecordValues values) { catalogue_.Append(std::move(values)); }

void CReelkeepDoc::ReplaceColumn(Field f, std::vector<std::string> values) {
    catalogue_.ReplaceColumn(f, std::move(values));
}

void CReelkeepDoc::AddRecordToLookups(std::uint32_t record) {
    catalogue_.AddRecordToLookups(record);
}

void CReelkeepDoc::RebuildLookupLists() { catalogue_.RebuildLookupLists(progressEnabled_); }

void CReelkeepDoc::RefreshEntryDialogLists() {
    catalogue_.RefreshEntryDialogLists(progressEnabled_);
    UpdateLabelColors();
}

void CReelkeepDoc::UpdateLabelColors() {
    catalogue_.SortMovieTypes(progressEnabled_);
    display_.FitLabelColors();
}

void CReelkeepDoc::RebuildDisplayOrder() { display_.RebuildOrder(); }

void CReelkeepDoc::ApplyFilters(const std::array<std::string, kFilterCount>& filters) {
    display_.SetFilters(filters);
    display_.RebuildOrder();
}

void CReelkeepDoc::SetLabelColors(std::vector<std::uint32_t> dataColors,
                                  std::vector<std::uint32_t> headingColors) {
    display_.SetDataColors(std::move(dataColors));
    display_.HeadingColors() = std::move(headingColors);
    // The colours are the catalogue's: it must be saved to keep them, even when the user chose
    // the colours it had.
    modified_ = true;
}

void CReelkeepDoc::BuildActorIndex() { display_.BuildActorIndex(progressEnabled_); }

void CReelkeepDoc::ApplyCustomHeadings(const HeadingTexts& headings, bool repaint) {
    display_.SetCustomHeadings(headings);
    ui_.ApplyCustomHeadings(display_.CustomHeadings(), repaint);
}

void CReelkeepDoc::RequestViewUpdate() {
    if (changeDepth_ > 0) {
        viewUpdatePending_ = true;
    } else {
        UpdateViews();
    }
}

void CReelkeepDoc::UpdateViews() {
    display_.LayOutShownList();
    ui_.UpdateAllViews();
}

void CReelkeepDoc::UseScreenResolution(int dpiY) { display_.UseScreenResolution(dpiY); }

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
    CChangeScope change(*this);
    modified_ = false;
    ready_ = true;
    ResetCatalogue();
    progressEnabled_ = true;
    find_ = FindSettings{};
}

void CReelkeepDoc::FinishLoad(const HeadingTexts& headingsFromFile, LookupsAt lookups) {
    HeadingTexts headings = display_.CustomHeadings();
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (!headingsFromFile[k].empty()) headings[k] = headingsFromFile[k];
    }
    ApplyCustomHeadings(headings, false);
    ready_ = true;
    // The lookup lists come first so the display-order rebuild, which shows nothing, can take
    // the displayed actors from them.
    if (lookups == LookupsAt::Rebuilt) RebuildLookupLists();
    RebuildDisplayOrder();
    // The title sort below discards the actor index at once, so with more than one record only
    // the displayed-actor list is sorted; the index rows would be thrown away unseen.
    if (catalogue_.Count() > 1) {
        // The actor names sort on a second core, beside the dialog lists and the title sort.
        const bool sortActors = !display_.DisplayedActors().empty();
        CLookupList sortedActors;
        RunSideBySide(
            [&] {
                if (sortActors) sortedActors = display_.SortedDisplayedActors();
            },
            [&] {
                RefreshEntryDialogLists();
                TitleSort();
            });
        if (sortActors) display_.TakeSortedActors(std::move(sortedActors));
    } else {
        BuildActorIndex();
        // No title sort follows to discard labels built from the previous catalogue.
        if (display_.State().LabelFormat()) display_.BuildLabelLayout();
        RefreshEntryDialogLists();
    }
    RequestViewUpdate();
}

void CReelkeepDoc::ShownColumnsEdited() {
    // As the next paint would leave it, so that the catalogue saves what the screen shows.
    display_.LayOutShownList();
    modified_ = true;
}

void CReelkeepDoc::AddShownListColumn(std::size_t after, std::uint32_t id, int dpiY) {
    ColumnLayout* list = display_.ShownList();
    if (list == nullptr || after < kKeyColumn || after > kLastColumn) return;
    InsertColumn(*list, after, id, dpiY);
    ShownColumnsEdited();
}

void CReelkeepDoc::RemoveShownListColumn(std::size_t column) {
    ColumnLayout* list = display_.ShownList();
    if (list == nullptr || !CanRemoveColumn(column)) return;
    RemoveColumn(*list, column);
    ShownColumnsEdited();
}

void CReelkeepDoc::MoveShownListBoundary(std::size_t slot, int x) {
    ColumnLayout* list = display_.ShownList();
    if (list == nullptr || slot < 1 || slot >= kColumnSlotCount) return;
    list->positions[slot] = x;
    ShownColumnsEdited();
}

}  // namespace reelkeep
