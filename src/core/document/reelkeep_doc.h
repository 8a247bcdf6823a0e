#pragma once

#include <array>
#include <cstdint>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "catalogue_display.h"
#include "command_ids.h"
#include "foreign_import.h"
#include "import_report.h"
#include "ui_interface.h"
#include "undo_journal.h"

namespace reelkeep {

class IByteSource;
class IByteSink;
class CFileCalls;
class CSmfReader;

// The catalogue document: the record store, everything derived
// from it (lookup lists, display order, actor index, label layout) and the commands that change
// them. It talks to the user only through IReelkeepUI.
class CReelkeepDoc {
public:
    explicit CReelkeepDoc(IReelkeepUI& ui);
    ~CReelkeepDoc();
    CReelkeepDoc(const CReelkeepDoc&) = delete;
    CReelkeepDoc& operator=(const CReelkeepDoc&) = delete;

    IReelkeepUI& UI() const { return ui_; }
    // The records and lookup lists, and what is derived from them for showing: read-only, as
    // every change goes through the commands below.
    const CCatalogue& Catalogue() const { return catalogue_; }
    const CCatalogueDisplay& Display() const { return display_; }

    // ---- document flags and lifetime -----------------------------------------------------
    bool IsReady() const { return ready_; }
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }
    // Grows with every change that marks the catalogue modified, and never goes back.
    std::uint64_t ChangeCount() const { return modified_.Changes(); }
    bool ProgressEnabled() const { return progressEnabled_; }
    void SetProgressEnabled(bool enabled) { progressEnabled_ = enabled; }
    // Rises whenever another catalogue takes this one's place (new, or read from a file), so a
    // view can tell a new catalogue from a changed one of the same size.
    std::uint64_t CatalogueSerial() const { return catalogueSerial_; }
    // The new-catalogue step: ready, emptied, progress allowed, Find forgotten.
    void OnNewDocument();
    // Open and save a catalogue file; failures are reported through the UI with the file error
    // texts and return false (a failed save leaves the old file untouched).
    bool OpenDocument(const std::string& path);
    bool SaveDocument(const std::string& path);
    // The same through the given system calls (tests make them fail).
    bool SaveDocument(const std::string& path, const CFileCalls& calls);
    // The same on bytes already opened; path only names the file in messages.
    bool ReadDocument(IByteSource& source, std::string_view path);
    void WriteDocument(IByteSink& sink) const;
    // Records made elsewhere (a generator) taken in as a file's would be, with their headings.
    void LoadRecords(CRecordLoader& records, const HeadingTexts& headings);

    // ---- what the settings and the tool decide -------------------------------------------
    void ApplyCustomHeadings(const HeadingTexts& headings, bool repaint);
    void OptionsChanged(const DocumentOptions& options);
    // The filters given without asking: the display order from record order, left unsorted.
    void ApplyFilters(const std::array<std::string, kFilterCount>& filters);
    // One data colour per movie type as the movie-type list holds them now (each stays with its
    // type from then on) and the heading colour. The catalogue counts as modified.
    void SetLabelColors(std::vector<std::uint32_t> dataColors,
                        std::vector<std::uint32_t> headingColors);
    // The default printer's colour count, as the window measured it (2 without a printer).
    void SetPrinterColorCount(int count) { printerColorCount_ = count; }
    int PrinterColorCount() const { return printerColorCount_; }

    // ---- the columns of the list shown ---------------------------------------------------
    // The screen's resolution, told once by the window: every list gets its start-up column
    // positions in it, and a list shown later without positions (written by a tool) gets them
    // when it is shown. Without a screen the positions stay as the file has them.
    void UseScreenResolution(int dpiY);
    // The columns of the list shown (One Line Sorts, Actor Sort), counted from 1, the key
    // column (see column_edit.h). Each change applies to that list's layout alone and marks the
    // catalogue modified; the view that asked for it repaints.
    void AddShownListColumn(std::size_t after, std::uint32_t id, int dpiY);
    void RemoveShownListColumn(std::size_t column);
    void MoveShownListBoundary(std::size_t slot, int x);

    // ---- commands ------------------------------------------------------------------------
    // Whether the document handles the command at all.
    static bool Handles(CommandId id);
    bool IsEnabled(CommandId id) const;
    bool IsChecked(CommandId id) const;
    void Execute(CommandId id);
    const UndoJournal& Undo() const { return undo_; }
    const FindSettings& LastFind() const { return find_; }
    // Records the exports write: the selected displayed records, or all displayed ones.
    std::vector<std::uint32_t> ExportedRecords();
    // Appends the movies as one command, which Undo takes back whole. Out of memory, nothing is
    // added, the user is told and false returned.
    bool ImportRecords(std::vector<RecordValues> records);
    // The table's movies under the mapping, imported as ImportRecords does; the table's values
    // are moved out. The report gets every line left out or cut short.
    bool ImportTable(CsvTable& table, const ColumnMapping& mapping, ImportReport& report);
    // The movies another catalogue program kept, fitted into the fields and imported as
    // ImportRecords does. With nameHeadings the custom headings first become Director, Year,
    // Studio and Country; otherwise those values go only where a heading names them. The report
    // says what was left out or cut short.
    bool ImportForeign(ForeignCatalogue& catalogue, bool nameHeadings, ForeignImportReport& report);
    // Whether the catalogue has no movies and its custom headings are still the defaults.
    bool IsBlank() const;

private:
    // ---- the records ---------------------------------------------------------------------
    // In-place writes are for Modify, Undo and Delete only.
    void SetRecord(std::uint32_t record, RecordValues values);
    void ResetCatalogue();
    // Sets the record count: new records empty, surplus ones dropped.
    void SetRecordCount(std::uint32_t count);
    // Before a file's records are read: the previous catalogue's records go, and every list that
    // names them, so that nothing shown or asked meanwhile can reach a record that is gone.
    void StartLoading();
    // Appends one record; throws std::bad_alloc with the store unchanged.
    void AppendRecord(RecordValues values);
    void ReplaceColumn(Field f, std::vector<std::string> values);
    void RebuildLookupLists();
    void AddRecordToLookups(std::uint32_t record);
    void RefreshEntryDialogLists();
    void UpdateLabelColors();
    // The rebuilds that end a load, once the file's items are in the document; the lookup lists
    // are rebuilt unless the reading filled them.
    enum class LookupsAt : std::uint8_t { Rebuilt, Filled };
    void FinishLoad(const HeadingTexts& headingsFromFile, LookupsAt lookups = LookupsAt::Rebuilt);

    // ---- display order, sorts and modes --------------------------------------------------
    void SetFilters(const std::array<std::string, kFilterCount>& filters) {
        display_.SetFilters(filters);
    }
    // Refills the display order from the filters in record order and the displayed-actor list.
    void RebuildDisplayOrder();
    void TitleSort();
    void ReapplyCurrentSort();
    void SortByActorsCommand();
    void KeySortCommand(SortMark key);
    void TapeNumberSort();
    void OneLineSortsCommand();
    void DisplayNormalViewCommand();
    void DisplayLabelFormatCommand();
    void SortByCounterNumber();
    // Sorts the displayed-actor list and builds the index, without touching the sort marks.
    void BuildActorIndex();
    // Before a sort: where changes followed in place left ties of the title sort elsewhere, the
    // order the re-sorts after them would have left, so that every sort gives what it always did.
    void RestoreResortedOrder();

    // ---- editing, undo, find, exchange ---------------------------------------------------
    void ClearUndoJournal();
    void RecordUndo(std::uint32_t record, std::string_view action);
    void EnterCommand();
    void ModifyCommand();
    void DeleteCommand();
    void UndoCommand();
    void EditCustomHeadingCommand();
    void FiltersCommand();
    void FindCommand();
    void ExportCommand(ExportKind kind);
    // Asks for a CSV file, lets the user map its columns, appends its movies and reports.
    void ImportCommand();
    // Asks for another catalogue program's file, appends its movies and reports what stayed out.
    void ImportForeignCommand();
    // Within a command, with the document consistent: the views show the change and the window
    // its modified mark before a report is read over them.
    void ShowChangesSoFar();

    // The modified flag, counting each change that sets it: a copy of the catalogue can then
    // tell a catalogue changed since the copy from one that is merely still unsaved.
    class CModifiedFlag {
    public:
        CModifiedFlag& operator=(bool modified) {
            modified_ = modified;
            if (modified) ++changes_;
            return *this;
        }
        operator bool() const { return modified_; }
        std::uint64_t Changes() const { return changes_; }

    private:
        bool modified_ = false;
        std::uint64_t changes_ = 0;
    };

    // Brackets a command that may leave the document half changed for a while; the outermost
    // one tells the UI, so that no view reads the document in between.
    class CChangeScope {
    public:
        explicit CChangeScope(CReelkeepDoc& doc) : doc_(doc) {
            if (doc_.changeDepth_++ == 0) doc_.ui_.BeginDocumentChange();
        }
        ~CChangeScope() {
            if (--doc_.changeDepth_ > 0) return;
            const bool update = std::exchange(doc_.viewUpdatePending_, false);
            // A destructor may not throw: a view that cannot follow for lack of memory keeps
            // what it showed, and the next update brings it back.
            try {
                doc_.ui_.EndDocumentChange();
                if (update) doc_.UpdateViews();
            } catch (const std::bad_alloc&) {
            }
        }
        CChangeScope(const CChangeScope&) = delete;
        CChangeScope& operator=(const CChangeScope&) = delete;

    private:
        CReelkeepDoc& doc_;
    };

    // Updates the views, once at the end of the command when one is running.
    void RequestViewUpdate();
    // Lays out the list about to be shown, then updates the views.
    void UpdateViews();
    void ShownColumnsEdited();
    // The records changed and the lookup lists follow them: the display order is rebuilt, then
    // come the steps of ShowChangedRecords.
    void RecordsChanged();
    // With the display order rebuilt: the order shown is re-sorted, the entry dialog's lists are
    // refilled and the views updated, once.
    void ShowChangedRecords();
    // Reads a file into the document and leaves it consistent whatever happens: loaded, as it
    // was, new and empty, or holding what was read before memory ran out. Returns what the
    // user must be told, if anything; opened says whether the open counts as done.
    std::optional<std::string> LoadCatalogue(IByteSource& source, std::string_view path,
                                             bool& opened);
    // Reads the file's items into the document, up to the rebuilds. The document is left alone
    // until the record count has been read and found plausible; touched says whether it was
    // changed.
    void ReadItems(CSmfReader& reader, HeadingTexts& headings, bool& touched);
    // After a load broken off by lack of memory: nothing left that names a record or a value of
    // the previous catalogue.
    void KeepWhatWasLoaded();
    // A file read on another thread goes into a document of its own (CBackgroundOpen), set up
    // as this one is, which this one then takes over as if it had read the file itself.
    friend class CBackgroundOpen;
    void SetUpLike(const CReelkeepDoc& other);
    void TakeLoadedCatalogue(CReelkeepDoc& loaded);
    // The view's row flags copied into the selection (the rows acted on, for Modify and
    // Delete); when memory runs out none are kept.
    void StoreViewSelection(bool acted = false);
    // The record shown at a row of the current listing; false for a row past its end.
    bool ListingRecordAt(std::uint32_t row, std::uint32_t& record) const;
    // Takes back a record Enter appended but could not finish adding.
    void DropNewRecord(std::uint32_t record);
    // ---- a change of a few records, followed in place (doc_editing.cpp) -------------------
    // The order the re-sort after a change of records would leave; none for the actor index
    // and the labels.
    std::optional<OrderKey> ResortKey() const;
    // Whether a change of count records can be followed in place rather than rebuilt after.
    bool FollowsInPlace(std::size_t count) const;
    // The records (ascending) leave the lookup and display lists, before they change or go.
    void UnlistRecords(const std::vector<std::uint32_t>& records);
    // A record that came or changed joins them.
    void ListRecord(std::uint32_t record);
    // Modify's and Undo's write of one record, followed in place while inPlace; returns whether
    // it still is (lack of memory ends it, and the caller rebuilds).
    bool ReplaceRecord(std::uint32_t record, RecordValues values, bool inPlace);
    // After a purge of the records (ascending, numbered as before).
    void RenumberListed(const std::vector<std::uint32_t>& purged);
    // Ends a change followed in place as the rebuild and re-sort would have ended it.
    void ShowFollowedRecords();
    // Delete's and Undo's removal of the records marked, followed in place when they are few.
    void PurgeRecords(const std::vector<bool>& marked);
    // The journal of an import: the records from first on, named without copies, since taking
    // them out needs none.
    void RecordImportUndo(std::uint32_t first);

    IReelkeepUI& ui_;
    int changeDepth_ = 0;
    bool viewUpdatePending_ = false;

    CCatalogue catalogue_;
    CCatalogueDisplay display_;

    bool ready_ = false;
    CModifiedFlag modified_;
    bool progressEnabled_ = false;
    std::uint64_t catalogueSerial_ = 0;

    bool previousIgnoreTheNormal_ = true;
    bool previousIgnoreTheOneLine_ = true;

    UndoJournal undo_;
    FindSettings find_;
    int printerColorCount_ = 2;
};

}  // namespace reelkeep
