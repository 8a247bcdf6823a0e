#pragma once

#include <QPageLayout>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "label_pagination.h"
#include "page_drawing.h"
#include "print_style.h"
#include "report_pagination.h"
#include "view_look.h"

class QPrinter;
class QPainter;

namespace reelkeep {

class CCatalogueDisplay;
class IReelkeepUI;

// The two questions a job printing selected labels asks before the first page; nullopt when
// the user cancelled, which ends the job before anything prints.
class ILabelPrintQuestions {
public:
    virtual ~ILabelPrintQuestions() = default;
    virtual std::optional<int> AskCopies() = 0;
    // 1-based; texts holds what each sheet position would show.
    virtual std::optional<int> AskStartPosition(bool largeLabels,
                                                const std::vector<QString>& texts) = 0;
};

// Asks nothing: one copy, from the sheet's first position.
class CNoLabelQuestions : public ILabelPrintQuestions {
public:
    std::optional<int> AskCopies() override { return 1; }
    std::optional<int> AskStartPosition(bool, const std::vector<QString>&) override { return 1; }
};

// What a job prints of the catalogue shown.
struct PrintRequest {
    PrintStyle style;
    bool labels = false;  // Label Format
    bool largeLabels = true;
    int blockLines = 7;  // lines of a Normal View record block
    // The selected rows (display positions, or label numbers in Label Format) in ascending
    // order when the user prints the selection; empty for everything.
    std::vector<std::uint32_t> selection;
};

// What a job takes from the view it prints besides the catalogue: its look, the screen
// resolution its fonts and column positions were measured at, and what it shows.
struct PrintedView {
    const ViewLook& look;
    int screenDpiY = 96;
    bool labels = false;  // Label Format
    bool largeLabels = true;
};

// The request for the view's mode: the selected rows alone when any are given (as
// PrintRequest::selection), everything otherwise.
PrintRequest MakePrintRequest(const PrintedView& view, std::vector<std::uint32_t> selection,
                              const ReportPrintOptions& report, int printerColors);

// One print job from its start to its end: the printer's measurements, the fonts and the
// pagination, from which any page can be drawn on its own and in any order.
class CPrintJob {
public:
    // Measures the printer, asks the label questions when selected labels are printed, and
    // paginates.
    CPrintJob(const CCatalogueDisplay& display, IReelkeepUI& ui, PrintRequest request,
              QPrinter& printer, ILabelPrintQuestions& questions);
    ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // Whether the user cancelled a label question: the job then prints nothing.
    bool Cancelled() const { return cancelled_; }
    std::uint32_t TotalPages() const;
    // Draws nothing once the catalogue is empty: a preview can outlive the records it shows.
    void DrawPage(QPainter& painter, std::uint32_t page) const;
    const PrintMetrics& Metrics() const { return metrics_; }

    // The printer resolution at which the chosen font prints at its point size: the report font
    // is four times the screen font's pixels, the label print font three times.
    static int PrinterResolution(bool labels, int screenDpiY);

private:
    LabelJob PaginateLabelJob(ILabelPrintQuestions& questions);

    const CCatalogueDisplay& display_;
    IReelkeepUI& ui_;
    PrintRequest request_;
    PrintFonts fonts_;
    PrintMetrics metrics_;
    std::variant<ReportPagination, LabelJob> pages_;
    bool cancelled_ = false;
    // The printer's own orientation, put back when a label job that forced portrait ends.
    struct {
        QPrinter* printer = nullptr;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
    } restoreOrientation_;
};

// Sets the printer's resolution for the request and begins its job; null when the user cancelled
// a label question.
std::unique_ptr<CPrintJob> BeginPrintJob(const CCatalogueDisplay& display, IReelkeepUI& ui,
                                         PrintRequest request, QPrinter& printer,
                                         ILabelPrintQuestions& questions);

// Sends pages first..last (last 0: the job's end, total) to the printer, one after another;
// false when the printer cannot start.
bool PrintPageRange(QPrinter& printer, std::uint32_t first, std::uint32_t last, std::uint32_t total,
                    const std::function<void(QPainter&, std::uint32_t)>& drawPage);

}  // namespace reelkeep
