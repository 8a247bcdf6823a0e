// The view's print job: what it prints is the mode shown, with the view's own options, colours
// and fonts at the time the job begins.
#include <QPrinter>

#include "reelkeep_view.h"

namespace reelkeep {

PrintRequest CReelkeepView::MakePrintRequest(bool printSelection) const {
    PrintRequest request;
    PrintStyle& style = request.style;
    style.options = look_.options;
    style.colors = look_.colors;
    style.columnTitles = look_.columnTitles;
    style.headings = look_.headings;
    style.screenFont = look_.screenFont;
    style.labelFont = look_.labelFont;
    style.screenDpiY = metrics_.dpiY;
    style.printerColors = doc_.PrinterColorCount();
    style.printerColor = look_.options.labelColors;
    style.report = printOptions_;
    request.labels = doc_.Display().Mode() == DisplayMode::Labels;
    request.largeLabels = largeLabels_;
    request.blockLines = NormalLinesPerRow(look_.options);
    if (printSelection && selection_.present()) {
        for (std::size_t row = 0; row < selection_.size(); ++row) {
            if (selection_.IsSelected(row)) {
                request.selectedRows.push_back(static_cast<std::uint32_t>(row));
            }
        }
    }
    return request;
}

CReelkeepView::PrintOffer CReelkeepView::OnPreparePrinting(QPrinter& printer) {
    const bool labels = doc_.Display().Mode() == DisplayMode::Labels;
    printer.setResolution(CPrintJob::PrinterResolution(labels, metrics_.dpiY));
    NoLabelQuestions none;
    const CPrintJob everything(doc_, MakePrintRequest(false), printer, none);
    return {selection_.present(), everything.TotalPages()};
}

bool CReelkeepView::OnBeginPrinting(QPrinter& printer, bool printSelection,
                                    ILabelPrintQuestions& questions) {
    printJob_.reset();
    PrintRequest request = MakePrintRequest(printSelection);
    printer.setResolution(CPrintJob::PrinterResolution(request.labels, metrics_.dpiY));
    printJob_ = std::make_unique<CPrintJob>(doc_, std::move(request), printer, questions);
    if (!printJob_->Cancelled()) return true;
    printJob_.reset();
    return false;
}

void CReelkeepView::OnPrint(QPainter& painter, std::uint32_t page) const {
    if (printJob_ && doc_.RecordCount() != 0) printJob_->DrawPage(painter, page);
}

void CReelkeepView::OnEndPrinting() { printJob_.reset(); }

std::uint32_t CReelkeepView::PrintPages() const { return printJob_ ? printJob_->TotalPages() : 1; }

}  // namespace reelkeep
