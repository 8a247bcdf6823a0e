#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace reelkeep {

// Why a line of an imported file was left out or cut short.
enum class ImportProblemKind : std::uint8_t {
    TooManyFields,  // left out: more values than headings
    TooFewFields,   // left out: a line of Reelkeep's own export always has every column
    BadEncoding,    // left out: not UTF-8 in a file marked as UTF-8
    UnclosedQuote,  // left out: a quoted value runs to the end of the file
    Unquoted,       // left out: a value of Reelkeep's own export without its quotes
    ValueCut,       // imported: one value longer than a catalogue value may be
    ActorsCut,      // imported: more than three actors in one column
};

// The line a movie starts on (1-based, the heading line is 1), what went wrong, and the
// column concerned (1-based; 0 when it is the whole line).
struct ImportProblem {
    std::uint64_t line = 0;
    ImportProblemKind kind = ImportProblemKind::TooManyFields;
    std::size_t column = 0;

    bool operator==(const ImportProblem&) const = default;
};

// Whether the problem kept the line out of the catalogue (else it was imported cut short).
bool LeavesLineOut(ImportProblemKind kind);

// What an import did: the movies added and every line left out or cut short, in line order.
struct ImportReport {
    std::size_t imported = 0;
    std::vector<ImportProblem> problems;

    std::size_t Skipped() const;
};

// One problem as the user reads it, e.g. "line 7: left out, too many fields".
std::string ProblemText(const ImportProblem& problem);

// The report for a message box: the counts, then one line for each of the first maxProblems
// problems and a count of the others.
std::string ReportText(const ImportReport& report, std::size_t maxProblems);

}  // namespace reelkeep
