// Verbs that print what a display mode shows: the actor index and the tape labels.
#include <iostream>

#include "console_ui.h"
#include "reelkeep_doc.h"
#include "verbs.h"
#include "view_options.h"

namespace reelkeep::cli {

namespace {

constexpr std::string_view kActorsUsage =
    "actors IN [view options]\n"
    "  prints the actor index, one row a line: GROUP<TAB>RECORD (GROUP is empty on every row\n"
    "  but the first of its group; RECORD is the 0-based record number)";
constexpr std::string_view kLabelsUsage =
    "labels IN [view options]\n"
    "  prints the label layout, one label a line, always 12 columns:\n"
    "  TAPE<TAB>TITLE1<TAB>COUNTER1<TAB>...<TAB>TITLE5<TAB>COUNTER5<TAB>MULTIPLE\n"
    "  (empty slots are empty columns; MULTIPLE is 1 when the label holds several movies)";

// Keeps one row on one line whatever the text holds.
std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

int Usage(std::string_view usage) {
    UsageError(usage);
    std::cerr << "view options: " << kViewOptionsSynopsis << '\n' << kViewOptionsHelp << '\n';
    return 1;
}

// Opens IN and applies the view options after it; false (with the reason shown) on failure.
bool OpenWithOptions(std::span<const std::string> args, std::string_view usage, CReelkeepDoc& doc,
                     int& status) {
    ViewOptions view;
    std::string error;
    if (args.empty()) {
        status = Usage(usage);
        return false;
    }
    if (!ParseViewOptions(args.subspan(1), view, error)) {
        std::cerr << "reelkeep-cli: " << error << '\n';
        status = Usage(usage);
        return false;
    }
    doc.OnNewDocument();
    if (!doc.OpenDocument(args[0])) {
        status = 1;
        return false;
    }
    ApplyViewOptions(doc, view);
    return true;
}

}  // namespace

int RunActors(std::span<const std::string> args) {
    ConsoleUI ui;
    CReelkeepDoc doc(ui);
    int status = 0;
    if (!OpenWithOptions(args, kActorsUsage, doc, status)) return status;
    // Without displayed actors there is no index; one left from loading may list hidden movies.
    if (doc.DisplayedActors().empty()) return 0;
    if (doc.CurrentSort() != SortMark::Actors) doc.SortByActorsCommand();
    for (std::uint32_t row = 0; row < doc.ActorRowCount(); ++row) {
        std::cout << Escaped(doc.ActorRowGroupName(row)) << '\t' << doc.ActorRowRecord(row) << '\n';
    }
    return 0;
}

int RunLabels(std::span<const std::string> args) {
    ConsoleUI ui;
    CReelkeepDoc doc(ui);
    int status = 0;
    if (!OpenWithOptions(args, kLabelsUsage, doc, status)) return status;
    if (!doc.DisplayOrder().empty()) doc.DisplayLabelFormatCommand();
    for (const Label& label : doc.Labels()) {
        std::cout << Escaped(label.tapeNumber);
        for (std::size_t k = 0; k < label.titles.size(); ++k) {
            std::cout << '\t' << Escaped(label.titles[k]) << '\t' << Escaped(label.counters[k]);
        }
        std::cout << '\t' << label.multiple << '\n';
    }
    return 0;
}

}  // namespace reelkeep::cli
