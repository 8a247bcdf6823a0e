#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "filter_fields.h"
#include "text_language.h"

namespace reelkeep {

// The import's values, defined with its logic (csv_reader.h, csv_mapping.h); the interface only
// passes them to the import dialog.
struct CsvTable;
struct ColumnTarget;
using ColumnMapping = std::vector<ColumnTarget>;

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { Warning, Information, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Codes of the Delete Movies dialog's four buttons.
enum class DeleteAnswer : std::uint32_t { Yes = 1, YesToAll = 2, No = 3, NoToAll = 4 };

// What the Enter/Edit Movies dialog exchanges with its caller: the fifteen field values and the
// four custom-heading captions it shows.
struct EntryDialogValues {
    RecordValues fields;
    HeadingTexts headings;
};

// The remembered search of Find.
struct FindSettings {
    std::string text;
    bool matchCase = false;
    bool wholeWord = false;
};

enum class ExportKind { Csv, Text };

// Everything the document needs from the user and the views. The window implements it with
// widgets; tests and the command-line tool implement it with scripted answers, so every command
// runs headless.
class IReelkeepUI {
public:
    virtual ~IReelkeepUI() = default;

    // The language of the texts the core puts together (a question, a report) before showing
    // them; texts shown as they are (messages, progress captions) the UI translates itself.
    virtual const CTextLanguage& Language() const { return PlainText(); }

    virtual MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                                      MessageIcon icon) = 0;

    // The status-bar progress indicator: at most one at a time. Begin, then the number of steps
    // done so far, rising, as often as the loop likes (the window shows only what a person can
    // see move), then End.
    virtual void BeginProgress(std::string_view caption, std::uint32_t max) = 0;
    virtual void SetProgress(std::uint32_t stepsDone) = 0;
    virtual void EndProgress() = 0;

    virtual void SetWaitCursor(bool on) = 0;
    // A command is about to change the document, and has left it consistent again. In between,
    // the views must not read the document except when told to update; only the outermost
    // pair of nested commands is reported.
    virtual void BeginDocumentChange() = 0;
    virtual void EndDocumentChange() = 0;
    // Called only at moments when the document is consistent.
    virtual void UpdateAllViews() = 0;

    // Modal dialogs: each returns true when the user accepted, with the edited data in place.
    virtual bool RunEntryDialog(EntryDialogValues& values) = 0;
    // The Delete Movies dialog; nullopt when it was closed without a button.
    virtual std::optional<DeleteAnswer> RunDeleteDialog(std::string_view question) = 0;
    virtual bool RunFindDialog(FindSettings& settings) = 0;
    virtual bool RunCustomHeadingsDialog(HeadingTexts& headings) = 0;
    virtual bool RunFiltersDialog(FilterTexts& filters) = 0;
    virtual std::optional<std::string> AskExportFileName(ExportKind kind) = 0;
    // The CSV file to import, then the columns' mapping over a preview of the table.
    virtual std::optional<std::string> AskImportFileName() = 0;
    virtual bool RunImportDialog(const CsvTable& table, ColumnMapping& mapping) = 0;

    // The view's part. It keeps the row selection and answers for it: a copy of its row flags,
    // one per row shown, which the document takes before a command works on them, and whether
    // the user selected rows (which enables Delete and Modify).
    virtual std::vector<std::uint32_t> SelectedRowFlags() const = 0;
    virtual bool RowsSelected() const = 0;
    // The rows Modify and Delete work on, as flags like the selection's, and whether there are
    // any. A view with a keyboard focus row gives the selection when that row is in it, else
    // that row alone.
    virtual std::vector<std::uint32_t> ActedRowFlags() const { return SelectedRowFlags(); }
    virtual bool RowsToActOn() const { return RowsSelected(); }
    // The rows selected were replaced or changed (a catalogue loading, movies modified or
    // deleted): nothing stays selected.
    virtual void ClearSelection() = 0;
    // Selects only one row, as Find does, and takes new custom headings for the column titles.
    virtual void SelectOnly(std::uint32_t row, bool selected) = 0;
    virtual void ApplyCustomHeadings(const HeadingTexts& headings, bool repaint) = 0;
};

// Shows a plain warning with an OK button, the form of every failure message.
inline void Warn(IReelkeepUI& ui, std::string_view text) {
    ui.ShowMessage(text, MessageButtons::Ok, MessageIcon::Warning);
}

// Begin/End of the progress indicator tied to a scope; inactive scopes step nothing.
class CProgressScope {
public:
    CProgressScope(IReelkeepUI& ui, std::string_view caption, std::uint32_t max, bool shown = true)
        : ui_(ui), shown_(shown) {
        if (shown_) ui_.BeginProgress(caption, max);
    }
    ~CProgressScope() { End(); }
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;

    void Step() {
        if (shown_) ui_.SetProgress(++done_);
    }
    // Catches up with a loop whose steps were all done at once.
    void StepTo(std::uint32_t done) {
        if (!shown_ || done <= done_) return;
        done_ = done;
        ui_.SetProgress(done_);
    }
    void End() {
        if (shown_) ui_.EndProgress();
        shown_ = false;
    }

private:
    IReelkeepUI& ui_;
    bool shown_;
    std::uint32_t done_ = 0;
};

class CWaitCursorScope {
public:
    explicit CWaitCursorScope(IReelkeepUI& ui) : ui_(ui) { ui_.SetWaitCursor(true); }
    ~CWaitCursorScope() { ui_.SetWaitCursor(false); }
    CWaitCursorScope(const CWaitCursorScope&) = delete;
    CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;

private:
    IReelkeepUI& ui_;
};

}  // namespace reelkeep
