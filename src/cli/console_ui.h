#pragma once

#include "ui_interface.h"

namespace reelkeep::cli {

// The terminal as the document's user: messages go to stderr, progress and the wait cursor are
// silent, every dialog is cancelled and there is no view to take a selection from.
class ConsoleUI : public IReelkeepUI {
  public:
    MessageAnswer ShowMessage(std::string_view text, MessageButtons buttons,
                              MessageIcon icon) override;
    void BeginProgress(std::string_view, std::uint32_t) override {}
    void StepProgress() override {}
    void EndProgress() override {}
    void SetWaitCursor(bool) override {}
    void UpdateAllViews() override {}
    bool RunEntryDialog(EntryDialogValues&) override { return false; }
    std::optional<DeleteAnswer> RunDeleteDialog(std::string_view) override { return std::nullopt; }
    bool RunFindDialog(FindSettings&) override { return false; }
    bool RunCustomHeadingsDialog(std::array<std::string, 4>&) override { return false; }
    bool RunFiltersDialog(std::array<std::string, 9>&) override { return false; }
    std::optional<std::string> AskExportFileName(ExportKind) override { return std::nullopt; }
    void StoreSelection() override {}
    void SelectOnly(std::uint32_t, bool) override {}
    void ApplyCustomHeadings(const std::array<std::string, 4>&, bool) override {}

    // Whether any message was shown: a command that warned has not fully succeeded.
    bool Warned() const { return warned_; }

  private:
    bool warned_ = false;
};

}  // namespace reelkeep::cli
