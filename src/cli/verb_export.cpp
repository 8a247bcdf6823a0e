// The export verb: what the window's CSV or text export writes with nothing selected.
#include <iostream>

#include "console_ui.h"
#include "export_writers.h"
#include "reelkeep_doc.h"
#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

namespace {

constexpr std::string_view kExportUsage =
    "export csv|text IN OUT [view options]\n"
    "  writes the displayed movies of IN to OUT in display order, as the window's\n"
    "  Export command does; --synopsis and --custom choose the optional columns";

int Usage() {
    UsageError(kExportUsage);
    std::cerr << "view options: " << kViewOptionsSynopsis << '\n' << kViewOptionsHelp << '\n';
    return 1;
}

std::optional<ExportKind> KindNamed(std::string_view name) {
    if (name == "csv") return ExportKind::Csv;
    if (name == "text") return ExportKind::Text;
    return std::nullopt;
}

}  // namespace

int RunExport(std::span<const std::string> args) {
    if (args.size() < 3) return Usage();
    const std::optional<ExportKind> kind = KindNamed(args[0]);
    if (!kind) return Usage();
    ViewOptions view;
    std::string error;
    if (!ParseViewOptions(args.subspan(3), view, error)) {
        std::cerr << "reelkeep-cli: " << error << '\n';
        return Usage();
    }
    ConsoleUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    if (!doc.OpenDocument(args[1])) return 1;
    ApplyViewOptions(doc, view);
    if (const auto failure = WriteExportFile(args[2], *kind, doc, doc.ExportedRecords())) {
        std::cerr << "reelkeep-cli: " << *failure << '\n';
        return 1;
    }
    return 0;
}

}  // namespace reelkeep::cli
