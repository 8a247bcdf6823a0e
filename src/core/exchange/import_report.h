#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "csv_mapping.h"
#include "text_language.h"

namespace reelkeep {

// Why a line of an imported file was left out or cut short.
enum class ImportProblemKind : std::uint8_t {
    TooManyFields,  // left out: more values than headings
    TooFewFields,   // left out: a line of Reelkeep's own export always has every column
    BadEncoding,    // left out: not UTF-8 in a file marked as UTF-8
    BadUtf16,       // left out: a surrogate without its partner, or a byte without its pair
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

// Where one column of the file went.
struct ImportColumn {
    std::string heading;
    ColumnTarget target;
    bool blank = false;  // neither a heading nor a value: leaving it out loses nothing
};

// What an import did: the movies added, where each column went and every line left out or cut
// short, in line order.
struct ImportReport {
    std::size_t imported = 0;
    std::vector<ImportColumn> columns;
    std::vector<ImportProblem> problems;

    std::size_t Skipped() const;
};

// A column as the user reads it: its heading on one line, or "column N" when it has none.
std::string ColumnName(const ImportReport& report, std::size_t column,
                       const CTextLanguage& language = PlainText());

// One problem as the user reads it, e.g. "line 7: left out, too many fields".
std::string ProblemText(const ImportProblem& problem, const CTextLanguage& language = PlainText());

// The refusal of a file whose heading line has more columns than an import takes.
std::string TooManyColumnsText(std::string_view path, const CTextLanguage& language = PlainText());

// The report for a message box: the counts, the columns left out, then one line for each of the
// first maxProblems problems and a count of the others. Each text is in the given language.
std::string ReportText(const ImportReport& report, std::size_t maxProblems,
                       const CTextLanguage& language = PlainText());

}  // namespace reelkeep
