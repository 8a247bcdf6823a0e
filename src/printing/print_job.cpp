#include "print_job.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "catalogue_display.h"
#include "ui_interface.h"

namespace reelkeep {

namespace {

PrintMetrics Measure(QPrinter& printer, const QFont& font) {
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    return MeasurePrinter(printer, font, paint.left(), paint.top());
}

}  // namespace

PrintRequest MakePrintRequest(const PrintedView& view, std::vector<std::uint32_t> selection,
                              const ReportPrintOptions& report, int printerColors) {
    PrintRequest request;
    PrintStyle& style = request.style;
    const ViewLook& look = view.look;
    style.options = look.options;
    style.colors = look.colors;
    style.columnTitles = look.columnTitles;
    style.headings = look.headings;
    style.screenFont = look.screenFont;
    style.labelFont = look.labelFont;
    style.screenDpiY = view.screenDpiY;
    style.printerColors = printerColors;
    style.printerColor = look.options.labelColors;
    style.report = report;
    request.labels = view.labels;
    request.largeLabels = view.largeLabels;
    request.blockLines = NormalLinesPerRow(look.options);
    request.selection = std::move(selection);
    return request;
}

int CPrintJob::PrinterResolution(bool labels, int screenDpiY) {
    return (labels ? 3 : 4) * screenDpiY;
}

CPrintJob::CPrintJob(const CCatalogueDisplay& display, IReelkeepUI& ui, PrintRequest request,
                     QPrinter& printer, ILabelPrintQuestions& questions)
    : display_(display),
      ui_(ui),
      request_(std::move(request)),
      fonts_(MakePrintFonts(request_.style)) {
    if (request_.labels) {
        // Label sheets are pre-cut for portrait; the orientation chosen for reports comes back
        // when the label job ends.
        if (printer.pageLayout().orientation() != QPageLayout::Portrait) {
            restoreOrientation_ = {&printer, printer.pageLayout().orientation()};
            printer.setPageOrientation(QPageLayout::Portrait);
        }
        fonts_.label = FitLabelFont(fonts_.label, printer, request_.largeLabels);
    }
    metrics_ = Measure(printer, request_.labels ? fonts_.label : fonts_.text);
    if (request_.labels) {
        pages_ = PaginateLabelJob(questions);
        return;
    }
    ReportJobInput input;
    input.kind = ReportKindOf(display_.State().Mode());
    input.linesPerPage = metrics_.linesPerPage;
    input.linesPerRow = request_.blockLines;
    input.options = request_.style.report;
    input.selection = request_.selection;
    pages_ = PaginateReport(display_, std::move(input));
}

LabelJob CPrintJob::PaginateLabelJob(ILabelPrintQuestions& questions) {
    const bool large = request_.largeLabels;
    if (request_.selection.empty()) {
        LabelJob job = AllLabelsJob(static_cast<std::uint32_t>(display_.Labels().size()), large);
        PaginateLabels(job);
        return job;
    }
    LabelJob job = BeginLabelSelection(display_.Labels(), request_.selection, large, ui_);
    if (request_.selection.size() == 1) {
        const std::optional<int> copies = questions.AskCopies();
        cancelled_ = !copies;
        if (cancelled_) return job;
        RepeatLabel(job, *copies, ui_);
    }
    std::vector<QString> texts;
    const int positions = large ? kLargePositions : kSmallPositions;
    for (int p = 1; p <= positions; ++p) {
        texts.push_back(QString::fromUtf8(StartPositionText(job, p)));
    }
    const std::optional<int> start = questions.AskStartPosition(large, texts);
    cancelled_ = !start;
    if (cancelled_) return job;
    StartAtPosition(job, *start);
    PaginateLabels(job);
    return job;
}

CPrintJob::~CPrintJob() {
    if (restoreOrientation_.printer) {
        restoreOrientation_.printer->setPageOrientation(restoreOrientation_.orientation);
    }
}

std::uint32_t CPrintJob::TotalPages() const {
    return std::visit([](const auto& job) { return job.totalPages; }, pages_);
}

void CPrintJob::DrawPage(QPainter& painter, std::uint32_t page) const {
    if (display_.Catalogue().Count() == 0) return;
    const PageContext ctx{painter, display_, request_.style, fonts_, metrics_};
    if (const auto* report = std::get_if<ReportPagination>(&pages_)) {
        DrawReportPage(ctx, *report, page);
    } else {
        DrawLabelPage(ctx, std::get<LabelJob>(pages_), page);
    }
}

std::unique_ptr<CPrintJob> BeginPrintJob(const CCatalogueDisplay& display, IReelkeepUI& ui,
                                         PrintRequest request, QPrinter& printer,
                                         ILabelPrintQuestions& questions) {
    printer.setResolution(CPrintJob::PrinterResolution(request.labels, request.style.screenDpiY));
    auto job = std::make_unique<CPrintJob>(display, ui, std::move(request), printer, questions);
    if (job->Cancelled()) return nullptr;
    return job;
}

bool PrintPageRange(QPrinter& printer, std::uint32_t first, std::uint32_t last, std::uint32_t total,
                    const std::function<void(QPainter&, std::uint32_t)>& drawPage) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    first = std::max<std::uint32_t>(1, first);
    last = last == 0 ? total : std::min(last, total);
    for (std::uint32_t page = first; page <= last; ++page) {
        if (page != first) printer.newPage();
        drawPage(painter, page);
    }
    return painter.end();
}

}  // namespace reelkeep
