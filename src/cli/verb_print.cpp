// The print-pdf verb: prints a catalogue to a PDF file exactly as the window would print it.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPalette>
#include <QPrinter>
#include <algorithm>
#include <charconv>
#include <iostream>
#include <limits>
#include <optional>

#include "app_settings.h"
#include "console_ui.h"
#include "print_job.h"
#include "reelkeep_doc.h"
#include "settings_store.h"
#include "verbs.h"
#include "view_look.h"
#include "view_options.h"
#include "widget_session.h"

namespace reelkeep::cli {

namespace {

// The PDF takes every colour.
constexpr int kPdfColors = 256;

struct PrintOptions {
    QPageSize::PageSizeId paper = QPageSize::Letter;
    std::optional<CommandId> mode;
    bool smallLabels = false;
    std::vector<std::uint32_t> selection;
    std::optional<int> copies;
    std::optional<int> start;
    ReportPrintOptions report;
    ViewDisplayOptions display;
    std::vector<std::string> viewArgs;  // left for the view options
};

// The answers given on the command line to the label questions; one copy from the first
// position where none was given.
class CAnsweredQuestions : public ILabelPrintQuestions {
public:
    CAnsweredQuestions(std::optional<int> copies, std::optional<int> start)
        : copies_(copies), start_(start) {}
    std::optional<int> AskCopies() override { return copies_.value_or(1); }
    std::optional<int> AskStartPosition(bool, const std::vector<QString>&) override {
        return start_.value_or(1);
    }

private:
    std::optional<int> copies_;
    std::optional<int> start_;
};

std::optional<int> ParseInt(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool ParseSelection(std::string_view list, std::vector<std::uint32_t>& rows) {
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const auto row = ParseInt(list.substr(0, comma), 0, std::numeric_limits<int>::max());
        if (!row) return false;
        rows.push_back(static_cast<std::uint32_t>(*row));
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
    }
    return !rows.empty();
}

bool ParseGraphics(std::string_view text, ViewDisplayOptions& display) {
    display.showBox = text == "box";
    display.showGrid = text == "grid";
    return text == "box" || text == "grid" || text == "none";
}

std::optional<LabelColorChoice> ParsePrinterColor(std::string_view text) {
    if (text == "black") return LabelColorChoice::BlackOnly;
    if (text == "screen") return LabelColorChoice::ScreenColors;
    if (text == "label") return LabelColorChoice::LabelColors;
    return std::nullopt;
}

// One option with its value; false with a reason when the value does not fit.
bool ParseValued(std::string_view name, std::string_view value, PrintOptions& out,
                 std::string& error) {
    const auto flag = [&](bool& target) {
        const auto v = ParseInt(value, 0, 1);
        if (v) target = *v != 0;
        return v.has_value();
    };
    const auto breaks = [&](PageBreaks& target) {
        const auto v = ParseInt(value, 0, 2);
        if (v) target = static_cast<PageBreaks>(*v);
        return v.has_value();
    };
    bool ok = true;
    if (name == "--paper") {
        ok = value == "letter" || value == "a4";
        out.paper = value == "a4" ? QPageSize::A4 : QPageSize::Letter;
    } else if (name == "--mode") {
        out.mode = ParseMode(value);
        ok = out.mode.has_value();
    } else if (name == "--select") {
        ok = ParseSelection(value, out.selection);
    } else if (name == "--copies") {
        out.copies = ParseInt(value, 1, kMaxLabelCopies);
        ok = out.copies.has_value();
    } else if (name == "--start") {
        out.start = ParseInt(value, 1, kSmallPositions);
        ok = out.start.has_value();
    } else if (name == "--page-numbers") {
        ok = flag(out.report.pageNumbers);
    } else if (name == "--heading") {
        ok = flag(out.report.heading);
    } else if (name == "--normal-print") {
        const auto v = ParseInt(value, 0, 3);
        if (v) out.report.normal = static_cast<NormalPrint>(*v);
        ok = v.has_value();
    } else if (name == "--one-line-print") {
        ok = breaks(out.report.oneLine);
    } else if (name == "--actor-print") {
        ok = breaks(out.report.actors);
    } else if (name == "--graphics") {
        ok = ParseGraphics(value, out.display);
    } else if (name == "--settings") {
        // Read before the other options, which it gives their defaults.
    } else if (name == "--printer-color") {
        const auto choice = ParsePrinterColor(value);
        if (choice) out.display.labelColors = *choice;
        ok = choice.has_value();
    } else {
        return false;
    }
    if (!ok) error = "bad value '" + std::string(value) + "' for " + std::string(name);
    return true;
}

bool ParsePrintOptions(std::span<const std::string> args, PrintOptions& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--small-labels") {
            out.smallLabels = true;
            continue;
        }
        if (i + 1 < args.size() && ParseValued(name, args[i + 1], out, error)) {
            if (!error.empty()) return false;
            ++i;
            continue;
        }
        out.viewArgs.push_back(name);
    }
    return true;
}

// The settings the window prints with: the user's own store, or the file named by --settings.
struct StoredSettings {
    ScreenColors colors;
    FontSpec screenFont;
    FontSpec labelFont;
    OptionValues options;
};

// The file named by --settings, empty for the user's store; nullopt, with the reason, when the
// option has no value.
std::optional<std::string> SettingsFileOf(std::span<const std::string> args, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--settings") continue;
        if (i + 1 == args.size()) {
            error = "--settings needs a FILE";
            return std::nullopt;
        }
        return args[i + 1];
    }
    return std::string();
}

StoredSettings ReadSettings(const CSettingsStore& store) {
    return {ReadScreenColors(store), ReadFont(store, FontKind::Screen),
            ReadFont(store, FontKind::Label), ReadOptions(store)};
}

// What the options start from before the command line overrides them: the stored options, with
// black only for the printer colour, as every window run starts.
void SeedOptions(const OptionValues& stored, PrintOptions& print, ViewOptions& view) {
    print.report = ToReportPrintOptions(stored);
    print.display = ToViewDisplayOptions(stored);
    print.display.labelColors = LabelColorChoice::BlackOnly;
    view.options = ToDocumentOptions(stored);
}

// The look of the window's view: its colours and fonts from the settings, the options given.
ViewLook LookOf(const StoredSettings& stored, const CReelkeepDoc& doc, const PrintOptions& print,
                const ViewOptions& view, int dpiY) {
    ViewLook look = ShownLook(doc.Display(), print.display, view.options, dpiY);
    look.colors = ToViewColors(stored.colors, QApplication::palette());
    const FontSpec& screen = stored.screenFont;
    look.screenFont =
        MakeViewFont(screen.face, screen.sizeTenths, screen.weight, screen.italic, dpiY);
    const FontSpec& label = stored.labelFont;
    look.labelFont = MakeViewFont(label.face, label.sizeTenths, label.weight, label.italic, dpiY);
    return look;
}

// A usage error naming the first selected position the view does not show.
std::optional<int> CheckSelection(const CReelkeepDoc& doc, const std::vector<std::uint32_t>& rows) {
    const std::uint32_t shown = doc.Display().ShownRowCount();
    for (const std::uint32_t row : rows) {
        if (row < shown) continue;
        const std::string range = shown == 0
                                      ? std::string("nothing is shown")
                                      : "the positions are 0 to " + std::to_string(shown - 1);
        return UsageError("--select position " + std::to_string(row) +
                          " is past the end: " + range);
    }
    return std::nullopt;
}

// The rows to print as the window would select them: each once, in ascending order.
std::vector<std::uint32_t> SortedSelection(std::vector<std::uint32_t> selection) {
    std::sort(selection.begin(), selection.end());
    selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
    return selection;
}

// The request of the window's print job once the user has chosen the mode and the rows.
PrintRequest MakeRequest(const CReelkeepDoc& doc, const ViewLook& look, int dpiY,
                         const PrintOptions& print) {
    const PrintedView shown{look, dpiY, doc.Display().State().Mode() == DisplayMode::Labels,
                            !ShowsSmallLabels(doc.Display(), print.smallLabels)};
    return MakePrintRequest(shown, SortedSelection(print.selection), print.report,
                            doc.PrinterColorCount());
}

}  // namespace

int RunPrintPdf(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"IN", "OUT.pdf"})) return *usage;
    PrintOptions print;
    ViewOptions view;
    std::string error;
    const std::optional<std::string> settingsFile = SettingsFileOf(args.subspan(2), error);
    if (!settingsFile) return UsageError(error);
    // A store that does not exist reads as defaults; a file named on purpose must be there.
    if (!settingsFile->empty() &&
        !QFile(QString::fromStdString(*settingsFile)).open(QIODevice::ReadOnly)) {
        std::cerr << "reelkeep-cli: cannot read settings " << *settingsFile << '\n';
        return kFailure;
    }
    const CSettingsStore store = settingsFile->empty()
                                     ? CSettingsStore()
                                     : CSettingsStore(QString::fromStdString(*settingsFile));
    const StoredSettings stored = ReadSettings(store);
    SeedOptions(stored.options, print, view);
    if (!ParsePrintOptions(args.subspan(2), print, error) ||
        !ParseViewOptions(print.viewArgs, view, error)) {
        return UsageError(error);
    }
    // The page breaks skip a leading "The" as the view's sort does.
    print.report.ignoreTheNormal = view.options.ignoreTheNormal;
    print.report.ignoreTheOneLine = view.options.ignoreTheOneLine;
    // One Line Sorts comes before the sort, as a user switches the mode and then sorts.
    if (print.mode == CommandId::OneLineSorts) view.oneLine = true;
    const CWidgetApplication app;

    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    const int dpiY = app.ScreenDpiY();
    // Told before loading, as the window's view does, so the file's column layouts are kept.
    doc.UseScreenResolution(dpiY);
    if (!OpenCatalogue(ui, doc, args[0])) return kFailure;
    doc.SetPrinterColorCount(kPdfColors);
    ApplyViewOptions(doc, view);
    const ViewLook look = LookOf(stored, doc, print, view, dpiY);
    if (print.mode && *print.mode != CommandId::OneLineSorts && doc.IsEnabled(*print.mode)) {
        doc.Execute(*print.mode);
    }
    if (const auto usage = CheckSelection(doc, print.selection)) return *usage;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(args[1]));
    // The PDF's title is the catalogue's file name, as the window's print jobs are named.
    printer.setDocName(QFileInfo(QFile::decodeName(args[0].c_str())).fileName());
    printer.setPageSize(QPageSize(print.paper));
    CAnsweredQuestions answers(print.copies, print.start);
    // The answers are given, never cancelled, so the job always begins.
    const std::unique_ptr<CPrintJob> job = BeginPrintJob(
        doc.Display(), doc.UI(), MakeRequest(doc, look, dpiY, print), printer, answers);
    const std::uint32_t pages = job->TotalPages();
    const bool printed = PrintPageRange(
        printer, 1, 0, pages,
        [&job](QPainter& painter, std::uint32_t page) { job->DrawPage(painter, page); });
    if (!printed) {
        std::cerr << "reelkeep-cli: cannot write " << args[1] << '\n';
        return kFailure;
    }
    std::cout << "pages: " << pages << '\n';
    return 0;
}

}  // namespace reelkeep::cli
