// The export verb: what the window's CSV or text export writes with nothing selected.
#include <cerrno>
#include <iostream>

#include "console_ui.h"
#include "export_writers.h"
#include "file_errors.h"
#include "reelkeep_doc.h"
#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

namespace {

std::optional<ExportKind> KindNamed(std::string_view name) {
    if (name == "csv") return ExportKind::Csv;
    if (name == "text") return ExportKind::Text;
    return std::nullopt;
}

}  // namespace

int RunExport(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"csv|text", "IN", "OUT"})) return *usage;
    const std::optional<ExportKind> kind = KindNamed(args[0]);
    if (!kind) return UsageError("export writes csv or text, not '" + args[0] + "'");
    ViewOptions view;
    std::string error;
    if (!ParseViewOptions(args.subspan(3), view, error)) return UsageError(error);
    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    if (!OpenCatalogue(ui, doc, args[1])) return kFailure;
    ApplyViewOptions(doc, view);
    if (args[2] == kStandardStream) {
        if (WriteExport(std::cout, *kind, doc.Display(), doc.ExportedRecords()) &&
            std::cout.flush()) {
            return 0;
        }
        std::cerr << "reelkeep-cli: "
                  << FileErrorText(FileOperation::Write, EIO, "the standard output") << '\n';
        return kFailure;
    }
    if (const auto failure =
            WriteExportFile(args[2], *kind, doc.Display(), doc.ExportedRecords())) {
        std::cerr << "reelkeep-cli: " << *failure << '\n';
        return kFailure;
    }
    return 0;
}

}  // namespace reelkeep::cli
