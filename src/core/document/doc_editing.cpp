// Enter, Modify and Delete, and the one-step Undo that takes them back.
#include <algorithm>
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
    const bool inPlace = FollowsInPlace(1);
    bool appended = false;
    try {
        AppendRecord(std::move(values.fields));
        appended = true;
        ClearUndoJournal();
        RecordUndo(added, msg::kUndoDelete);
        if (!inPlace) RebuildDisplayOrder();
    } catch (const std::bad_alloc&) {
        if (appended) DropNewRecord(added);
        Warn(ui_, msg::kNoMemoryAddEntries);
        return;
    }
    // The record is in: whatever happens in the rebuilds, it can be saved and undone.
    undo_.available = true;
    modified_ = true;
    if (inPlace) {
        try {
            ListRecord(added);
            return ShowFollowedRecords();
        } catch (const std::bad_alloc&) {
            // Rebuilt below, as after a change of many records.
        }
        CWaitCursorScope wait(ui_);
        RebuildLookupLists();
        return RecordsChanged();
    }
    CWaitCursorScope wait(ui_);
    AddRecordToLookups(added);
    ShowChangedRecords();
}

bool CReelkeepDoc::ReplaceRecord(std::uint32_t record, RecordValues values, bool inPlace) {
    bool followed = inPlace;
    if (followed) {
        try {
            UnlistRecords({record});
        } catch (const std::bad_alloc&) {
            followed = false;
        }
    }
    SetRecord(record, std::move(values));
    if (followed) {
        try {
            ListRecord(record);
        } catch (const std::bad_alloc&) {
            followed = false;
        }
    }
    return followed;
}

void CReelkeepDoc::ModifyCommand() {
    CChangeScope change(*this);
    StoreViewSelection(true);
    ClearUndoJournal();
    // The records of the rows acted on, read before a change moves any of them in the listing.
    std::vector<std::uint32_t> records;
    const std::vector<std::uint32_t>& flags = display_.Selection().flags;
    for (std::uint32_t row = 0; row < flags.size(); ++row) {
        std::uint32_t record = 0;
        if (flags[row] != 0 && ListingRecordAt(row, record)) records.push_back(record);
    }
    bool inPlace = FollowsInPlace(records.size());
    bool changed = false;
    for (std::uint32_t record : records) {
        EntryDialogValues values{catalogue_.Record(record), display_.CustomHeadings()};
        if (!ui_.RunEntryDialog(values)) continue;
        RecordUndo(record, msg::kUndoUnmodify);
        inPlace = ReplaceRecord(record, std::move(values.fields), inPlace);
        ui_.ClearSelection();
        if (inPlace) {
            // The next movie's dialog offers this one's values.
            if (catalogue_.EndLookupChange()) display_.FitLabelColors();
        } else {
            RebuildLookupLists();
            RefreshEntryDialogLists();
        }
        undo_.available = true;
        modified_ = true;
        changed = true;
    }
    if (changed) inPlace ? ShowFollowedRecords() : RecordsChanged();
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
    if (undo_.available) PurgeRecords(marked);
    ui_.ClearSelection();
    RequestViewUpdate();
}

void CReelkeepDoc::PurgeRecords(const std::vector<bool>& marked) {
    std::vector<std::uint32_t> gone;
    for (std::uint32_t record = 0; record < marked.size(); ++record) {
        if (marked[record]) gone.push_back(record);
    }
    bool inPlace = FollowsInPlace(gone.size());
    if (inPlace) {
        try {
            UnlistRecords(gone);
        } catch (const std::bad_alloc&) {
            inPlace = false;
        }
    }
    catalogue_.Purge(marked);
    if (inPlace) {
        try {
            RenumberListed(gone);
            return ShowFollowedRecords();
        } catch (const std::bad_alloc&) {
            // Rebuilt below.
        }
    }
    RebuildLookupLists();
    RecordsChanged();
}

std::optional<OrderKey> CReelkeepDoc::ResortKey() const {
    const DisplayState& state = display_.State();
    const DocumentOptions& options = display_.Options();
    const bool ignoreThe = state.OneLine() ? options.ignoreTheOneLine : options.ignoreTheNormal;
    switch (state.sort) {
        case SortMark::None:
        case SortMark::Actors:
            // The actor index leaves the display order in record order.
            return OrderKey{};
        case SortMark::TapeNumber:
            if (state.LabelFormat()) return std::nullopt;
            return OrderKey{
                .sort = SortMark::TapeNumber, .ignoreThe = ignoreThe, .tapeText = options.tapeText};
        default:
            return OrderKey{.sort = state.sort, .ignoreThe = ignoreThe};
    }
}

bool CReelkeepDoc::FollowsInPlace(std::size_t count) const {
    // Beyond a few records (a hundredth of the catalogue) a rebuild costs little more.
    constexpr std::size_t kFewRecords = 64;
    if (count > std::max<std::size_t>(kFewRecords, catalogue_.Count() / 100)) return false;
    const std::optional<OrderKey> key = ResortKey();
    return key && catalogue_.LookupsMatchRecords() && display_.CanFollowRecords(*key);
}

void CReelkeepDoc::UnlistRecords(const std::vector<std::uint32_t>& records) {
    if (display_.State().sort == SortMark::Actors) {
        for (std::uint32_t record : records) display_.RemoveFromActorIndex(record);
    }
    display_.RemoveFromOrder(records);
    catalogue_.RemoveRecordsFromLookups(records);
}

void CReelkeepDoc::ListRecord(std::uint32_t record) {
    catalogue_.AddChangedRecordToLookups(record);
    display_.InsertInOrder(record);
    if (display_.State().sort == SortMark::Actors) display_.AddToActorIndex(record);
}

void CReelkeepDoc::RenumberListed(const std::vector<std::uint32_t>& purged) {
    catalogue_.RenumberLookups(purged);
    display_.RenumberOrder(purged);
    if (display_.State().sort == SortMark::Actors) display_.RenumberActorIndex(purged);
}

void CReelkeepDoc::ShowFollowedRecords() {
    if (catalogue_.EndLookupChange()) display_.FitLabelColors();
    display_.ShareActorLookup();
    // The index rebuilt where it could not follow, or given up for the title mark when no actor
    // is left, as the re-sort does.
    if (display_.State().sort == SortMark::Actors &&
        (display_.EndActorIndexChange() || display_.DisplayedActors().empty())) {
        return ReapplyCurrentSort();
    }
    // An order left empty takes the re-sort's way out: the title mark, as new.
    if (display_.Order().empty()) return ReapplyCurrentSort();
    if (display_.State().sort == SortMark::TapeNumber && !display_.Options().tapeText &&
        display_.UnreadableTapes() > 0 && display_.Order().size() >= 2) {
        Warn(ui_, msg::kTapeNotAllDigits);
    }
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
        undo_.complete = false;
        Warn(ui_, msg::kNoMemoryRecordUndo);
    }
}

void CReelkeepDoc::UndoCommand() {
    CChangeScope change(*this);
    const std::size_t entries = undo_.size();
    bool inPlace = FollowsInPlace(entries);
    if (undo_.action == msg::kUndoRestore) {
        for (std::size_t i = 0; i < entries; ++i) {
            try {
                AppendRecord(TakeEntry(undo_, i));
            } catch (const std::bad_alloc&) {
                Warn(ui_, msg::kNoMemoryRestoreUndo);
                continue;
            }
            try {
                if (inPlace) ListRecord(catalogue_.Count() - 1);
            } catch (const std::bad_alloc&) {
                inPlace = false;
            }
        }
    } else if (undo_.action == msg::kUndoUnmodify) {
        // Newest first: a movie modified twice (listed under two actors) ends with the values
        // it had before the command.
        for (std::size_t i = entries; i-- > 0;) {
            const std::uint32_t record = undo_.recordNumbers[i];
            if (record < catalogue_.Count()) {
                inPlace = ReplaceRecord(record, TakeEntry(undo_, i), inPlace);
            }
        }
    } else if (undo_.action == msg::kUndoDelete) {
        std::vector<bool> marked(catalogue_.Count(), false);
        for (std::uint32_t record : undo_.recordNumbers) {
            if (record < catalogue_.Count()) marked[record] = true;
        }
        ClearUndoJournal();
        modified_ = true;
        return PurgeRecords(marked);
    }
    ClearUndoJournal();
    modified_ = true;
    if (inPlace) {
        try {
            return ShowFollowedRecords();
        } catch (const std::bad_alloc&) {
            // Rebuilt below.
        }
    }
    RebuildLookupLists();
    RecordsChanged();
}

}  // namespace reelkeep
