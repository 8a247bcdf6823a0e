#include <new>
#include <numeric>
#include <utility>

#include "csv_import.h"
#include "file_access.h"
#include "file_errors.h"
#include "foreign_formats.h"
#include "messages.h"
#include "reelkeep_doc.h"

namespace reelkeep {

namespace {

// Problems listed one per line in the message after an import; the rest are counted.
constexpr std::size_t kProblemsShown = 30;

}  // namespace

void CReelkeepDoc::ShowChangesSoFar() {
    if (changeDepth_ == 0) return;
    ui_.EndDocumentChange();
    if (std::exchange(viewUpdatePending_, false)) UpdateViews();
    ui_.BeginDocumentChange();
}

void CReelkeepDoc::RecordImportUndo(std::uint32_t first) {
    try {
        undo_.recordNumbers.resize(catalogue_.Count() - first);
        std::iota(undo_.recordNumbers.begin(), undo_.recordNumbers.end(), first);
        undo_.action = msg::kUndoDelete;
        undo_.available = true;
    } catch (const std::bad_alloc&) {
        ClearUndoJournal();
        Warn(ui_, msg::kNoMemoryRecordUndo);
    }
}

bool CReelkeepDoc::ImportRecords(std::vector<RecordValues> records) {
    // Nothing to add is no command: the last one stays undoable.
    if (records.empty()) return true;
    CChangeScope change(*this);
    const std::uint32_t first = catalogue_.Count();
    const bool lookupsMatched = catalogue_.LookupsMatchRecords();
    try {
        catalogue_.Reserve(first + static_cast<std::uint32_t>(records.size()));
        for (RecordValues& values : records) AppendRecord(std::move(values));
    } catch (const std::bad_alloc&) {
        // Nothing else has changed yet: dropping the new records leaves the catalogue, its
        // lists and the last command's undo as they were.
        catalogue_.Resize(first);
        catalogue_.RestoreLookupsMatch(lookupsMatched);
        Warn(ui_, msg::kNoMemoryAddEntries);
        return false;
    }
    ClearUndoJournal();
    RecordImportUndo(first);
    modified_ = true;
    CWaitCursorScope wait(ui_);
    RebuildLookupLists();
    RecordsChanged();
    return true;
}

bool CReelkeepDoc::ImportTable(CsvTable& table, const ColumnMapping& mapping,
                               ImportReport& report) {
    std::vector<RecordValues> records;
    try {
        records = ImportedRecords(table, mapping, report);
    } catch (const std::bad_alloc&) {
        Warn(ui_, msg::kNoMemoryImport);
        return false;
    }
    return ImportRecords(std::move(records));
}

void CReelkeepDoc::ImportCommand() {
    const std::optional<std::string> path = ui_.AskImportFileName();
    if (!path) return;
    CsvTable table;
    try {
        CWaitCursorScope wait(ui_);
        table = ReadCsvFile(*path);
    } catch (const CFileError& error) {
        Warn(ui_, FileErrorText(FileOperation::Read, error.ErrorNumber(), *path, ui_.Language()));
        return;
    } catch (const CCsvTooManyColumns&) {
        Warn(ui_, TooManyColumnsText(*path, ui_.Language()));
        return;
    } catch (const std::bad_alloc&) {
        Warn(ui_, msg::kNoMemoryImport);
        return;
    }
    ColumnMapping mapping = MapHeadings(table.headings, display_.CustomHeadings());
    if (!ui_.RunImportDialog(table, mapping)) return;
    ImportReport report;
    if (!ImportTable(table, mapping, report)) return;
    ShowChangesSoFar();
    ui_.ShowMessage(ReportText(report, kProblemsShown, ui_.Language()), MessageButtons::Ok,
                    MessageIcon::Information);
}

bool CReelkeepDoc::IsBlank() const {
    const HeadingTexts& headings = display_.CustomHeadings();
    for (std::size_t k = 0; k < kCustomFieldCount; ++k) {
        if (headings[k] != DefaultCustomHeading(k)) return false;
    }
    return catalogue_.Count() == 0;
}

bool CReelkeepDoc::ImportForeign(ForeignCatalogue& catalogue, bool nameHeadings,
                                 ForeignImportReport& report) {
    const HeadingTexts headings =
        nameHeadings ? ForeignCustomHeadings(ui_.Language()) : display_.CustomHeadings();
    std::vector<RecordValues> records;
    try {
        records = FittedRecords(catalogue.movies, headings, report, ui_.Language());
    } catch (const std::bad_alloc&) {
        Warn(ui_, msg::kNoMemoryImport);
        return false;
    }
    if (nameHeadings && !records.empty()) ApplyCustomHeadings(headings, false);
    return ImportRecords(std::move(records));
}

void CReelkeepDoc::ImportForeignCommand() {
    const std::optional<std::string> path = ui_.AskForeignImportFileName();
    if (!path) return;
    ForeignCatalogue catalogue;
    try {
        CWaitCursorScope wait(ui_);
        // Opening it here names a missing or unreadable file in the user's language.
        [[maybe_unused]] const CFileSource readable(*path);
        const ForeignFormat* format = ForeignFormatOf(FirstBytesOf(*path), *path);
        catalogue.error = msg::kForeignUnknown;
        if (format != nullptr) catalogue = format->read(*path);
    } catch (const CFileError& error) {
        Warn(ui_, FileErrorText(FileOperation::Read, error.ErrorNumber(), *path, ui_.Language()));
        return;
    }
    if (!catalogue.error.empty()) {
        Warn(ui_, *path + '\n' + ui_.Language().Text(catalogue.error));
        return;
    }
    ForeignImportReport report;
    if (!ImportForeign(catalogue, IsBlank(), report)) return;
    ShowChangesSoFar();
    ui_.ShowMessage(ForeignReportText(report, ui_.Language()), MessageButtons::Ok,
                    MessageIcon::Information);
}

}  // namespace reelkeep
