// The import verb: a CSV file's movies appended to a new or an existing catalogue.
#include <charconv>
#include <iostream>
#include <new>
#include <optional>
#include <vector>

#include "console_ui.h"
#include "csv_import.h"
#include "file_errors.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "text_compare.h"
#include "verbs.h"

namespace reelkeep::cli {

namespace {

constexpr std::string_view kImportUsage =
    "import csv IN.csv OUT.smf [--into EXISTING.smf] [--map COLUMN=FIELD]...\n"
    "  appends the movies of IN.csv to EXISTING.smf (or to a new catalogue) and saves OUT.smf;\n"
    "  columns are matched to fields by their headings. --map sends COLUMN (a heading or a\n"
    "  column number from 1) to FIELD: movie-name actor1 actor2 actor3 actors movie-type\n"
    "  media-type time tape counter rating custom1 custom2 custom3 custom4 synopsis, or skip;\n"
    "  \"actors\" splits \"A; B; C\" into the three actor fields.\n"
    "  Prints imported: N and skipped: N; each line left out or cut short goes to stderr.";

struct ColumnRequest {
    std::string column;
    ColumnTarget target;
};

struct ImportArgs {
    std::string in;
    std::string out;
    std::optional<std::string> into;
    std::vector<ColumnRequest> maps;
};

bool ParseMap(std::string_view text, std::vector<ColumnRequest>& maps, std::string& error) {
    const std::size_t equals = text.rfind('=');
    const auto target =
        equals == std::string_view::npos ? std::nullopt : TargetNamed(text.substr(equals + 1));
    if (!target || equals == 0) {
        error = "--map wants COLUMN=FIELD with a known FIELD, not '" + std::string(text) + "'";
        return false;
    }
    maps.push_back({std::string(text.substr(0, equals)), *target});
    return true;
}

bool ParseArgs(std::span<const std::string> args, ImportArgs& parsed, std::string& error) {
    if (args.size() < 3 || args[0] != "csv") return false;
    parsed.in = args[1];
    parsed.out = args[2];
    for (std::size_t i = 3; i < args.size(); i += 2) {
        if (i + 1 == args.size()) {
            error = "missing value after " + args[i];
            return false;
        }
        if (args[i] == "--into") {
            parsed.into = args[i + 1];
        } else if (args[i] != "--map" || !ParseMap(args[i + 1], parsed.maps, error)) {
            if (error.empty()) error = "unknown option " + args[i];
            return false;
        }
    }
    return true;
}

// The column a --map names: a number counted from 1, else a heading.
std::optional<std::size_t> ColumnNamed(const std::vector<std::string>& headings,
                                       std::string_view column) {
    std::size_t number = 0;
    const auto [end, failure] =
        std::from_chars(column.data(), column.data() + column.size(), number);
    if (failure == std::errc() && end == column.data() + column.size()) {
        if (number >= 1 && number <= headings.size()) return number - 1;
        return std::nullopt;
    }
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (EqualsNoCase(headings[i], column)) return i;
    }
    return std::nullopt;
}

bool ApplyMaps(const ImportArgs& args, const CsvTable& table, ColumnMapping& mapping) {
    for (const ColumnRequest& request : args.maps) {
        const std::optional<std::size_t> column = ColumnNamed(table.headings, request.column);
        if (!column) {
            std::cerr << "reelkeep-cli: " << args.in << " has no column '" << request.column
                      << "'\n";
            return false;
        }
        AssignColumn(mapping, *column, request.target);
    }
    return true;
}

std::optional<CsvTable> ReadTable(const std::string& path) {
    try {
        return ReadCsvFile(path);
    } catch (const FileError& failure) {
        std::cerr << "reelkeep-cli: "
                  << FileErrorText(FileOperation::Read, failure.ErrorNumber(), path) << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "reelkeep-cli: " << msg::kNoMemoryImport << '\n';
    }
    return std::nullopt;
}

void PrintReport(const ImportArgs& args, const ImportReport& report) {
    for (const ImportProblem& problem : report.problems) {
        std::cerr << "reelkeep-cli: " << args.in << ": " << ProblemText(problem) << '\n';
    }
    std::cout << "imported: " << report.imported << '\n' << "skipped: " << report.Skipped() << '\n';
}

}  // namespace

int RunImport(std::span<const std::string> args) {
    ImportArgs parsed;
    std::string error;
    if (!ParseArgs(args, parsed, error)) {
        if (!error.empty()) std::cerr << "reelkeep-cli: " << error << '\n';
        return UsageError(kImportUsage);
    }
    ConsoleUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    if (parsed.into && !doc.OpenDocument(*parsed.into)) return 1;
    std::optional<CsvTable> table = ReadTable(parsed.in);
    if (!table) return 1;
    ColumnMapping mapping = MapHeadings(table->headings, doc.CustomHeadings());
    if (!ApplyMaps(parsed, *table, mapping)) return 1;
    if (!table->rows.empty() && !MapsAnyField(mapping)) {
        std::cerr << "reelkeep-cli: no column of " << parsed.in
                  << " goes to a field; name one with --map\n";
        return 1;
    }
    ImportReport report;
    if (!doc.ImportRecords(ImportedRecords(*table, mapping, report))) return 1;
    PrintReport(parsed, report);
    return doc.SaveDocument(parsed.out) ? 0 : 1;
}

}  // namespace reelkeep::cli
