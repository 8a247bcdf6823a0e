#include <new>
#include <utility>

#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

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
    ChangeScope change(*this);
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
