#pragma once

#include "ui_interface.h"

namespace reelkeep {

// A user who is never really asked: every message is answered OK, progress and the wait cursor
// are ignored, every dialog is cancelled and there is no view. Headless users of the document
// derive from it and override only the part they take.
class CSilentUI : public IReelkeepUI {
public:
    MessageAnswer ShowMessage(std::string_view, MessageButtons, MessageIcon) override {
        return MessageAnswer::Ok;
    }
    void BeginProgress(std::string_view, std::uint32_t) override {}
    void SetProgress(std::uint32_t) override {}
    void EndProgress() override {}
    void SetWaitCursor(bool) override {}
    void BeginDocumentChange() override {}
    void EndDocumentChange() override {}
    void UpdateAllViews() override {}
    bool RunEntryDialog(EntryDialogValues&) override { return false; }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override { return std::nullopt; }
    bool RunFindDialog(FindSettings&) override { return false; }
    bool RunCustomHeadingsDialog(HeadingTexts&) override { return false; }
    bool RunFiltersDialog(FilterTexts&) override { return false; }
    std::optional<std::string> AskExportFileName(ExportKind) override { return std::nullopt; }
    std::optional<std::string> AskImportFileName() override { return std::nullopt; }
    bool RunImportDialog(const CsvTable&, ColumnMapping&) override { return false; }
    std::vector<std::uint32_t> SelectedRowFlags() const override { return {}; }
    bool RowsSelected() const override { return false; }
    void ClearSelection() override {}
    void SelectOnly(std::uint32_t, bool) override {}
    void ApplyCustomHeadings(const HeadingTexts&, bool) override {}
};

}  // namespace reelkeep
