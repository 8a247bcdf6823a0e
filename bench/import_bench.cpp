// Importing a spreadsheet's CSV file of generated movies into a new catalogue: reading the file,
// mapping its headings, appending, and the rebuilds and the title sort that follow.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "csv_import.h"
#include "generator.h"
#include "reelkeep_doc.h"
#include "silent_ui.h"

namespace reelkeep {
namespace {

// The columns as a spreadsheet user would name them; the actors in one column.
constexpr std::string_view kHeadingLine =
    "Movie Title,Actors,Genre,Format,Running Time,Tape,Counter,Rating,Director,Year,Studio,"
    "Condition,Synopsis\r\n";
constexpr std::array<Field, 11> kColumnsAfterActors = {
    Field::MovieType, Field::MediaType, Field::Time,     Field::TapeNumber,
    Field::Counter,   Field::Rating,    Field::Custom1,  Field::Custom2,
    Field::Custom3,   Field::Custom4,   Field::Synopsis,
};

// RFC 4180: quoted only where the value needs it.
void AppendValue(std::string& out, std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string ActorList(const CReelkeepDoc& doc, std::uint32_t r) {
    std::string list;
    for (std::size_t k = 0; k < kActorSlotCount; ++k) {
        const std::string& actor = doc.Value(r, ActorField(k));
        if (actor.empty()) continue;
        if (!list.empty()) list += "; ";
        list += actor;
    }
    return list;
}

// A spreadsheet CSV file of n generated movies, written once per program run.
struct SpreadsheetFile {
    std::string path;
    HeadingTexts headings;

    explicit SpreadsheetFile(std::uint32_t n) : path(bench::TempPath(std::to_string(n) + ".csv")) {
        SilentUI ui;
        CReelkeepDoc doc(ui);
        GenerateCatalogue(doc, n, 42);
        headings = doc.CustomHeadings();
        std::string text(kHeadingLine);
        for (std::uint32_t r = 0; r < doc.RecordCount(); ++r) {
            AppendValue(text, doc.Value(r, Field::MovieName));
            text += ',';
            AppendValue(text, ActorList(doc, r));
            for (const Field f : kColumnsAfterActors) {
                text += ',';
                AppendValue(text, doc.Value(r, f));
            }
            text += "\r\n";
        }
        std::ofstream(path, std::ios::binary) << text;
    }
    ~SpreadsheetFile() { std::filesystem::remove(path); }
};

void BM_ImportSpreadsheetCsv(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    const SpreadsheetFile& file = bench::OncePerSize<SpreadsheetFile>(n);
    for (auto _ : state) {
        state.PauseTiming();
        SilentUI ui;
        CReelkeepDoc doc(ui);
        doc.OnNewDocument();
        doc.ApplyCustomHeadings(file.headings, false);
        state.ResumeTiming();
        CsvTable table = ReadCsvFile(file.path);
        ImportReport report;
        const ColumnMapping mapping = MapHeadings(table.headings, doc.CustomHeadings());
        if (!doc.ImportRecords(ImportedRecords(table, mapping, report)) || doc.RecordCount() != n ||
            !report.problems.empty()) {
            state.SkipWithError("import failed");
        }
        state.PauseTiming();  // freeing the catalogue is not part of the import
        doc.OnNewDocument();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
void ImportSizes(benchmark::internal::Benchmark* b) { bench::AddSizes(b, {100'000, 1'000'000}); }
BENCHMARK(BM_ImportSpreadsheetCsv)->Apply(ImportSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace reelkeep
