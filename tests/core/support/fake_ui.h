#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "command_names.h"
#include "reelkeep_doc.h"
#include "ui_interface.h"

namespace reelkeep::test {

// A scripted user: records what the document shows and answers from queues. An empty queue
// answers OK to messages and cancels dialogs. Like the window, it expects the document to be
// consistent whenever it asks for a view update or shows a message.
class FakeUI : public IReelkeepUI {
public:
    struct ProgressRun {
        std::string caption;
        std::uint32_t max = 0;
        std::uint32_t steps = 0;  // the last value shown
        bool ended = false;
    };

    // What happened, in order.
    std::vector<std::string> messages;
    std::vector<ProgressRun> progress;
    int updates = 0;
    int documentChanges = 0;  // outermost changes begun
    bool changing = false;
    int waitCursorDepth = 0;
    int maxWaitCursorDepth = 0;
    std::array<std::string, 4> viewHeadings;
    int headingRepaints = 0;
    std::vector<std::string> deleteQuestions;
    std::vector<EntryDialogValues> entryDialogsShown;
    // What the window had been shown when each message came.
    struct MessageMoment {
        int updates, documentChanges;
    };
    std::vector<MessageMoment> messageMoments;

    // Scripted answers.
    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<RecordValues>> entryAnswers;  // nullopt: Cancel
    std::deque<std::optional<DeleteAnswer>> deleteAnswers;
    std::deque<std::optional<FindSettings>> findAnswers;
    std::deque<std::optional<std::array<std::string, 4>>> headingAnswers;
    std::deque<std::optional<std::array<std::string, 9>>> filterAnswers;
    std::deque<std::optional<std::string>> exportNames;
    std::deque<std::optional<std::string>> importNames;
    // Whether the import dialog is accepted (an empty queue cancels), and the columns the user
    // sends elsewhere before OK.
    std::deque<bool> importAccepts;
    std::vector<std::pair<std::size_t, ColumnTarget>> importAssignments;
    std::vector<ColumnMapping> importMappingsShown;

    // The view's row flags that the document copies, and whether the user selected rows.
    CReelkeepDoc* doc = nullptr;
    std::vector<std::uint32_t> viewSelection;
    bool rowsSelected = false;

    // Called as each outermost change ends, as the window's journal follows it.
    std::function<void()> changeEnded;

    bool ProgressOpen() const { return !progress.empty() && !progress.back().ended; }

    MessageAnswer ShowMessage(std::string_view text, MessageButtons, MessageIcon) override;
    void BeginProgress(std::string_view caption, std::uint32_t max) override;
    void SetProgress(std::uint32_t stepsDone) override;
    void EndProgress() override;
    void SetWaitCursor(bool on) override;
    void BeginDocumentChange() override;
    void EndDocumentChange() override;
    // With doc set, each view update and each message checks that the document is consistent.
    void UpdateAllViews() override;
    bool RunEntryDialog(EntryDialogValues& values) override;
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view question) override;
    bool RunFindDialog(FindSettings& settings) override;
    bool RunCustomHeadingsDialog(std::array<std::string, 4>& headings) override;
    bool RunFiltersDialog(std::array<std::string, 9>& filters) override;
    std::optional<std::string> AskExportFileName(ExportKind kind) override;
    std::optional<std::string> AskImportFileName() override;
    bool RunImportDialog(const CsvTable& table, ColumnMapping& mapping) override;
    std::vector<std::uint32_t> SelectedRowFlags() const override;
    bool RowsSelected() const override;
    void ClearSelection() override;
    void SelectOnly(std::uint32_t row, bool selected) override;
    void ApplyCustomHeadings(const std::array<std::string, 4>& headings, bool repaint) override;
};

}  // namespace reelkeep::test
