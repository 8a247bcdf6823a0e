#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "reelkeep_doc.h"

namespace reelkeep {

// The document's inner steps, for tests and benchmarks that build a catalogue's state step by
// step or run one command without the menu's enabled check around it.
class DocSteps {
public:
    explicit DocSteps(CReelkeepDoc& doc) : doc_(doc) {}

    // The records and lookup lists.
    void SetValue(std::uint32_t r, Field f, std::string v) { doc_.SetValue(r, f, std::move(v)); }
    void ResetCatalogue() { doc_.ResetCatalogue(); }
    void SetRecordCount(std::uint32_t count) { doc_.SetRecordCount(count); }
    void AppendRecord(RecordValues values) { doc_.AppendRecord(std::move(values)); }
    void PurgeDeletedRecords(const std::vector<bool>& marked) { doc_.PurgeDeletedRecords(marked); }
    void ReplaceColumn(Field f, std::vector<std::string> values) {
        doc_.ReplaceColumn(f, std::move(values));
    }
    void RebuildLookupLists() { doc_.RebuildLookupLists(); }
    void AddRecordToLookups(std::uint32_t record) { doc_.AddRecordToLookups(record); }
    void RefreshEntryDialogLists() { doc_.RefreshEntryDialogLists(); }
    void UpdateLabelColors() { doc_.UpdateLabelColors(); }
    void SetReady(bool ready) { doc_.SetReady(ready); }
    void FinishLoad(const HeadingTexts& headings) { doc_.FinishLoad(headings); }
    void RecordUndo(std::uint32_t record, std::string_view action) {
        doc_.RecordUndo(record, action);
    }

    // The display order, the sorts and the modes.
    void SetFilters(const std::array<std::string, kFilterCount>& f) { doc_.SetFilters(f); }
    void RebuildDisplayOrder() { doc_.RebuildDisplayOrder(); }
    void TitleSort() { doc_.TitleSort(); }
    void ReapplyCurrentSort() { doc_.ReapplyCurrentSort(); }
    void SortByActorsCommand() { doc_.SortByActorsCommand(); }
    void KeySortCommand(SortMark key) { doc_.KeySortCommand(key); }
    void TapeNumberSort() { doc_.TapeNumberSort(); }
    void OneLineSortsCommand() { doc_.OneLineSortsCommand(); }
    void DisplayNormalViewCommand() { doc_.DisplayNormalViewCommand(); }
    void DisplayLabelFormatCommand() { doc_.DisplayLabelFormatCommand(); }
    void SortByCounterNumber() { doc_.SortByCounterNumber(); }
    void BuildActorIndex() { doc_.BuildActorIndex(); }

    // The commands themselves.
    void EnterCommand() { doc_.EnterCommand(); }
    void ModifyCommand() { doc_.ModifyCommand(); }
    void DeleteCommand() { doc_.DeleteCommand(); }
    void UndoCommand() { doc_.UndoCommand(); }
    void EditCustomHeadingCommand() { doc_.EditCustomHeadingCommand(); }
    void FiltersCommand() { doc_.FiltersCommand(); }
    void FindCommand() { doc_.FindCommand(); }
    void ExportCommand(ExportKind kind) { doc_.ExportCommand(kind); }
    void ImportCommand() { doc_.ImportCommand(); }

    // The display the commands change, for a test that sets up what a command left.
    CCatalogueDisplay& Shown() { return doc_.shown_; }

private:
    CReelkeepDoc& doc_;
};

}  // namespace reelkeep
