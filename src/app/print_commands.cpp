#include "print_commands.h"

#include <QPainter>

#include "app_strings.h"
#include "print_preview.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"

namespace reelkeep {

namespace {

constexpr char kPreviewPagesName[] = "PreviewPages";

// The label questions, asked through the shell's dialogs.
class DialogQuestions : public ILabelPrintQuestions {
public:
    DialogQuestions(IShellDialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}
    std::optional<int> AskCopies() override { return dialogs_.AskLabelCopies(parent_); }
    std::optional<int> AskStartPosition(bool largeLabels,
                                        const std::vector<QString>& texts) override {
        return dialogs_.AskLabelStartPosition(parent_, largeLabels, texts);
    }

private:
    IShellDialogs& dialogs_;
    QWidget* parent_;
};

}  // namespace

CPrintCommands::CPrintCommands(CReelkeepView& view, IShellDialogs& dialogs, CSettingsStore& store,
                               QWidget* window)
    : view_(view), dialogs_(dialogs), store_(store), window_(window) {}

void CPrintCommands::Print() {
    const CReelkeepView::PrintOffer offer = view_.OnPreparePrinting(printer_);
    const std::optional<PrintDialogChoice> choice =
        dialogs_.RunPrintDialog(window_, printer_, offer.selection, offer.pages);
    if (!choice) return;  // cancelled: the job ends quietly
    PrintPages(choice->selection, choice->firstPage, choice->lastPage);
}

bool CPrintCommands::PrintPages(bool selection, std::uint32_t first, std::uint32_t last) {
    DialogQuestions questions(dialogs_, window_);
    // Cancelled at a label question: nothing reaches the printer, and nothing failed.
    if (!view_.OnBeginPrinting(printer_, selection, questions)) return true;
    // The dialog offered the pages of a job paginated before it; its paper or the selection may
    // have changed the count since.
    const std::uint32_t total = view_.PrintPages();
    if (first > total || last > total) {
        view_.OnEndPrinting();
        dialogs_.ShowMessage(window_,
                             QString::fromUtf8(appstr::kPagesNotInDocument)
                                 .arg(first)
                                 .arg(last == 0 ? total : last)
                                 .arg(total),
                             MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    const bool started = PrintPageRange(
        printer_, first, last, total,
        [this](QPainter& painter, std::uint32_t page) { view_.OnPrint(painter, page); });
    view_.OnEndPrinting();
    if (!started) {
        dialogs_.ShowMessage(window_, QString::fromUtf8(appstr::kCouldNotStartPrintJob),
                             MessageButtons::Ok, MessageIcon::Warning);
    }
    return started;
}

void CPrintCommands::Preview() {
    // No print dialog comes first, so the selection, when there is one, is what is previewed.
    const CReelkeepView::PrintOffer offer = view_.OnPreparePrinting(printer_);
    DialogQuestions questions(dialogs_, window_);
    if (!view_.OnBeginPrinting(printer_, offer.selection, questions)) return;
    const int stored = store_.ReadInt(kSectionSettings, kPreviewPagesName, 0);
    CPrintPreview preview(
        printer_, view_.PrintPages(),
        [this](QPainter& painter, std::uint32_t page) { view_.OnPrint(painter, page); },
        PreviewLayoutFromSetting(stored), window_);
    const bool print = dialogs_.ShowPrintPreview(preview);
    store_.WriteInt(kSectionSettings, kPreviewPagesName,
                    static_cast<int>(preview.Pages().Layout()));
    store_.Sync();
    view_.OnEndPrinting();
    if (print) Print();
}

void CPrintCommands::Setup() { dialogs_.RunPageSetup(window_, printer_); }

}  // namespace reelkeep
