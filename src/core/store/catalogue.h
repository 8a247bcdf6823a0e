#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "lookup_filler.h"
#include "lookup_list.h"
#include "lookup_lists.h"
#include "record_store.h"

namespace reelkeep {

class CProgressScope;
class IReelkeepUI;

// One change of an entry dialog list, as a copy of it follows: the entry at place goes, or value
// arrives there.
struct EntryListChange {
    std::size_t place = 0;
    bool arrives = false;
    std::string value;
};

// Where an entry dialog list stands: the fill it was last filled by (unique in the process) and
// the number of changes since.
struct EntryListVersion {
    std::uint64_t fill = 0;
    std::size_t changes = 0;
};

// The movies and the lookup lists drawn from them. The fifteen field arrays are always the same
// length, and while LookupsMatchRecords() each lookup list holds exactly the distinct values of
// its fields in order of first appearance; every change of the records ends that until the
// next rebuild. Running out of memory for a lookup value is told through the UI.
class CCatalogue {
public:
    explicit CCatalogue(IReelkeepUI& ui) : ui_(ui) {}

    // ---- the records --------------------------------------------------------------------
    std::uint32_t Count() const { return records_.Count(); }
    const std::string& Value(std::uint32_t record, Field f) const {
        return records_.Value(record, f);
    }
    const std::vector<std::string>& Column(Field f) const { return records_.Column(f); }
    RecordValues Record(std::uint32_t record) const { return records_.Record(record); }
    // Rises with every change of the records, so that a change no undo entry names (one whose
    // entry found no memory) can still be told from none.
    std::uint64_t RecordEdits() const { return recordEdits_; }

    void Set(std::uint32_t record, Field f, std::string value);
    void SetRecord(std::uint32_t record, RecordValues values);
    // Throws std::bad_alloc with the records unchanged.
    void Append(RecordValues values);
    // Room for count records ahead of many Appends (see CRecordStore::Reserve).
    void Reserve(std::uint32_t count) { records_.Reserve(count); }
    // New records are empty, surplus ones dropped.
    void Resize(std::uint32_t count);
    // Filled up or cut to the record count.
    void ReplaceColumn(Field f, std::vector<std::string> values);
    // Removes the records marked (see CRecordStore::Purge); false when none was.
    bool Purge(const std::vector<bool>& marked);
    // No records, and their memory given back; the lookup lists are left until rebuilt.
    void ClearRecords();
    // The records a file held, once read (see CRecordStore::Adopt).
    void Adopt(CRecordLoader& loader);
    // The records and lookup lists of a catalogue read on another thread; this one keeps its UI.
    void TakeFrom(CCatalogue&& other);

    // ---- the lookup lists ---------------------------------------------------------------
    const CLookupList& Lookup(LookupKind kind) const { return lookups_[Index(kind)]; }
    bool LookupsMatchRecords() const { return lookupsMatch_; }
    // Takes the lookup lists' state from before a change that was taken back whole.
    void RestoreLookupsMatch(bool matched) { lookupsMatch_ = matched; }
    void RebuildLookupLists(bool showProgress);
    // Lists filled while the records were read (see CLookupFiller), which a rebuild would give;
    // a value that found no room is told as a rebuild tells it.
    void AdoptLookups(CLookupFiller::Lists filled);
    // Enters every lookup value of one record (the Enter command's step).
    void AddRecordToLookups(std::uint32_t record);

    // ---- a few records' change, followed in the lookup lists ----------------------------
    // While the lists match the records, each of these keeps them matching, the entry dialog's
    // copies with them, at the cost of the records named. Throws std::bad_alloc (the lists then
    // want a rebuild).
    // The values of the records (ascending) leave the lists, before the records change or go.
    void RemoveRecordsFromLookups(const std::vector<std::uint32_t>& records);
    // The values of a record that came or changed join the lists.
    void AddChangedRecordToLookups(std::uint32_t record);
    // After the records (ascending, numbered as before) were purged.
    void RenumberLookups(const std::vector<std::uint32_t>& purged);
    // Ends such a change: the lists match the records again, the movie types stay sorted and
    // the entry dialog's copies are whole. Returns whether the movie-type list changed.
    bool EndLookupChange();
    // Sorts the movie types for the labels, blank-led ones last; their colours follow them.
    void SortMovieTypes(bool showProgress);
    void ClearLookups();

    // The entry dialog's copies of the lookup lists, each sorted ignoring case as the dialog
    // shows it (a strict order: no two entries of a list are equal ignoring case).
    const EntryDialogLists& EntryLists() const { return entryLists_; }
    void RefreshEntryDialogLists(bool showProgress);
    // So that a converted copy of a list need not be made anew each time: the changes of each
    // list since its last fill, oldest first. Too many changes start a new fill.
    EntryListVersion EntryListVersionOf(LookupKind kind) const {
        return {entryListFill_[Index(kind)], entryListChanges_[Index(kind)].size()};
    }
    const std::vector<EntryListChange>& EntryListChanges(LookupKind kind) const {
        return entryListChanges_[Index(kind)];
    }

private:
    static constexpr std::size_t Index(LookupKind k) { return static_cast<std::size_t>(k); }
    void AddToLookup(LookupKind kind, std::string_view value, SourceKey key);
    void WarnLeftOut(LookupKind kind, std::uint32_t leftOut);
    // value is the text, equal to the entry ignoring case, whose occurrence made the edit.
    void FollowEdit(LookupKind kind, ListEdit edit, std::string_view value);
    void NewEntryListFill(std::size_t k);
    // The entry dialog's copy of list k made anew; a value that cannot be copied is left out
    // and its list's message shown.
    void FillEntryList(std::size_t k, CProgressScope& progress);
    void LogEntryListChange(std::size_t k, std::size_t place, const std::string* arriving);
    void KeepMovieTypesSorted();
    std::optional<std::pair<SourceKey, std::string_view>> NextSource(
        LookupKind kind, std::string_view value, SourceKey after,
        const std::vector<std::uint32_t>& skipped) const;

    IReelkeepUI& ui_;
    CRecordStore records_;
    std::array<CLookupList, kLookupCount> lookups_;
    bool lookupsMatch_ = false;
    std::uint64_t recordEdits_ = 0;
    EntryDialogLists entryLists_;
    // Entry dialog lists to copy whole at the end of a change, and whether the types changed.
    std::array<bool, kLookupCount> entryListStale_{};
    std::array<std::uint64_t, kLookupCount> entryListFill_{};
    std::array<std::vector<EntryListChange>, kLookupCount> entryListChanges_;
    bool typesChanged_ = false;
};

}  // namespace reelkeep
