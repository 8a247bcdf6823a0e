#pragma once

#include "ui_interface.h"
#include "value_combo.h"

namespace reelkeep {

class CMainFrame;
class CReelkeepDoc;
class IShellDialogs;

// The document's link to the window: messages and file names through the shell's dialogs,
// progress through the main frame's status bar, the modal dialogs of src/dialogs, and the
// view for updates and the selection. Until a frame is attached (early start-up) it shows
// messages without a parent and has no progress or view to talk to.
// The core's texts in the language of the translations loaded, numbers as the user's locale
// writes them.
class CQtTextLanguage : public CTextLanguage {
public:
    std::string Text(std::string_view english) const override;
    std::string Number(std::uint64_t number) const override;
};

class CQtUI : public IReelkeepUI {
public:
    explicit CQtUI(IShellDialogs& dialogs);

    void Attach(CReelkeepDoc& doc, CMainFrame& frame);

    const CTextLanguage& Language() const override { return language_; }
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;
    void BeginProgress(std::string_view caption, std::uint32_t max) override;
    void SetProgress(std::uint32_t stepsDone) override;
    void EndProgress() override;
    void SetWaitCursor(bool on) override;
    void BeginDocumentChange() override;
    void EndDocumentChange() override;
    void UpdateAllViews() override;
    bool RunEntryDialog(EntryDialogValues& values) override;
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view question) override;
    bool RunFindDialog(FindSettings& settings) override;
    bool RunCustomHeadingsDialog(HeadingTexts& headings) override;
    bool RunFiltersDialog(FilterTexts& filters) override;
    std::optional<std::string> AskExportFileName(ExportKind kind) override;
    std::optional<std::string> AskImportFileName() override;
    bool RunImportDialog(const CsvTable& table, ColumnMapping& mapping) override;
    std::optional<std::string> AskForeignImportFileName() override;
    std::vector<std::uint32_t> SelectedRowFlags() const override;
    bool RowsSelected() const override;
    std::vector<std::uint32_t> ActedRowFlags() const override;
    bool RowsToActOn() const override;
    void ClearSelection() override;
    void SelectOnly(std::uint32_t row, bool selected) override;
    void ApplyCustomHeadings(const HeadingTexts& headings, bool repaint) override;

private:
    CQtTextLanguage language_;
    IShellDialogs& dialogs_;
    CReelkeepDoc* doc_ = nullptr;
    CMainFrame* frame_ = nullptr;
    CEntryListCache entryLists_;
};

}  // namespace reelkeep
