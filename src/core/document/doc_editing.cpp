// Enter, Modify and Delete, and the one-step Undo that takes them back.
#include <new>
#include <string>
#include <utility>

#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

std::string DeleteQuestion(const CTextLanguage& language, std::string_view movieName) {
    return FillIn(language.Text(msg::kDeleteQuestion), "%s", movieName);
}

bool Confirms(DeleteAnswer answer) {
    return answer == DeleteAnswer::Yes || answer == DeleteAnswer::YesToAll;
}

bool AsksAgain(DeleteAnswer answer) {
    return answer == DeleteAnswer::Yes || answer == DeleteAnswer::No;
}

}  // namespace

void CReelkeepDoc::StoreViewSelection(bool acted) {
    try {
        display_.Selection().flags = acted ? ui_.ActedRowFlags() : ui_.SelectedRowFlags();
    } catch (const std::bad_alloc&) {
        // A partial copy would shift later rows onto the wrong records; keep none instead.
        display_.Selection().flags.clear();
        Warn(ui_, msg::kNoMemoryUndoSelection);
    }
}

bool CReelkeepDoc::ListingRecordAt(std::uint32_t row, std::uint32_t& record) const {
    if (row >= display_.ListingCount()) return false;
    record = display_.ListingRecord(row);
    return record < catalogue_.Count();
}

void CReelkeepDoc::DropNewRecord(std::uint32_t record) {
    SetRecordCount(record);
    ClearUndoJournal();
    // The display order may still name the dropped record; without memory for a rebuild, show
    // nothing rather than a record that is gone.
    display_.RebuildOrderOrClear();
}

void CReelkeepDoc::EnterCommand() {
    CChangeScope change(*this);
    EntryDialogValues values;
    values.headings = display_.CustomHeadings();
    values.fields[FieldIndex(Field::TapeNumber)] = std::to_string(catalogue_.Count() + 1ULL);
    values.fields[FieldIndex(Field::MediaType)] =
        catalogue_.Count() == 0 ? std::string(msg::kDefaultMediaType)
                                : catalogue_.Value(catalogue_.Count() - 1, Field::MediaType);
    if (!ui_.RunEntryDialog(values)) return;

    const std::uint32_t added = catalogue_.Count();
    bool appended = false;
    try {
        AppendRecord(std::move(values.fields));
        appended = true;
        ClearUndoJournal();
        RecordUndo(added, msg::kUndoDelete);
        RebuildDisplayOrder();
    } catch (const std::bad_alloc&) {
        if (appended) DropNewRecord(added);
        Warn(ui_, msg::kNoMemoryAddEntries);
        return;
    }
    // The record is in: whatever happens in the rebuilds, it can be saved and undone.
    undo_.available = true;
    modified_ = true;
    CWaitCursorScope wait(ui_);
    AddRecordToLookups(added);
    ShowChangedRecords();
}

void CReelkeepDoc::ModifyCommand() {
    CChangeScope change(*this);
    StoreViewSelection(true);
    ClearUndoJournal();
    bool changed = false;
    const std::vector<std::uint32_t>& flags = display_.Selection().flags;
    for (std::uint32_t row = 0; row < flags.size(); ++row) {
        std::uint32_t record = 0;
        if (flags[row] == 0 || !ListingRecordAt(row, record)) continue;
        EntryDialogValues values{catalogue_.Record(record), display_.CustomHeadings()};
        if (!ui_.RunEntryDialog(values)) continue;
        RecordUndo(record, msg::kUndoUnmodify);
        SetRecord(record, std::move(values.fields));
        ui_.ClearSelection();
        RebuildLookupLists();
        RefreshEntryDialogLists();
        undo_.available = true;
        modified_ = true;
        changed = true;
    }
    if (changed) RecordsChanged();
    RequestViewUpdate();
}

void CReelkeepDoc::DeleteCommand() {
    CChangeScope change(*this);
    StoreViewSelection(true);
    // NO means "ask at the next selected record".
    DeleteAnswer running = DeleteAnswer::No;
    ClearUndoJournal();
    std::vector<bool> marked(catalogue_.Count(), false);
    const std::vector<std::uint32_t>& flags = display_.Selection().flags;
    for (std::uint32_t row = 0; row < flags.size(); ++row) {
        std::uint32_t record = 0;
        if (flags[row] == 0 || !ListingRecordAt(row, record)) continue;
        // Reached again through another actor's row: asked about once.
        if (marked[record]) continue;
        if (AsksAgain(running)) {
            // Closing the question without an answer must not delete anything: it ends the
            // asking as No to All would.
            running =
                ui_.RunDeleteDialog(
                       DeleteQuestion(ui_.Language(), catalogue_.Value(record, Field::MovieName)))
                    .value_or(DeleteAnswer::NoToAll);
        }
        if (!Confirms(running)) continue;
        RecordUndo(record, msg::kUndoRestore);
        marked[record] = true;
        undo_.available = true;
        modified_ = true;
    }
    if (undo_.available) {
        catalogue_.Purge(marked);
        RebuildLookupLists();
        RecordsChanged();
    }
    ui_.ClearSelection();
    RequestViewUpdate();
}

namespace {

// Journal entry i, moved out: the journal is cleared once Undo has replayed it.
RecordValues TakeEntry(UndoJournal& journal, std::size_t i) {
    RecordValues values;
    for (std::size_t f = 0; f < kFieldCount; ++f) values[f] = std::move(journal.fields[f][i]);
    return values;
}

}  // namespace

void CReelkeepDoc::ClearUndoJournal() { undo_ = UndoJournal{}; }

void CReelkeepDoc::RecordUndo(std::uint32_t record, std::string_view action) {
    const std::size_t entries = undo_.size();
    try {
        undo_.action = action;
        for (std::size_t f = 0; f < kFieldCount; ++f)
            undo_.fields[f].push_back(catalogue_.Column(static_cast<Field>(f))[record]);
        undo_.recordNumbers.push_back(record);
    } catch (const std::bad_alloc&) {
        // Keep the journal's arrays in step: drop whatever part of the entry got in.
        for (auto& column : undo_.fields) column.resize(entries);
        Warn(ui_, msg::kNoMemoryRecordUndo);
    }
}

void CReelkeepDoc::UndoCommand() {
    CChangeScope change(*this);
    const std::size_t entries = undo_.size();
    if (undo_.action == msg::kUndoRestore) {
        for (std::size_t i = 0; i < entries; ++i) {
            try {
                AppendRecord(TakeEntry(undo_, i));
            } catch (const std::bad_alloc&) {
                Warn(ui_, msg::kNoMemoryRestoreUndo);
            }
        }
    } else if (undo_.action == msg::kUndoUnmodify) {
        // Newest first: a movie modified twice (listed under two actors) ends with the values
        // it had before the command.
        for (std::size_t i = entries; i-- > 0;) {
            const std::uint32_t record = undo_.recordNumbers[i];
            if (record < catalogue_.Count()) SetRecord(record, TakeEntry(undo_, i));
        }
    } else if (undo_.action == msg::kUndoDelete) {
        std::vector<bool> marked(catalogue_.Count(), false);
        for (std::uint32_t record : undo_.recordNumbers) {
            if (record < catalogue_.Count()) marked[record] = true;
        }
        catalogue_.Purge(marked);
    }
    ClearUndoJournal();
    modified_ = true;
    RebuildLookupLists();
    RecordsChanged();
}

}  // namespace reelkeep
