// Verbs that print what a display mode shows: the actor index and the tape labels.
#include <iostream>

#include "console_ui.h"
#include "reelkeep_doc.h"
#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

namespace {

// Opens IN and applies the view options after it; the exit status when that failed.
std::optional<int> OpenWithOptions(std::span<const std::string> args, CReelkeepDoc& doc,
                                   CConsoleUI& ui) {
    if (const auto usage = CheckOperands(args, {"IN"})) return usage;
    ViewOptions view;
    std::string error;
    if (!ParseViewOptions(args.subspan(1), view, error)) return UsageError(error);
    if (!OpenCatalogue(ui, doc, args[0])) return kFailure;
    ApplyViewOptions(doc, view);
    return std::nullopt;
}

}  // namespace

int RunActors(std::span<const std::string> args) {
    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    if (const auto failed = OpenWithOptions(args, doc, ui)) return *failed;
    // Without displayed actors there is no index; one left from loading may list hidden movies.
    if (doc.Display().DisplayedActors().empty()) return 0;
    if (doc.Display().State().sort != SortMark::Actors) doc.Execute(CommandId::SortByActors);
    for (std::uint32_t row = 0; row < doc.Display().ActorRowCount(); ++row) {
        std::cout << Escaped(doc.Display().ActorRowGroupName(row)) << '\t'
                  << doc.Display().ActorRowRecord(row) << '\n';
    }
    return 0;
}

int RunLabels(std::span<const std::string> args) {
    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    if (const auto failed = OpenWithOptions(args, doc, ui)) return *failed;
    if (!doc.Display().Order().empty()) doc.Execute(CommandId::DisplayLabelFormat);
    for (const Label& label : doc.Display().Labels()) {
        std::cout << Escaped(label.tapeNumber);
        for (std::size_t k = 0; k < label.titles.size(); ++k) {
            std::cout << '\t' << Escaped(label.titles[k]) << '\t' << Escaped(label.counters[k]);
        }
        std::cout << '\t' << label.multiple << '\n';
    }
    return 0;
}

}  // namespace reelkeep::cli
