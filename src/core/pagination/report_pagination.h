#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display_state.h"
#include "fields.h"

// How a printed report of the Normal View, One Line Sorts or Sort by Actors falls into pages.
// Pure arithmetic on the catalogue's display order and the printer's line count, so the page
// count is known before the first page is drawn and any page can be drawn on its own.
namespace reelkeep {

class CCatalogueDisplay;

enum class ReportKind : std::uint8_t { Normal, OneLine, Actors };
// The report of what is shown: the actor list, the one-line list, or else the Normal View's.
ReportKind ReportKindOf(DisplayMode mode);

// The page-break choice of a mode, as the Options sheet numbers it ("NlViewPrint" 1 and 2,
// "TitlesPrint" and "ActorPrint" 1 and 2).
enum class PageBreaks : std::uint8_t { None, Letter, NameChange };

// The Normal View's "NlViewPrint" values.
enum class NormalPrint : std::uint8_t {
    OneRecordPerPage = 0,
    LetterBreak = 1,
    NameChangeBreak = 2,
    MultipleRecords = 3,
};

// The printing options of the Options sheet.
struct ReportPrintOptions {
    NormalPrint normal = NormalPrint::MultipleRecords;  // "NlViewPrint"
    PageBreaks oneLine = PageBreaks::None;              // "TitlesPrint"
    PageBreaks actors = PageBreaks::None;               // "ActorPrint"
    bool heading = true;                                // "NlViewHeading"
    bool pageNumbers = true;                            // "PageNum"
    bool ignoreTheNormal = true;                        // "NlViewThe"
    bool ignoreTheOneLine = true;                       // "TitlesThe"
};

// What one job paginates.
struct ReportJobInput {
    ReportKind kind = ReportKind::Normal;
    // The printable height divided by the print line height, before the pass takes its lines.
    int linesPerPage = 0;
    // Lines of one Normal View record block.
    int linesPerRow = 7;
    ReportPrintOptions options;
    // The selected display positions in ascending order when the job prints the selection;
    // empty when it prints everything.
    std::vector<std::uint32_t> selection;
};

// Print positions first..last of one page; empty when the job has nothing to print.
struct PageRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    bool empty = true;
};

struct ReportPagination {
    ReportKind kind = ReportKind::Normal;
    std::vector<std::uint32_t> selection;  // print position -> display position
    bool printsSelection = false;
    std::uint32_t printCount = 0;          // records (Normal, One Line) or actor rows
    int linesPerPage = 0;                  // after the pass's reductions
    std::uint32_t perPage = 1;             // records per page (Normal) or lines per page (lists)
    std::uint32_t totalPages = 1;          // at least 1
    PageBreaks breaks = PageBreaks::None;  // the breaks in force (None where the sort ignores them)
    bool onePerPage = false;               // Normal View "Print 1 Record per Page"
    bool showsHeading = false;             // the Normal View's "Sorted by" line
    // First and last print position of every page, filled only under letter or name breaks.
    std::vector<std::uint32_t> pageFirst;
    std::vector<std::uint32_t> pageLast;

    // Page n counts from 1; a page past the end is empty.
    PageRange Range(std::uint32_t page) const;
    // The display position a print position stands for.
    std::uint32_t DisplayPosition(std::uint32_t printPosition) const {
        return printsSelection ? selection[printPosition] : printPosition;
    }
};

// The pagination pass of the job's kind over the document's current listing. A page too small for
// one record block or list line still holds one (perPage is at least 1); selected positions past
// the end of the listing are left out.
ReportPagination PaginateReport(const CCatalogueDisplay& display, ReportJobInput input);

// The field whose text decides the page breaks of a report sorted by sort; none where the
// sort ignores breaks (tape #, and time in the Normal View). Sort by Actors breaks on the actor
// name, which is no record field: the caller takes the group name.
std::optional<Field> BreakField(ReportKind kind, SortMark sort);
// The key two print positions compare equal on: lower-case text, cut to the character after a
// leading "the " (when ignoreThe and longer than 4) or to its first character under letter
// breaks. A letter of any script is lower-cased; a whole name only A-Z.
std::string BreakKey(std::string_view text, PageBreaks breaks, bool ignoreThe);
// The value the "Sorted by" line shows after its caption: the stored text's first character (after
// a leading "the " as above) under letter breaks, or the whole text without the article.
std::string HeadingValue(std::string_view text, PageBreaks breaks, bool ignoreThe);

}  // namespace reelkeep
