#include "print_commands.h"

#include <QFileInfo>
#include <QLocale>
#include <QPainter>

#include "app_settings.h"
#include "app_strings.h"
#include "document_lifetime.h"
#include "print_preview.h"
#include "reelkeep_view.h"
#include "settings_store.h"
#include "shell_dialogs.h"
#include "user_settings.h"

namespace reelkeep {

namespace {

constexpr char kPreviewPagesName[] = "PreviewPages";

// The label questions, asked through the shell's dialogs.
class CDialogQuestions : public ILabelPrintQuestions {
public:
    CDialogQuestions(IShellDialogs& dialogs, QWidget* parent)
        : dialogs_(dialogs), parent_(parent) {}
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

CPrintCommands::CPrintCommands(const CReelkeepDoc& doc, const CDocumentLifetime& lifetime,
                               const CReelkeepView& view, const CUserSettings& settings,
                               IShellDialogs& dialogs, CSettingsStore& store, QWidget* window)
    : doc_(doc),
      lifetime_(lifetime),
      view_(view),
      settings_(settings),
      dialogs_(dialogs),
      store_(store),
      window_(window) {}

CPrintCommands::~CPrintCommands() = default;

PrintRequest CPrintCommands::MakeRequest(bool printSelection) const {
    const PrintedView shown{view_.Look(), view_.Metrics().dpiY,
                            doc_.Display().State().Mode() == DisplayMode::Labels,
                            view_.IsChecked(CommandId::LargeLabels)};
    return MakePrintRequest(
        shown, printSelection ? view_.Selection().SelectedRows() : std::vector<std::uint32_t>{},
        ToReportPrintOptions(settings_.Options()), doc_.PrinterColorCount());
}

CPrintCommands::PrintOffer CPrintCommands::OfferPrinting() {
    CNoLabelQuestions none;
    const std::unique_ptr<CPrintJob> everything =
        BeginPrintJob(doc_.Display(), doc_.UI(), MakeRequest(false), printer_, none);
    return {view_.Selection().Present(), everything->TotalPages()};
}

bool CPrintCommands::BeginJob(bool printSelection, ILabelPrintQuestions& questions) {
    job_.reset();
    job_ =
        BeginPrintJob(doc_.Display(), doc_.UI(), MakeRequest(printSelection), printer_, questions);
    return job_ != nullptr;
}

void CPrintCommands::DrawJobPage(QPainter& painter, std::uint32_t page) const {
    if (job_) job_->DrawPage(painter, page);
}

void CPrintCommands::EndJob() { job_.reset(); }

std::uint32_t CPrintCommands::JobPages() const { return job_ ? job_->TotalPages() : 1; }

void CPrintCommands::Print() {
    const PrintOffer offer = OfferPrinting();
    const std::optional<PrintDialogChoice> choice =
        dialogs_.RunPrintDialog(window_, printer_, offer.selection, offer.pages);
    if (!choice) return;  // cancelled: the job ends quietly
    PrintPages(choice->selection, choice->firstPage, choice->lastPage);
}

bool CPrintCommands::PrintPages(bool selection, std::uint32_t first, std::uint32_t last) {
    CDialogQuestions questions(dialogs_, window_);
    // Cancelled at a label question: nothing reaches the printer, and nothing failed.
    if (!BeginJob(selection, questions)) return true;
    // The dialog offered the pages of a job paginated before it; its paper or the selection may
    // have changed the count since.
    const std::uint32_t total = JobPages();
    if (first > total || last > total) {
        EndJob();
        dialogs_.ShowMessage(
            window_,
            appstr::Tr(appstr::kPagesNotInDocument)
                .arg(QLocale().toString(first), QLocale().toString(last == 0 ? total : last),
                     QLocale().toString(total)),
            MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    // The queue lists the job by this name, and a PDF printer takes it as title and file name.
    printer_.setDocName(jobFile_.isEmpty() ? lifetime_.Title() : QFileInfo(jobFile_).fileName());
    const bool started = PrintPageRange(
        printer_, first, last, total,
        [this](QPainter& painter, std::uint32_t page) { DrawJobPage(painter, page); });
    EndJob();
    if (!started) {
        dialogs_.ShowMessage(window_, appstr::Tr(appstr::kCouldNotStartPrintJob),
                             MessageButtons::Ok, MessageIcon::Warning);
    }
    return started;
}

void CPrintCommands::Preview() {
    // No print dialog comes first, so the selection, when there is one, is what is previewed.
    const PrintOffer offer = OfferPrinting();
    CDialogQuestions questions(dialogs_, window_);
    if (!BeginJob(offer.selection, questions)) return;
    const int stored = store_.ReadInt(kSectionSettings, kPreviewPagesName, 0);
    CPrintPreview preview(
        printer_, JobPages(),
        [this](QPainter& painter, std::uint32_t page) { DrawJobPage(painter, page); },
        PreviewLayoutFromSetting(stored), window_);
    const bool print = dialogs_.ShowPrintPreview(preview);
    store_.WriteInt(kSectionSettings, kPreviewPagesName,
                    static_cast<int>(preview.Pages().Layout()));
    store_.Sync();
    EndJob();
    if (print) Print();
}

void CPrintCommands::Setup() { dialogs_.RunPageSetup(window_, printer_); }

}  // namespace reelkeep
