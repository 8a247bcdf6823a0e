// The import verb: a CSV file's movies appended to a new or an existing catalogue.
#include <charconv>
#include <iostream>
#include <new>
#include <optional>
#include <vector>

#include "console_ui.h"
#include "csv_import.h"
#include "file_errors.h"
#include "foreign_formats.h"
#include "foreign_import.h"
#include "messages.h"
#include "reelkeep_doc.h"
#include "text_compare.h"
#include "verbs.h"

namespace reelkeep::cli {

namespace {

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

// The options after IN.csv and OUT.smf; error names the argument at fault.
bool ParseOptions(std::span<const std::string> args, ImportArgs& parsed, std::string& error) {
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (args[i] != "--into" && args[i] != "--map") {
            error = "unknown option '" + args[i] + "'";
            return false;
        }
        if (i + 1 == args.size()) {
            error = args[i] + " needs a value";
            return false;
        }
        if (args[i] == "--into") {
            parsed.into = args[i + 1];
        } else if (!ParseMap(args[i + 1], parsed.maps, error)) {
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
    } catch (const CFileError& failure) {
        std::cerr << "reelkeep-cli: "
                  << FileErrorText(FileOperation::Read, failure.ErrorNumber(), path) << '\n';
    } catch (const CCsvTooManyColumns&) {
        std::cerr << "reelkeep-cli: " << TooManyColumnsText(path) << '\n';
    } catch (const std::bad_alloc&) {
        std::cerr << "reelkeep-cli: " << msg::kNoMemoryImport << '\n';
    }
    return std::nullopt;
}

void PrintProblems(const ImportArgs& args, const ImportReport& report) {
    for (const ImportProblem& problem : report.problems) {
        std::cerr << "reelkeep-cli: " << args.in << ": " << ProblemText(problem) << '\n';
    }
}

// The counts, then one line per column in the file's order: scripts read these.
void PrintReport(const ImportReport& report) {
    std::cout << "imported: " << report.imported << '\n' << "skipped: " << report.Skipped() << '\n';
    for (const ImportColumn& column : report.columns) {
        if (column.target.kind == ColumnTarget::Kind::Skip) {
            std::cout << "column left out: " << Escaped(column.heading) << '\n';
        } else {
            std::cout << "column: " << Escaped(column.heading) << " -> "
                      << TargetName(column.target) << '\n';
        }
    }
}

// What found no field and what was cut short, then the count: scripts read these.
void PrintForeignReport(const ForeignImportReport& report) {
    std::cout << "imported: " << report.imported << '\n';
    for (const auto& [what, count] : report.leftOut) {
        std::cout << "left out: " << Escaped(what) << ": " << count << '\n';
    }
    for (const auto& [field, count] : report.cut) {
        std::cout << "cut short: " << Escaped(field) << ": " << count << '\n';
    }
}

std::string FormatNames() {
    std::string names = "csv";
    for (const ForeignFormat& format : ForeignFormats()) names.append("|").append(format.name);
    return names;
}

// Another catalogue program's file: its movies fitted into the fields, with no choices to make.
int RunForeignImport(const ForeignFormat& format, const ImportArgs& args) {
    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    if (args.into && !doc.OpenDocument(*args.into)) return kFailure;
    ForeignCatalogue catalogue = format.read(args.in);
    if (!catalogue.error.empty()) {
        std::cerr << "reelkeep-cli: " << args.in << ": " << catalogue.error << '\n';
        return kFailure;
    }
    ForeignImportReport report;
    if (!doc.ImportForeign(catalogue, !args.into, report)) return kFailure;
    if (!doc.SaveDocument(args.out)) return kFailure;
    PrintForeignReport(report);
    return 0;
}

}  // namespace

int RunImport(std::span<const std::string> args) {
    if (const auto usage = CheckOperands(args, {"FORMAT", "IN", "OUT.smf"})) return *usage;
    const ForeignFormat* foreign = ForeignFormatNamed(args[0]);
    if (args[0] != "csv" && foreign == nullptr) {
        return UsageError("import reads " + FormatNames() + ", not '" + args[0] + "'");
    }
    ImportArgs parsed{args[1], args[2], std::nullopt, {}};
    std::string error;
    if (!ParseOptions(args.subspan(3), parsed, error)) return UsageError(error);
    if (foreign != nullptr) {
        if (!parsed.maps.empty()) return UsageError("--map is for csv only");
        return RunForeignImport(*foreign, parsed);
    }
    CConsoleUI ui;
    CReelkeepDoc doc(ui);
    doc.OnNewDocument();
    if (parsed.into && !doc.OpenDocument(*parsed.into)) return kFailure;
    std::optional<CsvTable> table = ReadTable(parsed.in);
    if (!table) return kFailure;
    ColumnMapping mapping = MapHeadings(table->headings, doc.Display().CustomHeadings());
    if (!ApplyMaps(parsed, *table, mapping)) return kFailure;
    if (!table->rows.empty() && !MapsAnyField(mapping)) {
        std::cerr << "reelkeep-cli: no column of " << parsed.in
                  << " goes to a field; name one with --map\n";
        return kFailure;
    }
    ImportReport report;
    if (!doc.ImportTable(*table, mapping, report)) return kFailure;
    PrintProblems(parsed, report);
    // "imported" would be untrue of movies that never reached the file.
    if (!doc.SaveDocument(parsed.out)) return kFailure;
    PrintReport(report);
    return 0;
}

}  // namespace reelkeep::cli
